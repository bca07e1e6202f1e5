#pragma once

#include "app/displayscale.h"

#include <QString>
#include <QStringList>

namespace orbane {

// What the program was asked to do on its command line.
struct CommandLine
{
    enum class Action { Run, Help, Version, Refused };
    Action action = Action::Run;
    QString file;    // a configuration or an exercise to open, or empty
    std::optional<display::Scale> scale; // --echelle: for this run, over the kept choice
    QString capture; // hidden: write the window's picture there after its first frame, then quit
    QString carried; // hidden: the state written by the run that started this one, to load
    QString refusal; // why the command line was refused (French), for Refused
};

// Parses the arguments (the program's name first). Unknown options and more than one file
// are refused.
CommandLine parseCommandLine(const QStringList &arguments);

// Whether the arguments hold one of the options Qt takes for itself (-platform, -style...):
// those are known only once the application object has removed them.
bool hasQtOptions(const QStringList &arguments);

// "Utilisation : orbane1s [options] [fichier]"
QString usageLine();
// The French text of --help: usage, the files it opens, the options.
QString helpText();
// "Orbane 1S <version>"
QString versionText();

} // namespace orbane
