#pragma once

#include "core/controls.h"
#include "core/services.h"

#include <QString>

namespace orbane {
class Simulation;
}

namespace orbane::config {

enum class LoadStatus { Loaded, NotConfig, Unreadable };

struct LoadResult
{
    LoadStatus status = LoadStatus::Unreadable;
    QString detail; // the record at fault, when it failed
    bool ok() const { return status == LoadStatus::Loaded; }
};

// Reads the whole configuration file and checks every record before anything changes; only a
// good file is applied. A failure shows its message box and leaves the simulation untouched.
LoadResult loadConfig(const QString &path, Simulation &sim, Dialogs &dialogs);

} // namespace orbane::config
