#include "exercises/exercisefile.h"

#include "core/recordfile.h"
#include "core/regularfile.h"
#include "exercises/rulesrecords.h"

#include <limits>

namespace orbane::exercises {

bool ExerciseFile::corrected() const
{
    return !correction.trimmed().isEmpty() || !correctionConfiguration.trimmed().isEmpty();
}

int leadingNumber(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    const bool negative = i < t.size() && t[i] == QLatin1Char('-');
    if (negative || (i < t.size() && t[i] == QLatin1Char('+')))
        ++i;
    qint64 value = 0;
    for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 0x80; ++i)
        value = qMin<qint64>(value * 10 + t[i].digitValue(), std::numeric_limits<int>::max());
    return int(negative ? -value : value);
}

namespace {

// What a record holds, for the message of one that does not fit.
QString fieldOf(int record)
{
    switch (record) {
    case ExerciseFile::Statement:
        return QStringLiteral("le nom du texte de l'énoncé");
    case ExerciseFile::Configuration:
        return QStringLiteral("le nom de la configuration de l'énoncé");
    case ExerciseFile::Correction:
        return QStringLiteral("le nom du texte de la correction");
    case ExerciseFile::CorrectionConfiguration:
        return QStringLiteral("le nom de la configuration de la correction");
    case ExerciseFile::Title:
        return QStringLiteral("le titre");
    default:
        return QStringLiteral("la notion %1").arg(record - ExerciseFile::Notions1 + 1);
    }
}

bool refuse(QString *cause, const QString &why)
{
    if (cause)
        *cause = why;
    return false;
}

} // namespace

std::optional<ExerciseFile> parseExercise(const QByteArray &image, QString *cause)
{
    QString rec[ExerciseFile::kRecords + 1];
    for (int n = 1; n <= ExerciseFile::kRecords; ++n) {
        const records::Record r = records::decode(image, n);
        if (r.status == records::Status::Corrupt) {
            refuse(cause, QStringLiteral("l'enregistrement %1 est endommagé").arg(n));
            return std::nullopt;
        }
        rec[n] = r.text; // a missing record is blank
    }
    const std::optional<ExerciseRules> rules = decodeRules(image, cause);
    if (!rules)
        return std::nullopt;
    ExerciseFile e;
    e.statement = rec[ExerciseFile::Statement];
    e.configuration = rec[ExerciseFile::Configuration];
    e.correction = rec[ExerciseFile::Correction];
    e.correctionConfiguration = rec[ExerciseFile::CorrectionConfiguration];
    e.level = leadingNumber(rec[ExerciseFile::Level]);
    for (int n = ExerciseFile::Notions1; n <= ExerciseFile::Notions4; ++n)
        if (!rec[n].trimmed().isEmpty())
            e.notions << rec[n];
    e.title = rec[ExerciseFile::Title].trimmed();
    e.rules = *rules;
    return e;
}

std::optional<ExerciseFile> readExercise(const QString &path, QString *refusal)
{
    const files::ReadResult file =
        files::readStart(path, qint64(kLastRulesRecord) * records::kRecordSize);
    if (!file.ok())
        return std::nullopt;
    QString cause;
    std::optional<ExerciseFile> exercise = parseExercise(file.data, &cause);
    if (!exercise)
        refuse(refusal, QStringLiteral("Le fichier %1 ne peut pas être lu comme un exercice : %2.")
                            .arg(path, cause));
    return exercise;
}

std::optional<QByteArray> buildExercise(const ExerciseFile &e, QString *cause)
{
    records::Image image;
    QString rec[ExerciseFile::kRecords + 1];
    rec[ExerciseFile::Statement] = e.statement;
    rec[ExerciseFile::Configuration] = e.configuration;
    rec[ExerciseFile::Correction] = e.correction;
    rec[ExerciseFile::CorrectionConfiguration] = e.correctionConfiguration;
    rec[ExerciseFile::Level] = QString::number(e.level);
    for (int i = 0; i < 4 && i < e.notions.size(); ++i)
        rec[ExerciseFile::Notions1 + i] = e.notions[i];
    rec[ExerciseFile::Title] = e.title;
    if (e.notions.size() > 4) {
        refuse(cause, QStringLiteral("l'exercice a plus de 4 lignes de notions"));
        return std::nullopt;
    }
    for (int n = 1; n <= ExerciseFile::kRecords; ++n)
        if (!setRecord(image, n, rec[n], fieldOf(n), cause))
            return std::nullopt;
    if (!encodeRules(e.rules, image, cause))
        return std::nullopt;
    return image.bytes();
}

} // namespace orbane::exercises
