#include "exercises/preview.h"

#include "exercises/exercisearchive.h"
#include "exercises/exercisefile.h"

namespace orbane::exercises {

Preview apercu(const QString &fichierexo)
{
    Preview p;
    if (fichierexo.trimmed().isEmpty())
        return p;
    const auto exercise = isExerciseArchive(fichierexo) ? readArchivedExercise(fichierexo, &p.refusal)
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
