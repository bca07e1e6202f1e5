#pragma once

#include "core/controls.h"

#include <QString>

namespace orbane::config {

struct WriteResult
{
    bool ok = false;
    QString detail; // the record at fault, when a value does not fit
    QString reason; // why it failed, in French, for the user
};

// Writes the controls as a configuration file. Every value is checked before the disk is
// touched, and the file is replaced in one step (saving::saveFile): on failure the old file
// is left as it was.
// Whatever an existing file holds beyond the records written is kept, except a later option
// this version knows, which is rewritten when it says another value than the controls.
WriteResult writeConfig(const QString &path, const Controls &controls);

} // namespace orbane::config
