#pragma once

#include "core/flight.h"

#include <QString>
#include <vector>

// Tables of values for spreadsheets and data-modelling software: tab-separated columns with
// plain ASCII names, one line per instant.
namespace orbane::exporttable {

enum class Separator { Comma, Point };

using orbane::Flight;

struct PhotoPosition
{
    double t, x, y; // s, m (centre of the projectile)
};

// A number with `decimals` decimals and the chosen separator; never "-0.0000".
QString number(double value, int decimals, Separator separator);

// t and every quantity (x y vx vy v Ec Ep Em) from t = 0 to the end of the flight, every `step`
// seconds, the last line exactly at the end of the flight.
QString flightTable(const Flight &flight, double step, Separator separator,
                    const QString &eol = QStringLiteral("\r\n"));
// t x y of each chronophotograph.
QString photoTable(const std::vector<PhotoPosition> &photos, Separator separator,
                   const QString &eol = QStringLiteral("\r\n"));

} // namespace orbane::exporttable
