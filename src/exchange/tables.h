#pragma once

#include "core/exporttable.h"
#include "core/flight.h"
#include "exchange/table.h"

#include <vector>

// The program's tables for other software.
namespace orbane::exchange {

using exporttable::PhotoPosition;

// The columns the tables share: the time t (s), and a position x or y (m) of what `of` says.
Column timeColumn();
Column positionColumn(const QString &axis, const QString &of);

// t and every quantity (x y vx vy v Ec Ep Em) from t = 0 to the end of the flight, every `step`
// seconds, the last line exactly at the end of the flight.
Table flightTable(const Flight &flight, double step);
// t x y of each chronophotograph.
Table photoTable(const std::vector<PhotoPosition> &photos);

} // namespace orbane::exchange
