#include "exercises/exerciserig.h"

#include "core/recordfile.h"

#include <QDir>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace orbane::test {

QString ScriptedFileDialogs::next()
{
    if (answers.empty())
        return {};
    const QString a = answers.front();
    answers.pop_front();
    return a;
}

QString ScriptedFileDialogs::openFileName(const QString &filter, const QString &initialName)
{
    calls << QStringLiteral("open %1 %2").arg(filter, initialName);
    return next();
}

QString ScriptedFileDialogs::saveFileName(const QString &filter, const QString &defaultSuffix,
                                          const QString &)
{
    calls << QStringLiteral("save %1 %2").arg(filter, defaultSuffix);
    return next();
}

QStringList ExerciseRig::allDataFiles()
{
    return QDir(QStringLiteral(ORBANE_DATA_DIR)).entryList(QDir::Files);
}

ExerciseRig::ExerciseRig(const QStringList &dataFiles)
    : program(dataFiles), rig(program.path()),
      commands(rig.sim, session, &supertext, &fich, rig.dialogs, files)
{
    // What the main window does on changes of its two boxes.
    QObject::connect(&supertext, &QTextEdit::textChanged, [this] {
        if (!fich.text().isEmpty())
            test::stateOf(rig.sim).textemodif = 1;
    });
    commands.actions().bienvenue = [this] {
        ++welcomes;
        supertext.setPlainText(QStringLiteral("Bienvenue"));
        supertext.setReadOnly(true);
    };
    commands.actions().print = [this](const QTextDocument &doc) { printed << doc.toPlainText(); };
    commands.actions().chooser = [] { return false; };
    supertext.setPlainText(QStringLiteral("Bienvenue"));
    supertext.setReadOnly(true);
}

ExerciseRig::~ExerciseRig() = default;

void ExerciseRig::type(const QString &text)
{
    supertext.moveCursor(QTextCursor::End);
    supertext.insertPlainText(text);
}

QString ExerciseRig::lastTitle() const
{
    return rig.dialogs.shown.empty() ? QString() : rig.dialogs.shown.back().title;
}

void writeExerciseFile(const QString &path, const QStringList &records)
{
    records::Image image;
    for (int i = 0; i < records.size(); ++i)
        ASSERT_TRUE(image.set(i + 1, records[i]));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(image.bytes());
}

void writeRtf(const QString &path, const QString &text)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\\rtf1\\ansi " + text.toLatin1() + "}");
}

} // namespace orbane::test
