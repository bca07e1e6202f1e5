#pragma once

#include "core/flight.h"
#include "core/rgb.h"

#include <array>

namespace orbane {

// The quantities plotted against time and exported, each described once: everything the
// graphs, their choice boxes, the table of values and the exports show of it derives from here.
enum class QuantityGroup { Position, Velocity, Energy };

struct QuantityGroupInfo
{
    const char *title;     // heading of its row in the live graph's choice panel
    const char *unit;      // written after a value: " m", " m · s", " J"
    const char *exponent;  // raised after the unit, or ""
    int scaledBy;          // quantity whose values bound the group's scale, or -1: each its own
    const char *plainUnit; // as the export window writes it: "m", "m/s", "J"
};

struct Quantity
{
    const char *column; // name of its column in exported tables (plain ASCII)
    const char *letter; // its symbol: a letter and an index written lowered ("v", "x")
    const char *index;
    QuantityGroup group;
    Rgb colour;
    int choiceColumn; // column of its box in the choice panel; the row is its group's
    double (Flight::*value)(double) const;
    const char *argument = "(t)"; // written after the symbol in a legend
};

inline constexpr std::array<QuantityGroupInfo, 3> kQuantityGroups = {{
    {"Position", " m", "", -1, "m"},
    {"Vitesse", " m · s", "-1", -1, "m/s"},
    {"Énergie", " J", "", 7, "J"}, // Em bounds Ec and Ep, W(f) its own
}};

inline constexpr Rgb kCurveBlue = rgb(0, 0, 255), kCurveRed = rgb(255, 0, 0),
                     kCurveGreen = rgb(0, 128, 0);

inline constexpr Rgb kCurveOrange = rgb(255, 128, 0);

inline constexpr std::array<Quantity, 9> kQuantityTable = {{
    {"x", "x", "", QuantityGroup::Position, kCurveBlue, 0, &Flight::x},
    {"y", "y", "", QuantityGroup::Position, kCurveRed, 1, &Flight::y},
    {"vx", "v", "x", QuantityGroup::Velocity, kCurveBlue, 1, &Flight::vx},
    {"vy", "v", "y", QuantityGroup::Velocity, kCurveRed, 2, &Flight::vy},
    {"v", "v", "", QuantityGroup::Velocity, kCurveGreen, 0, &Flight::speed},
    {"Ec", "E", "c", QuantityGroup::Energy, kCurveBlue, 0, &Flight::kinetic},
    {"Ep", "E", "p", QuantityGroup::Energy, kCurveRed, 1, &Flight::potential},
    {"Em", "E", "m", QuantityGroup::Energy, kCurveGreen, 2, &Flight::mechanical},
    // Only in the air: beside Em, so that Em(t) - Em(0) = W(f) is read on the graph.
    {"Wf", "W(f)", "", QuantityGroup::Energy, kCurveOrange, 2, &Flight::dragWork, ""},
}};

// The work of the drag: shown, chosen and exported only for a flight in the air, and scaled by
// its own values, which are negative.
inline constexpr int kDragWork = 8;
inline bool quantityShown(int index, const Flight &flight)
{
    return index != kDragWork || flight.air != nullptr;
}

inline constexpr int kQuantities = int(kQuantityTable.size());

inline const QuantityGroupInfo &groupInfo(QuantityGroup group)
{
    return kQuantityGroups[std::size_t(group)];
}

// Value of quantity `index` for a flight at time t.
inline double quantityValue(int index, const Flight &flight, double t)
{
    return (flight.*kQuantityTable[std::size_t(index)].value)(t);
}

// Which quantities are chosen, by index.
using QuantityChoice = std::array<bool, kQuantities>;

// One group at a time: checking a box unchecks the boxes of the other groups.
void applyGroupRule(QuantityChoice &choice, int clicked);

// The largest number of quantities of one group, which may be shown together.
constexpr int largestGroup()
{
    int largest = 0;
    for (std::size_t g = 0; g < kQuantityGroups.size(); ++g) {
        int n = 0;
        for (const Quantity &q : kQuantityTable)
            n += std::size_t(q.group) == g ? 1 : 0;
        largest = n > largest ? n : largest;
    }
    return largest;
}

} // namespace orbane
