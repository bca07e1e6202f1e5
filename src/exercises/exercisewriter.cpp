#include "exercises/exercisewriter.h"

#include "core/cp1252.h"
#include "core/diskerror.h"
#include "core/recordfile.h"
#include "core/savefile.h"
#include "exercises/exercisefile.h"

#include <QDir>
#include <QFile>

namespace orbane::exercises {

namespace {

const QString kLongestSuffix = QStringLiteral("C.RTF");   // of the names the exercise file holds
const QString kForbidden = QStringLiteral("/\\<>:\"|?*"); // here or on the pupils' computers

QString notSaved(const QString &cause)
{
    return QStringLiteral("L'exercice n'a pas été enregistré : %1.").arg(cause);
}

// The device names that other systems keep whatever the extension.
bool reservedName(const QString &name)
{
    static const QStringList devices{QStringLiteral("CON"), QStringLiteral("PRN"),
                                     QStringLiteral("AUX"), QStringLiteral("NUL")};
    const QString upper = name.toUpper();
    if (devices.contains(upper))
        return true;
    return upper.size() == 4 &&
           (upper.startsWith(QLatin1String("COM")) || upper.startsWith(QLatin1String("LPT"))) &&
           upper[3] >= QLatin1Char('1') && upper[3] <= QLatin1Char('9');
}

// The first character that a file name or the exercise file's code page cannot hold.
QString unfitCharacter(const QString &name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c.isHighSurrogate())
            return name.mid(i, 2);
        if (c.category() == QChar::Other_Control || kForbidden.contains(c) ||
            cp1252::decode(cp1252::encode(QString(c))) != QString(c))
            return QString(c);
    }
    return {};
}

ExerciseFile exerciseFile(const QString &name, const ExerciseContent &content)
{
    ExerciseFile e;
    e.statement = name + QStringLiteral(".RTF");
    e.configuration = name + QStringLiteral(".P08");
    if (content.correction)
        e.correction = name + QStringLiteral("C.RTF");
    if (content.correctionConfiguration)
        e.correctionConfiguration = name + QStringLiteral("C.P08");
    e.level = content.level;
    e.notions = content.notions;
    e.title = content.title;
    e.rules = content.rules;
    return e;
}

std::vector<saving::FileImage> images(const QDir &folder, const QString &name,
                                      const ExerciseFile &e, const ExerciseContent &content,
                                      const QByteArray &exercise)
{
    std::vector<saving::FileImage> files{{folder.filePath(e.statement), content.statement},
                                         {folder.filePath(e.configuration), content.configuration}};
    if (content.correction)
        files.push_back({folder.filePath(e.correction), *content.correction});
    if (content.correctionConfiguration)
        files.push_back(
            {folder.filePath(e.correctionConfiguration), *content.correctionConfiguration});
    // The exercise file last: until it is in place, the one there names what it named.
    files.push_back({folder.filePath(name + QStringLiteral(".E20")), exercise});
    return files;
}

} // namespace

QString nameRefusal(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("l'exercice n'a pas de nom");
    if (const QString c = unfitCharacter(name); !c.isEmpty())
        return QStringLiteral("le nom « %1 » contient un caractère qui ne peut pas figurer dans un "
                              "nom de fichier d'exercice (« %2 »)")
            .arg(name, c);
    if (name.startsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char('.')) ||
        name.startsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char(' ')))
        return QStringLiteral(
                   "le nom « %1 » ne peut ni commencer ni finir par un point ou une espace")
            .arg(name);
    if (reservedName(name))
        return QStringLiteral("le nom « %1 » est réservé à un périphérique sur certains systèmes")
            .arg(name);
    const QString longest = name + kLongestSuffix;
    if (cp1252::encode(longest).size() > records::kMaxText ||
        QFile::encodeName(longest).size() > 255)
        return QStringLiteral("le nom « %1 » est trop long pour un fichier d'exercice").arg(name);
    return {};
}

std::optional<QString> saveExercise(const QString &folder, const QString &name,
                                    const ExerciseContent &content)
{
    if (const QString refusal = nameRefusal(name); !refusal.isEmpty())
        return notSaved(refusal);
    if (content.level < 0 || content.level > 3)
        return notSaved(QStringLiteral("le niveau doit être compris entre 0 et 3"));
    const ExerciseFile e = exerciseFile(name, content);
    QString cause;
    const std::optional<QByteArray> exercise = buildExercise(e, &cause);
    if (!exercise)
        return notSaved(cause);
    QString fault;
    const saving::SaveResult saved =
        saving::saveAll(images(QDir(folder), name, e, content, *exercise), &fault);
    if (!saved)
        return files::explained(
            QStringLiteral("L'exercice n'a pas été enregistré ; les fichiers du "
                           "dossier sont restés tels qu'ils étaient."),
            fault, saved.reason);
    return std::nullopt;
}

} // namespace orbane::exercises
