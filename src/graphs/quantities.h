#pragma once

#include "core/quantities.h"

#include <QColor>
#include <QString>
#include <array>

// The quantities as the graphs show them, derived from the one table of the core.
namespace orbane::graphs {

using orbane::Flight;
using orbane::kQuantities;
using Choice = QuantityChoice;
using orbane::applyGroupRule;
using Group = QuantityGroup;

Group groupOf(int index);

// Value of quantity `index` at time t.
double value(int index, const Flight &f, double t);
// Value used when searching the ranges: a group may be bounded by one of its quantities.
double sampledValue(int index, const Flight &f, double t);

QColor colour(int index);

// A label with an optional lowered index: "v" "x" "(t)", or "x(t)" "" "".
struct Legend
{
    QString letter, index, rest;
};
Legend legend(int index);

// The unit written after the value scale: " m", " m · s" with exponent "-1", or " J".
struct Unit
{
    QString text, exponent;
};
Unit unitOf(const Choice &choice);
Unit groupUnit(Group group);

// In one piece of plain text, as the table's header reads: the symbol "x", "vx", "Ec", "W(f)"
// and the unit "m", "m.s⁻¹", "J", its exponent raised.
QString symbol(int index);
QString unitText(int index);

bool anyChecked(const Choice &choice);

} // namespace orbane::graphs
