#include "scene/canvas.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace orbane {

static const QColor kSurfaceGrey(224, 224, 224);

Canvas::Canvas(int width, int height)
    : m_persistent(width, height, QImage::Format_RGB32),
      m_transient(width, height, QImage::Format_ARGB32_Premultiplied)
{
    m_persistent.fill(kSurfaceGrey);
    m_transient.fill(Qt::transparent);
}

void Canvas::replacePersistent(const QImage &picture)
{
    m_persistent.fill(kSurfaceGrey);
    QPainter p(&m_persistent);
    p.drawImage(QPoint(0, 0), picture);
}

void Canvas::clear()
{
    if (m_dirty.isEmpty())
        return;
    QPainter p(&m_transient);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(m_dirty, Qt::transparent);
    m_dirty = QRect();
}

void Canvas::commit()
{
    if (m_dirty.isEmpty())
        return;
    QPainter p(&m_persistent);
    p.drawImage(m_dirty.topLeft(), m_transient, m_dirty);
}

void Canvas::touch(const QRect &r)
{
    m_dirty = m_dirty.united(r.intersected(m_transient.rect()));
}

void Canvas::line(double x1, double y1, double x2, double y2, const QColor &colour)
{
    QPainter p(&m_transient);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(colour, m_penWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (m_penStyle == PenStyle::Dot && m_penWidth == 1) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({1.0, 1.0});
    }
    p.setPen(pen);
    const QPoint a(int(std::lround(x1)), int(std::lround(y1)));
    const QPoint b(int(std::lround(x2)), int(std::lround(y2)));
    p.drawLine(a, b);
    const int m = m_penWidth + 1;
    touch(QRect(a, b).normalized().adjusted(-m, -m, m, m));
}

void Canvas::paintPicture(const QPoint &topLeft, const QImage &picture)
{
    QPainter p(&m_transient);
    p.drawImage(topLeft, picture);
    touch(QRect(topLeft, picture.size()));
}

QImage Canvas::composed() const
{
    QImage out = m_persistent;
    if (!m_dirty.isEmpty()) {
        QPainter p(&out);
        p.drawImage(m_dirty.topLeft(), m_transient, m_dirty);
    }
    return out;
}

} // namespace orbane
