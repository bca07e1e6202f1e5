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
    // A configuration (".P08") or an exercise (".E20"), as the open window or the exercise
    // chooser would open it.
    void openFile(const QString &path);
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
