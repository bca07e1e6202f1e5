#pragma once

#include "exercises/exerciserules.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Saving a teacher's whole exercise: its exercise file with the texts and configurations it
// names, all of them or none (no widgets: the texts and configurations come as their bytes).
namespace orbane::exercises {

struct ExerciseContent
{
    QString title;
    int level = 0;       // 0 to 3
    QStringList notions; // at most four lines
    ExerciseRules rules;
    QByteArray statement;                              // rich text, as rtf::write makes it
    QByteArray configuration;                          // a ".P08" image, as config::encode makes it
    std::optional<QByteArray> correction;              // rich text
    std::optional<QByteArray> correctionConfiguration; // a ".P08" image
};

// Writes NAME.RTF, NAME.P08, NAMEC.RTF and NAMEC.P08 when the correction has them, and NAME.E20
// naming them relative to the folder. The name and every field are checked first, and the files
// are saved as one (saving::saveAll): on any failure the folder is left as it was. The message
// for the user, in French, when nothing was saved; nothing on success.
std::optional<QString> saveExercise(const QString &folder, const QString &name,
                                    const ExerciseContent &content);

// Why `name` cannot be the base name of an exercise's files, in French; empty when it can.
QString nameRefusal(const QString &name);

} // namespace orbane::exercises
