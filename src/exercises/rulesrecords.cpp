#include "exercises/rulesrecords.h"

#include "core/cp1252.h"
#include "core/numberformat.h"

#include <QStringDecoder>
#include <QStringList>
#include <cmath>

namespace orbane::exercises {

namespace {

constexpr int kFreeRecord = kRulesMarkerRecord + 1;
constexpr int kHiddenRecord = kRulesMarkerRecord + 2;
const QChar kSeparator = QLatin1Char(';'); // the numbers carry a decimal comma

int textRecord(int question)
{
    return kHiddenRecord + 1 + 2 * question;
}
int answerRecord(int question)
{
    return textRecord(question) + 1;
}

// These records hold UTF-8 ("m.s⁻²"). Code page 1252 decodes every byte to one character and
// encodes that character back to the same byte, so the record's bytes pass through its text.
QString utf8Record(const QString &text)
{
    return cp1252::decode(text.toUtf8());
}

std::optional<QString> fromUtf8Record(const QString &record)
{
    // A byte-order mark is kept as a character, so that the text is the bytes it came from.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    const QString text = utf8.decode(cp1252::encode(record));
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

template <std::size_t N> QString flagsText(const std::array<bool, N> &flags)
{
    QString text;
    for (bool on : flags)
        text += on ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

template <std::size_t N> bool readFlags(QStringView text, std::array<bool, N> &flags)
{
    if (std::size_t(text.size()) != N)
        return false;
    for (std::size_t i = 0; i < N; ++i) {
        if (text[i] != QLatin1Char('0') && text[i] != QLatin1Char('1'))
            return false;
        flags[i] = text[i] == QLatin1Char('1');
    }
    return true;
}

// A count in plain digits.
std::optional<int> countIn(const QString &text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return text.toInt();
}

bool refuse(QString *cause, const QString &why)
{
    if (cause)
        *cause = why;
    return false;
}

class RulesReader
{
public:
    RulesReader(const QByteArray &image, QString *cause) : m_image(image), m_cause(cause) {}

    bool flags(ExerciseRules &rules, int *count);
    bool question(int q, Question &question);

private:
    bool record(int n, QString *text, const QString &what);
    bool refuse(const QString &why) { return exercises::refuse(m_cause, why); }

    const QByteArray &m_image;
    QString *m_cause;
};

// Record n, which must be there and whole.
bool RulesReader::record(int n, QString *text, const QString &what)
{
    const records::Record r = records::decode(m_image, n);
    if (r.status == records::Status::Missing)
        return refuse(QStringLiteral("%1 manque (enregistrement %2)").arg(what).arg(n));
    if (!r.ok())
        return refuse(QStringLiteral("l'enregistrement %1 est endommagé").arg(n));
    *text = r.text;
    return true;
}

bool RulesReader::flags(ExerciseRules &rules, int *count)
{
    QString free, hidden;
    if (!record(kFreeRecord, &free, QStringLiteral("la liste des réglages laissés libres")) ||
        !record(kHiddenRecord, &hidden, QStringLiteral("la liste des valeurs cachées")))
        return false;
    if (!readFlags(QStringView(free), rules.free))
        return refuse(QStringLiteral("la liste des réglages laissés libres (enregistrement %1) "
                                     "n'est pas faite de %2 chiffres 0 ou 1")
                          .arg(kFreeRecord)
                          .arg(kSettings));
    const QStringList parts = hidden.split(kSeparator);
    std::array<bool, 1> reveal{};
    const std::optional<int> questions = parts.size() == 3 ? countIn(parts[2]) : std::nullopt;
    if (!questions || !readFlags(QStringView(parts[0]), rules.hidden) ||
        !readFlags(QStringView(parts[1]), reveal))
        return refuse(
            QStringLiteral("la liste des valeurs cachées (enregistrement %1) est mal formée")
                .arg(kHiddenRecord));
    rules.revealAfterTries = reveal[0];
    *count = *questions;
    if (*count > kMaxQuestions)
        return refuse(QStringLiteral("le nombre de questions (%1) dépasse %2")
                          .arg(*count)
                          .arg(kMaxQuestions));
    return true;
}

bool RulesReader::question(int q, Question &question)
{
    const int shown = q + 1;
    QString text, answer;
    if (!record(textRecord(q), &text, QStringLiteral("le texte de la question %1").arg(shown)) ||
        !record(answerRecord(q), &answer,
                QStringLiteral("la réponse de la question %1").arg(shown)))
        return false;
    const auto decodedText = fromUtf8Record(text);
    const auto decodedAnswer = fromUtf8Record(answer);
    if (!decodedText || !decodedAnswer)
        return refuse(QStringLiteral("la question %1 n'est pas écrite en UTF-8").arg(shown));
    const QStringList parts = decodedAnswer->split(kSeparator);
    if (parts.size() < 3)
        return refuse(QStringLiteral("la réponse de la question %1 n'a pas la forme "
                                     "« valeur;tolérance;unité »")
                          .arg(shown));
    const auto expected = numfmt::parse(parts[0]);
    const auto tolerance = numfmt::parse(parts[1]);
    if (!expected)
        return refuse(
            QStringLiteral("la valeur attendue de la question %1 n'est pas un nombre (« %2 »)")
                .arg(shown)
                .arg(parts[0]));
    if (!tolerance || *tolerance < 0)
        return refuse(
            QStringLiteral(
                "la tolérance de la question %1 n'est pas un nombre positif ou nul (« %2 »)")
                .arg(shown)
                .arg(parts[1]));
    question.text = *decodedText;
    question.expected = *expected;
    question.tolerance = *tolerance;
    question.unit = decodedAnswer->section(kSeparator, 2); // a unit may hold the separator
    return true;
}

QString markerRecord()
{
    return kRulesMarker + QLatin1Char(' ') + QString::number(kRulesVersion);
}

// What a file without rules reads as.
bool defaultRules(const ExerciseRules &rules)
{
    return rules.plain() && !rules.revealAfterTries;
}

bool encodeQuestion(const Question &question, int q, records::Image &image, QString *cause)
{
    const int shown = q + 1;
    if (!std::isfinite(question.expected))
        return refuse(
            cause,
            QStringLiteral("la valeur attendue de la question %1 n'est pas un nombre").arg(shown));
    if (!std::isfinite(question.tolerance) || question.tolerance < 0)
        return refuse(
            cause,
            QStringLiteral("la tolérance de la question %1 n'est pas un nombre positif ou nul")
                .arg(shown));
    const QString answer = numfmt::general(question.expected) + kSeparator +
                           numfmt::general(question.tolerance) + kSeparator + question.unit;
    return setRecord(image, textRecord(q), utf8Record(question.text),
                     QStringLiteral("le texte de la question %1").arg(shown), cause) &&
           setRecord(image, answerRecord(q), utf8Record(answer),
                     QStringLiteral("l'unité de la question %1").arg(shown), cause);
}

} // namespace

std::optional<ExerciseRules> decodeRules(const QByteArray &image, QString *cause)
{
    // Anything but the marker after the title is not ours: a plain exercise.
    const records::Record marker = records::decode(image, kRulesMarkerRecord);
    if (!marker.ok() || !marker.text.startsWith(kRulesMarker))
        return ExerciseRules{};
    if (marker.text != markerRecord()) {
        refuse(cause, QStringLiteral(
                          "ses règles sont d'une version que ce logiciel ne connaît pas (« %1 »)")
                          .arg(marker.text.mid(kRulesMarker.size()).trimmed()));
        return std::nullopt;
    }
    RulesReader reader(image, cause);
    ExerciseRules rules;
    int count = 0;
    if (!reader.flags(rules, &count))
        return std::nullopt;
    rules.questions.resize(std::size_t(count));
    for (int q = 0; q < count; ++q)
        if (!reader.question(q, rules.questions[std::size_t(q)]))
            return std::nullopt;
    return rules;
}

bool setRecord(records::Image &image, int n, const QString &text, const QString &what,
               QString *cause)
{
    return image.set(n, text) ||
           refuse(cause, QStringLiteral("%1 ne tient pas dans le fichier d'exercice").arg(what));
}

bool encodeRules(const ExerciseRules &rules, records::Image &image, QString *cause)
{
    if (defaultRules(rules))
        return true;
    const int count = int(rules.questions.size());
    if (count > kMaxQuestions)
        return refuse(cause,
                      QStringLiteral("l'exercice a plus de %1 questions").arg(kMaxQuestions));
    const QString hidden = flagsText(rules.hidden) + kSeparator +
                           (rules.revealAfterTries ? QLatin1Char('1') : QLatin1Char('0')) +
                           kSeparator + QString::number(count);
    if (!image.set(kRulesMarkerRecord, markerRecord()) ||
        !image.set(kFreeRecord, flagsText(rules.free)) || !image.set(kHiddenRecord, hidden))
        return false; // short texts of our own: they always fit
    for (int q = 0; q < count; ++q)
        if (!encodeQuestion(rules.questions[std::size_t(q)], q, image, cause))
            return false;
    return true;
}

} // namespace orbane::exercises
