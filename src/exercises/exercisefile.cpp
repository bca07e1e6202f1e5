#include "exercises/exercisefile.h"

#include "core/recordfile.h"
#include "core/regularfile.h"

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

std::optional<ExerciseFile> parseExercise(const QByteArray &image)
{
    QString rec[ExerciseFile::kRecords + 1];
    for (int n = 1; n <= ExerciseFile::kRecords; ++n) {
        const records::Record r = records::decode(image, n);
        if (r.status == records::Status::Corrupt)
            return std::nullopt;
        rec[n] = r.text; // a missing record is blank
    }
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
    return e;
}

std::optional<ExerciseFile> readExercise(const QString &path)
{
    const files::ReadResult file =
        files::readStart(path, qint64(ExerciseFile::kRecords) * records::kRecordSize);
    if (!file.ok())
        return std::nullopt;
    return parseExercise(file.data);
}

std::optional<QByteArray> buildExercise(const ExerciseFile &e)
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
    if (e.notions.size() > 4)
        return std::nullopt;
    for (int n = 1; n <= ExerciseFile::kRecords; ++n)
        if (!image.set(n, rec[n]))
            return std::nullopt;
    return image.bytes();
}

} // namespace orbane::exercises
