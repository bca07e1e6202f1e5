#pragma once

#include "core/handshake.h"

#include <QObject>
#include <QString>

class QWidget;

namespace orbane {

class Dialogs;
class Simulation;
namespace config {
class ConfigSession;
}
namespace exercises {
class ExerciseCommands;
}

// What the program opens from outside its own windows: a file named on the command line, and
// an exercise handed over by the courseware suite through the hand-shake file.
class Opener : public QObject
{
    Q_OBJECT
public:
    Opener(Simulation &sim, config::ConfigSession &configs, exercises::ExerciseCommands &exercises,
           Dialogs &dialogs, QWidget *window);
    // A configuration (".P08") or an exercise (".E20", or one file ".e20z"), as the open window
    // or the exercise chooser would open it.
    void openFile(const QString &path);
    // The state carried over a restart: the configuration as it stands, written to a new
    // temporary file whose name is returned (empty when it could not be written).
    QString carryOver() const;
    // Loads what carryOver wrote and removes it; the title and the file in use stay those of
    // `inUse` (the file shown before the restart, or empty). If it cannot be loaded, `inUse`
    // is opened instead.
    void resume(const QString &carried, const QString &inUse);
    // The exercise handed over since the last activation, if any.
    void takeHandedOverExercise();

private:
    Simulation &m_sim;
    config::ConfigSession &m_configs;
    exercises::ExerciseCommands &m_exercises;
    Dialogs &m_dialogs;
    QWidget *m_window;
    handshake::HandOver m_handOver;
    bool m_readOnlyExchangeTold = false; // said once per run
};

} // namespace orbane
