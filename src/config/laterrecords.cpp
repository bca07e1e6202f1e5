#include "config/laterrecords.h"

#include "config/configformat.h"

#include <algorithm>
#include <optional>

namespace orbane::config {

namespace {

// One pair per encoding: the value as its record's text, and back (nothing when unreadable).
QString flagText(bool on)
{
    return spacedDecimal(on ? 1 : 0);
}

std::optional<bool> flagValue(const QString &text)
{
    const auto n = leadingInteger(text);
    return n == 0 || n == 1 ? std::optional<bool>(n == 1) : std::nullopt;
}

std::optional<Rgb> colourValue(const QString &text)
{
    const auto n = leadingInteger(text);
    return n && *n >= 0 && *n <= 0xFFFFFF ? std::optional<Rgb>(fromFileColour(quint32(*n)))
                                          : std::nullopt;
}

Rgb &secondLawColour(Controls &c) { return c.secondLawColour; }
constexpr int kSecondLawColourRecord = 35;
Rgb &dragForceColour(Controls &c) { return c.dragForceColour; }
constexpr int kDragForceColourRecord = kDragForceRecord + 1;
bool &drag(Controls &c) { return c.drag; }
bool &dragLinear(Controls &c) { return c.dragLinear; }

// The air's law, past its option's record.
void addDragLaw(std::vector<LaterRecord> &later)
{
    later.emplace_back(kDragRecord + 1, &dragLinear, &drag);
    int n = kDragRecord + 2;
    for (QString Controls::*text : {&Controls::dragK, &Controls::dragCx, &Controls::dragRho})
        later.emplace_back(n++, text, &drag);
}

const Rgb &colourOf(const LaterRecord &row, const Controls &c)
{
    return row.colour(const_cast<Controls &>(c));
}

bool atAbsent(const LaterRecord &row, const Controls &c)
{
    if (!row.counts(c))
        return true;
    switch (row.encoding) {
    case LaterRecord::Encoding::Flag:
        return flagOf(row.flag, c) == row.absentFlag;
    case LaterRecord::Encoding::Colour:
        return colourOf(row, c) == row.absentColour;
    case LaterRecord::Encoding::Text:
        return (c.*row.text).isEmpty();
    }
    return true;
}

} // namespace

const std::vector<LaterRecord> &laterRecords()
{
    static const std::vector<LaterRecord> rows = [] {
        std::vector<LaterRecord> later;
        for (const Option &o : options())
            if (o.record > kRecordCount)
                later.emplace_back(o);
        later.emplace_back(kSecondLawColourRecord, &secondLawColour, Controls::kSecondLawColour);
        later.emplace_back(kDragForceColourRecord, &dragForceColour, Controls::kDragForceColour);
        addDragLaw(later);
        std::sort(later.begin(), later.end(),
                  [](const LaterRecord &a, const LaterRecord &b) { return a.record < b.record; });
        return later;
    }();
    return rows;
}

QString laterText(const LaterRecord &row, const Controls &c)
{
    switch (row.encoding) {
    case LaterRecord::Encoding::Flag:
        return flagText(flagOf(row.flag, c));
    case LaterRecord::Encoding::Colour:
        return fileColourText(colourOf(row, c));
    case LaterRecord::Encoding::Text:
        return c.*row.text;
    }
    return {};
}

void readLater(const LaterRecord &row, const records::Record &rec, Controls &c)
{
    switch (row.encoding) {
    case LaterRecord::Encoding::Flag:
        row.flag(c) = (rec.ok() ? flagValue(rec.text) : std::nullopt).value_or(row.absentFlag);
        return;
    case LaterRecord::Encoding::Colour:
        row.colour(c) =
            (rec.ok() ? colourValue(rec.text) : std::nullopt).value_or(row.absentColour);
        return;
    case LaterRecord::Encoding::Text:
        c.*row.text = rec.ok() ? rec.text : QString();
        return;
    }
}

std::vector<std::pair<int, QString>> laterTexts(const std::vector<LaterRecord> &rows,
                                                const Controls &c)
{
    int last = 0;
    for (const LaterRecord &row : rows)
        if (!atAbsent(row, c))
            last = row.record;
    std::vector<std::pair<int, QString>> out;
    for (const LaterRecord &row : rows)
        if (row.record <= last)
            out.emplace_back(row.record, laterText(row, c));
    return out;
}

} // namespace orbane::config
