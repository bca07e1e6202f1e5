#include "scene/scaledview.h"

#include "scene/canvas.h"

#include <QPainter>
#include <cmath>

namespace orbane {

namespace {
// Aliased, as the canvas draws: each scene pixel covers whole device pixels.
void setSceneHints(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
}
} // namespace

void ScaledView::catchUp(qreal ratio)
{
    const bool stale = ratio != m_ratio || m_generation != m_canvas.persistentGeneration() ||
                       m_replayed > m_canvas.committedStrokes();
    if (!stale && m_replayed == m_canvas.committedStrokes())
        return;
    if (stale) {
        m_persistent = QImage(int(std::ceil(m_canvas.width() * ratio)),
                              int(std::ceil(m_canvas.height() * ratio)), QImage::Format_RGB32);
        m_persistent.setDevicePixelRatio(ratio);
        m_ratio = ratio;
        m_generation = m_canvas.persistentGeneration();
        m_replayed = 0;
    }
    QPainter p(&m_persistent);
    setSceneHints(p);
    p.setClipRect(QRect(0, 0, m_canvas.width(), m_canvas.height()));
    m_canvas.paintPersistentScaled(p, m_replayed, Canvas::Ink::Screen);
    m_replayed = m_canvas.committedStrokes();
}

void ScaledView::paint(QPainter &target, const QRect &area, qreal ratio)
{
    catchUp(ratio);
    // Whole device pixels, so the picture is copied pixel for pixel; the layers are clipped to
    // the same pixels and so cover what the copy covered.
    const QRect pixels =
        QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio)
            .toAlignedRect()
            .intersected(m_persistent.rect());
    const QRectF place(pixels.x() / ratio, pixels.y() / ratio, pixels.width() / ratio,
                       pixels.height() / ratio);
    target.save();
    setSceneHints(target);
    target.setClipRect(place, Qt::IntersectClip);
    target.drawImage(place, m_persistent, pixels);
    m_canvas.paintLayersScaled(target, place.toAlignedRect(), Canvas::Ink::Screen);
    target.restore();
}

} // namespace orbane
