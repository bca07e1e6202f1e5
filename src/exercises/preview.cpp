#include "exercises/preview.h"

#include "exercises/exercisearchive.h"
#include "exercises/exercisefile.h"

namespace orbane::exercises {

namespace {

// The exercise file inside an archive, read without unpacking it.
std::optional<ExerciseFile> readArchived(const QString &archive, QString *refusal)
{
    const auto entries = readArchive(archive, refusal);
    if (!entries)
        return std::nullopt;
    QString cause;
    auto exercise = parseExercise(exerciseEntry(*entries).bytes, &cause);
    if (!exercise)
        *refusal = QStringLiteral("L'archive %1 ne peut pas être ouverte : %2.").arg(archive, cause);
    return exercise;
}

} // namespace

Preview apercu(const QString &fichierexo)
{
    Preview p;
    if (fichierexo.trimmed().isEmpty())
        return p;
    const auto exercise = isExerciseArchive(fichierexo) ? readArchived(fichierexo, &p.refusal)
                                                        : readExercise(fichierexo, &p.refusal);
    if (!exercise) {
        p.state = Preview::State::Unreadable;
        return p;
    }
    p.state = Preview::State::Shown;
    p.status = exercise->corrected() ? QStringLiteral("Exercice corrigé")
                                     : QStringLiteral("Non corrigé");
    p.level = exercise->level;
    p.notions = exercise->notions.join(QLatin1Char('\n'));
    p.title = exercise->title;
    return p;
}

} // namespace orbane::exercises
