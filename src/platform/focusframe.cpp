#include "platform/focusframe.h"

#include <QPainter>
#include <QPen>

namespace orbane {

void drawFocusFrame(QPainter &p, const QRect &rect)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    p.restore();
}

} // namespace orbane
