#pragma once

#include "core/controls.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace orbane::genexo {

// A text of the exercises: the RTF file written and the markup it comes from.
struct Text
{
    QString file;   // e.g. "CHUTE.RTF"
    QString source; // e.g. "CHUTE.txt", in content/
};

// A configuration file and the simulator's settings it holds.
struct Configuration
{
    QString file; // e.g. "CHUTE.P08"
    Controls controls;
};

struct Exercise
{
    QString file; // "CHUTE.E20", or "ORBANE.PEM"
    QString title;
    int level = 0;
    QStringList notions; // at most four lines
    Text statement;
    Configuration configuration;
    std::optional<Text> correction;
    std::optional<Configuration> correctionConfiguration;
};

// Everything that ships, the getting-started text first.
const std::vector<Exercise> &catalogue();

} // namespace orbane::genexo
