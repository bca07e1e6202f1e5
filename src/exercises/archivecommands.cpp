// An exercise as one file: "Exporter l'exercice…" writes it, and opening it unpacks it into a
// folder of the save place, where its files are found beside its exercise file as ever.
#include "exercises/exercisecommands.h"

#include "core/diskerror.h"
#include "core/savefile.h"
#include "core/saveplace.h"
#include "exercises/exercisearchive.h"
#include "exercises/filedialogs.h"

#include <QFileInfo>
#include <QLineEdit>

namespace orbane::exercises {

void ExerciseCommands::exportExercise()
{
    if (!exerciseFileOpen())
        return;
    const QString exercise = m_fich->text();
    QString cause;
    const auto archive = packExercise(exercise, &cause);
    if (!archive) {
        m_dialogs.message(files::explained(QStringLiteral("L'exercice n'a pas pu être exporté."),
                                           exercise, cause),
                          QStringLiteral("Exportation impossible"), MsgIcon::Critical);
        return;
    }
    const QString suffix = archiveSuffix();
    QString path = m_files.saveFileName(QStringLiteral("Exercice en un seul fichier|*") + suffix,
                                        suffix.mid(1),
                                        QFileInfo(exercise).completeBaseName() + suffix);
    if (path.isEmpty())
        return;
    // Only this suffix opens it again, from the chooser or the desktop.
    if (!isExerciseArchive(path))
        path += suffix;
    if (!confirmOverwrite(path))
        return;
    if (const saving::SaveResult saved = saving::saveBytes(path, *archive); !saved) {
        writeFailed(path, saved.reason);
        return;
    }
    SavePlace::shared().remember(path);
}

bool ExerciseCommands::openArchive(const QString &archive)
{
    QString refusal;
    const auto exercise =
        unpackArchive(archive, unpackFolder(SavePlace::shared().ownFolder(), archive), &refusal);
    if (!exercise) {
        unreadableExercise(refusal);
        return false;
    }
    return ouvreur(*exercise);
}

} // namespace orbane::exercises
