#include "config/configformat.h"

#include "config/laterrecords.h"
#include "core/numberformat.h"
#include "core/tables.h"

#include <array>
#include <cmath>

namespace orbane::config {

namespace {

enum class Kind {
    Text,    // the box's text as it stands
    Leading, // the number the text starts with
    Whole,   // the whole text as a number
};

struct Field
{
    int record;
    const char *name;
    Kind kind;
    QString Controls::*text; // Kind::Text
    qint64 min, max;         // numeric kinds
    qint64 (*get)(const Controls &);
    void (*set)(Controls &, qint64);
};

template <int I> qint64 getCheck(const Controls &c)
{
    return c.Check[I] ? 1 : 0;
}
template <int I> void setCheck(Controls &c, qint64 v)
{
    c.Check[I] = v != 0;
}

Field textField(int record, const char *name, QString Controls::*member)
{
    return {record, name, Kind::Text, member, 0, 0, nullptr, nullptr};
}

template <int I> Field checkField()
{
    return {11 + I, "Check", Kind::Leading, nullptr, 0, 1, &getCheck<I>, &setCheck<I>};
}

const std::array<Field, 23> &fields()
{
    static const std::array<Field, 23> table = {
        Field{2, "Combo1", Kind::Leading, nullptr, 0, qint64(places().size()) - 1,
              [](const Controls &c) { return qint64(c.Combo1); },
              [](Controls &c, qint64 v) { c.Combo1 = int(v); }},
        Field{3, "Combo2", Kind::Leading, nullptr, 0, qint64(projectiles().size()) - 1,
              [](const Controls &c) { return qint64(c.Combo2); },
              [](Controls &c, qint64 v) { c.Combo2 = int(v); }},
        textField(4, "Text1", &Controls::Text1),
        textField(5, "Text2", &Controls::Text2),
        textField(6, "Text3", &Controls::Text3),
        textField(7, "Text4", &Controls::Text4),
        Field{8, "VScroll1", Kind::Whole, nullptr, 0, 49,
              [](const Controls &c) { return qint64(c.VScroll1); },
              [](Controls &c, qint64 v) { c.VScroll1 = int(v); }},
        Field{9, "UpDown1", Kind::Whole, nullptr, 1, 20,
              [](const Controls &c) { return qint64(c.UpDown1); },
              [](Controls &c, qint64 v) { c.UpDown1 = int(v); }},
        Field{10, "VScroll3", Kind::Whole, nullptr, 0, 90,
              [](const Controls &c) { return qint64(c.VScroll3); },
              [](Controls &c, qint64 v) { c.VScroll3 = int(v); }},
        textField(11, "chrono", &Controls::chrono),
        checkField<1>(),
        checkField<2>(),
        checkField<3>(),
        checkField<4>(),
        checkField<5>(),
        checkField<6>(),
        checkField<7>(),
        checkField<8>(),
        checkField<9>(),
        checkField<10>(),
        checkField<11>(),
        checkField<12>(),
        Field{24, "speed", Kind::Leading, nullptr, 0, 1,
              [](const Controls &c) { return qint64(c.speed ? 1 : 0); },
              [](Controls &c, qint64 v) { c.speed = v != 0; }},
    };
    return table;
}

QString fieldName(const Field &f)
{
    QString name = QString::fromLatin1(f.name);
    if (name == QLatin1String("Check"))
        name += QString::number(f.record - 11);
    return name;
}

// Half to even, as every integer of the file is rounded; nothing for values no control holds.
std::optional<qint64> roundToInteger(double v)
{
    if (!std::isfinite(v) || std::abs(v) > 1e15)
        return std::nullopt;
    return qint64(std::nearbyint(v));
}

std::optional<qint64> convert(Kind kind, const QString &text)
{
    return kind == Kind::Whole ? wholeInteger(text) : leadingInteger(text);
}

Decoded failure(DecodeError error, int record, const QString &what)
{
    return {std::nullopt, error, QStringLiteral("record %1: %2").arg(record).arg(what)};
}

QString statusText(records::Status status)
{
    return status == records::Status::Missing ? QStringLiteral("missing")
                                              : QStringLiteral("damaged");
}

// One numeric record: present, a number, within [min, max].
std::optional<qint64> readNumber(const QByteArray &image, int record, Kind kind, qint64 min,
                                 qint64 max, const QString &name, Decoded *error)
{
    const records::Record rec = records::decode(image, record);
    if (!rec.ok()) {
        *error = failure(DecodeError::Unreadable, record,
                         name + QLatin1Char(' ') + statusText(rec.status));
        return std::nullopt;
    }
    const auto value = convert(kind, rec.text);
    if (!value) {
        *error =
            failure(DecodeError::Unreadable, record,
                    name + QStringLiteral(" is not a number: \"") + rec.text + QLatin1Char('"'));
        return std::nullopt;
    }
    if (*value < min || *value > max) {
        *error =
            failure(DecodeError::Unreadable, record,
                    name + QStringLiteral(" %1 is out of %2..%3").arg(*value).arg(min).arg(max));
        return std::nullopt;
    }
    return value;
}

} // namespace

qint64 knownSize()
{
    const int last = laterRecords().empty() ? kRecordCount : laterRecords().back().record;
    return qint64(last) * records::kRecordSize;
}

QString spacedDecimal(qint64 n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

quint32 toFileColour(Rgb colour)
{
    const quint32 r = (colour >> 16) & 0xFF, g = (colour >> 8) & 0xFF, b = colour & 0xFF;
    return (b << 16) | (g << 8) | r;
}

Rgb fromFileColour(quint32 value)
{
    const quint32 r = value & 0xFF, g = (value >> 8) & 0xFF, b = (value >> 16) & 0xFF;
    return Rgb((r << 16) | (g << 8) | b);
}

QString fileColourText(Rgb colour) { return spacedDecimal(toFileColour(colour)); }

std::optional<qint64> leadingInteger(const QString &text)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const int start = i;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    int digits = 0;
    auto isDigit = [&](int k) {
        return k < n && text[k] >= QLatin1Char('0') && text[k] <= QLatin1Char('9');
    };
    while (isDigit(i)) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (isDigit(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double v = text.mid(start, i - start).toDouble(&ok);
    return ok ? roundToInteger(v) : std::nullopt;
}

std::optional<qint64> wholeInteger(const QString &text)
{
    const auto v = numfmt::parse(text);
    return v ? roundToInteger(*v) : std::nullopt;
}

Decoded decode(const QByteArray &image, const Controls &base)
{
    const records::Record magic = records::decode(image, 1);
    if (!magic.ok() || magic.text != kMagic)
        return failure(DecodeError::NotConfig, 1, QStringLiteral("not a configuration file"));

    Controls out = base;
    Decoded error;
    for (const Field &f : fields()) {
        if (f.kind == Kind::Text) {
            const records::Record rec = records::decode(image, f.record);
            if (!rec.ok())
                return failure(DecodeError::Unreadable, f.record,
                               fieldName(f) + QLatin1Char(' ') + statusText(rec.status));
            out.*f.text = rec.text;
            continue;
        }
        const auto v = readNumber(image, f.record, f.kind, f.min, f.max, fieldName(f), &error);
        if (!v)
            return error;
        f.set(out, *v);
    }
    for (int i = 0; i < kSwatchCount; ++i) {
        const auto v = readNumber(image, kFirstSwatchRecord + i, Kind::Leading, 0, 0xFFFFFF,
                                  QStringLiteral("Label4(%1)").arg(i), &error);
        if (!v)
            return error;
        out.Label4[i] = fromFileColour(quint32(*v));
    }
    for (const LaterRecord &row : laterRecords())
        readLater(row, records::decode(image, row.record), out);
    return {out, DecodeError::None, {}};
}

std::optional<records::Image> encode(const Controls &controls, QString *detail)
{
    records::Image image;
    auto put = [&](int record, const QString &text, const QString &name) {
        if (image.set(record, text))
            return true;
        if (detail)
            *detail =
                QStringLiteral("record %1: %2 does not fit in a record").arg(record).arg(name);
        return false;
    };
    if (!put(1, kMagic, QStringLiteral("magic")))
        return std::nullopt;
    for (const Field &f : fields()) {
        const QString text =
            f.kind == Kind::Text ? controls.*f.text : spacedDecimal(f.get(controls));
        if (!put(f.record, text, fieldName(f)))
            return std::nullopt;
    }
    for (int i = 0; i < kSwatchCount; ++i) {
        if (!put(kFirstSwatchRecord + i, fileColourText(controls.Label4[i]),
                 QStringLiteral("Label4(%1)").arg(i)))
            return std::nullopt;
    }
    for (const auto &[record, text] : laterTexts(laterRecords(), controls)) {
        if (!put(record, text, QStringLiteral("later option")))
            return std::nullopt;
    }
    return image;
}

} // namespace orbane::config
