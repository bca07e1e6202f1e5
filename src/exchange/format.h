#pragma once

#include "exchange/table.h"

#include <QString>
#include <vector>

// How a table is written for other software.
namespace orbane::exchange {

enum class Decimal { Comma, Point };

struct Format
{
    QChar separator = u'\t'; // between cells: a tab, or ';' for a French spreadsheet
    Decimal decimal = Decimal::Comma;
    QString eol = QStringLiteral("\r\n");
};

// A number with `decimals` decimals and the chosen decimal mark; never "-0.0000".
QString number(double value, int decimals, Decimal decimal);

// One header line of the columns' names, then one line per row, the cells separated as the
// format says; an empty cell is written as nothing. No line of units: data-modelling software
// would read it as data.
QString writeDelimited(const Table &table, const Format &format);
// The same with a second header line of the columns' units, for a spreadsheet, where a person
// reads the file.
QString writeWithUnits(const Table &table, const Format &format);

using Writer = QString (*)(const Table &, const Format &);

// A format the export window offers: its choice in the window and the writer that applies it.
struct FormatEntry
{
    QString objectName;
    QString caption;
    QString columnsSeparated; // how the window introduces the columns
    Format format;
    Writer write = writeDelimited;
    QString suffix = QStringLiteral(".txt"); // of the file name the save window suggests
    QString filter;                          // the save window's, "Label (*.txt)"
};

// In the window's order; the first is the default.
const std::vector<FormatEntry> &formats();

} // namespace orbane::exchange
