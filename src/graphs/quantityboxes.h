#pragma once

#include "graphs/quantities.h"

#include <QPoint>
#include <QRect>
#include <array>
#include <functional>

class QCheckBox;
class QPainter;
class QWidget;

namespace orbane::graphs {

// The boxes of a choice of quantities: the live graph's choice panel and the graph
// window's tool bar.
using QuantityBoxes = std::array<QCheckBox *, kQuantities>;

// A control array `name` of boxes, each named for screen readers by its quantity's legend and
// placed at `geometry(index)`; `toggled(index, on)` hears every change.
QuantityBoxes makeQuantityBoxes(QWidget *parent, const QString &name,
                                const std::function<QRect(int)> &geometry,
                                const std::function<void(int, bool)> &toggled);

// The box of W(f) is shown for a flight in the air only.
void showDragWork(const QuantityBoxes &boxes, bool air);
// Writes each shown box's legend in `size` points, `offset` away from the pixel right of the
// box's top-right corner.
void writeLegends(QPainter &p, const QuantityBoxes &boxes, qreal size, QPoint offset);

} // namespace orbane::graphs
