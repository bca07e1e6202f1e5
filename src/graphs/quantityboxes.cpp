#include "graphs/quantityboxes.h"

#include "graphs/textpen.h"

#include <QCheckBox>

namespace orbane::graphs {

QuantityBoxes makeQuantityBoxes(QWidget *parent, const QString &name,
                                const std::function<QRect(int)> &geometry,
                                const std::function<void(int, bool)> &toggled)
{
    QuantityBoxes boxes{};
    for (int i = 0; i < kQuantities; ++i) {
        auto *box = new QCheckBox(parent);
        box->setObjectName(name);
        box->setProperty("index", i);
        const Legend l = legend(i);
        box->setAccessibleName(l.letter + l.index + l.rest);
        box->setGeometry(geometry(i));
        box->setHidden(i == kDragWork); // until a flight in the air
        QObject::connect(box, &QCheckBox::toggled, parent,
                         [toggled, i](bool on) { toggled(i, on); });
        boxes[std::size_t(i)] = box;
    }
    return boxes;
}

void writeLegends(QPainter &p, const QuantityBoxes &boxes, qreal size, QPoint offset)
{
    TextPen pen(p, 0);
    for (int i = 0; i < kQuantities; ++i) {
        if (boxes[std::size_t(i)]->isHidden())
            continue;
        const QPoint at = boxes[std::size_t(i)]->geometry().topRight() + QPoint(1, 0) + offset;
        pen.x = at.x();
        pen.y = at.y();
        pen.setPointSize(size);
        pen.writeLegend(legend(i), size, 7);
    }
}

void showDragWork(const QuantityBoxes &boxes, bool air)
{
    QCheckBox *box = boxes[std::size_t(kDragWork)];
    if (box->isHidden() != air)
        return;
    box->setVisible(air);
    box->parentWidget()->update(); // its legend
}

} // namespace orbane::graphs
