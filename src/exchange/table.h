#pragma once

#include <QString>
#include <optional>
#include <vector>

// A table of values for spreadsheets and data-modelling software, before it is written in
// any format: its columns, described once for the file and for the export window, and its rows.
namespace orbane::exchange {

struct Column
{
    QString name{};   // in the file's header line, plain ASCII: "vx", "dvx"
    QString unit{};   // SI, as the window writes it: "m/s"
    QString symbol{}; // as the window writes it: "vx", "Δvx"
    // The window lists the columns of one quantity together, "vx, vy et v (m/s)", and says
    // after their unit what they are of ("des points"), if `of` is set.
    QString quantity{};
    QString of{};
    int decimals = 4;
};

// One cell per column; a cell that cannot be computed is empty.
using Row = std::vector<std::optional<double>>;

struct Table
{
    std::vector<Column> columns{};
    std::vector<Row> rows{};
    QString note{}; // what the window adds after the columns, if anything
};

// What the window says the columns are: "t (s), x et y (m) des points, m·Δv/Δt (N) ; <note>".
QString describe(const Table &table);

} // namespace orbane::exchange
