#pragma once

#include "config/configsession.h"
#include "exercises/exercisecommands.h"
#include "exercises/filedialogs.h"
#include "support/doubles.h"
#include "support/programdir.h"

#include <QLineEdit>
#include <QStringList>
#include <QTextEdit>
#include <deque>
#include <memory>

namespace orbane::test {

// Answers file choosers from a queue (an empty answer is a cancel) and records each call.
class ScriptedFileDialogs final : public exercises::FileDialogs
{
public:
    std::deque<QString> answers;
    QStringList calls; // "open <filter> <initial name>" or "save <filter> <suffix>"
    QString openFileName(const QString &filter, const QString &initialName) override;
    QString saveFileName(const QString &filter, const QString &defaultSuffix,
                         const QString &suggestedName = QString()) override;

private:
    QString next();
};

// The exercise commands on a rich-text box and a file-name box, as the main window holds
// them, over a program folder with the shipped files and a simulation with test doubles.
struct ExerciseRig
{
    // dataFiles: the shipped files copied into the program folder (none by default).
    explicit ExerciseRig(const QStringList &dataFiles = {});
    ~ExerciseRig();
    static QStringList allDataFiles();

    QString file(const QString &name) const { return program.file(name); }
    void type(const QString &text); // as a pupil typing at the end of the text
    int messages() const { return int(rig.dialogs.shown.size()); }
    QString lastTitle() const;

    ProgramDir program;
    Rig rig;
    config::ConfigSession session;
    QTextEdit supertext;
    QLineEdit fich;
    ScriptedFileDialogs files;
    exercises::ExerciseCommands commands;
    int welcomes = 0;
    QStringList printed;    // plain text of each printed document
    QStringList configs;    // configuration files loaded, when recorded instead of loaded
};

// Writes an exercise file whose records are given in order from record 1.
void writeExerciseFile(const QString &path, const QStringList &records);
// Writes a small RTF file holding the text.
void writeRtf(const QString &path, const QString &text);

} // namespace orbane::test
