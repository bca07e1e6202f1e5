#pragma once

#include "core/controls.h"
#include "core/options.h"
#include "core/recordfile.h"
#include "core/rgb.h"

#include <QString>
#include <utility>
#include <vector>

// Options added after the first layout live past the swatches, one record each. A file whose
// later options all hold their value when absent ends at the swatches, as older versions write
// it; a file written before an option existed loads with the option at that value.
namespace orbane::config {

struct LaterRecord
{
    enum class Encoding {
        Flag,   // " 1" on, " 0" off
        Colour, // as the swatches: " 16711935", 0x00BBGGRR in spaced decimal
        Text,   // as typed, as the parameter boxes
    };
    using ColourField = Rgb &(*)(Controls &);
    using TextField = QString Controls::*;

    LaterRecord(int number, FlagField field, bool whenAbsent = false)
        : record(number), encoding(Encoding::Flag), flag(field), absentFlag(whenAbsent)
    {
    }
    LaterRecord(int number, ColourField field, Rgb whenAbsent)
        : record(number), encoding(Encoding::Colour), colour(field), absentColour(whenAbsent)
    {
    }
    // A flag or a text that counts only with the option `gate` on: absent with it off, so a
    // file without that option keeps the older layout. A text is absent when empty.
    LaterRecord(int number, FlagField field, FlagField gate)
        : record(number), encoding(Encoding::Flag), flag(field), onlyWith(gate)
    {
    }
    LaterRecord(int number, TextField field, FlagField gate)
        : record(number), encoding(Encoding::Text), text(field), onlyWith(gate)
    {
    }
    // An option of the panels saved in its own record, off when absent.
    explicit LaterRecord(const Option &option) : LaterRecord(option.record, option.field) {}

    int record;
    Encoding encoding;
    FlagField flag = nullptr; // Encoding::Flag
    bool absentFlag = false;  // the flag when its record is missing or unreadable
    ColourField colour = nullptr; // Encoding::Colour
    Rgb absentColour = 0;
    TextField text = nullptr; // Encoding::Text
    FlagField onlyWith = nullptr;

    bool counts(const Controls &c) const { return !onlyWith || flagOf(onlyWith, c); }
};

// The later records this version knows, in record order: the options of the panels and the
// colours of m·Δv/Δt and f, saved past the swatches.
const std::vector<LaterRecord> &laterRecords();

// The row's value in the controls as its record's text.
QString laterText(const LaterRecord &row, const Controls &c);
// Sets the row's value from its record; a missing or unreadable record gives the absent value.
void readLater(const LaterRecord &row, const records::Record &rec, Controls &c);

// The records to write, as (record, text): every row up to the last one whose value is not its
// absent value. The rows before it are written too, with their absent values, so that each
// record stays at its number.
std::vector<std::pair<int, QString>> laterTexts(const std::vector<LaterRecord> &rows,
                                                const Controls &c);

} // namespace orbane::config
