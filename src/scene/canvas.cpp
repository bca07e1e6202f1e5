#include "scene/canvas.h"

#include <QPen>
#include <cmath>
#include <cstdlib>

namespace orbane {

static const QColor kSurfaceGrey(224, 224, 224);

Canvas::Canvas(int width, int height) : m_persistent(width, height, QImage::Format_RGB32)
{
    m_persistent.fill(kSurfaceGrey);
    for (LayerData &layer : m_layers) {
        layer.image = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        layer.image.fill(Qt::transparent);
    }
}

Canvas::~Canvas() { endPainting(); }

QPainter &Canvas::painter()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_layers[index(m_target)].image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    }
    return *m_painter;
}

void Canvas::endPainting() const { m_painter.reset(); }

void Canvas::setTarget(Layer layer)
{
    if (layer == m_target)
        return;
    endPainting();
    m_target = layer;
}

void Canvas::replacePersistent(const QImage &picture)
{
    endPainting();
    m_persistent.fill(kSurfaceGrey);
    QPainter p(&m_persistent);
    p.drawImage(QPoint(0, 0), picture);
}

void Canvas::clearLayer(Layer layer)
{
    LayerData &data = m_layers[index(layer)];
    if (data.dirty.isEmpty())
        return;
    endPainting();
    QPainter p(&data.image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(data.dirty, Qt::transparent);
    data.dirty = QRect();
}

void Canvas::clear()
{
    clearLayer(Layer::Transient);
    clearLayer(Layer::LatestMark);
    m_marksShown = false;
}

void Canvas::commit()
{
    const LayerData &transient = m_layers[index(Layer::Transient)];
    if (transient.dirty.isEmpty())
        return;
    endPainting();
    QPainter p(&m_persistent);
    p.drawImage(transient.dirty.topLeft(), transient.image, transient.dirty);
}

QRect Canvas::layerRect(Layer layer) const
{
    if (layer == Layer::MarksCache && !m_marksShown)
        return {};
    return m_layers[index(layer)].dirty;
}

void Canvas::touch(const QRect &r)
{
    LayerData &data = m_layers[index(m_target)];
    data.dirty = data.dirty.united(r.intersected(data.image.rect()));
}

// A dotted line of one pixel in two, as the platform's dotted pen draws it.
void Canvas::dottedLine(QPoint a, QPoint b, const QColor &colour)
{
    QImage &img = m_layers[index(m_target)].image;
    endPainting();
    const QRgb value = colour.rgba();
    const int dx = std::abs(b.x() - a.x()), dy = -std::abs(b.y() - a.y());
    const int sx = a.x() < b.x() ? 1 : -1, sy = a.y() < b.y() ? 1 : -1;
    int err = dx + dy, step = 0;
    QPoint p = a;
    for (;;) {
        if (step++ % 2 == 0 && img.rect().contains(p))
            img.setPixel(p, value);
        if (p == b)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.rx() += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.ry() += sy;
        }
    }
}

void Canvas::line(double x1, double y1, double x2, double y2, const QColor &colour)
{
    const QPoint a(int(std::lround(x1)), int(std::lround(y1)));
    const QPoint b(int(std::lround(x2)), int(std::lround(y2)));
    const int m = m_penWidth + 1;
    touch(QRect(a, b).normalized().adjusted(-m, -m, m, m));
    // A wide pen is always solid, as on the platform the program was designed for.
    if (m_penStyle == PenStyle::Dot && m_penWidth <= 1) {
        dottedLine(a, b, colour);
        return;
    }
    QPainter &p = painter();
    QPen pen(colour, m_penWidth);
    pen.setCapStyle(m_penWidth > 1 ? Qt::RoundCap : Qt::SquareCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    if (a == b)
        p.drawPoint(a);
    else
        p.drawLine(a, b);
}

void Canvas::paintPicture(const QPoint &topLeft, const QImage &picture)
{
    painter().drawImage(topLeft, picture);
    touch(QRect(topLeft, picture.size()));
}

void Canvas::paintOver(QPainter &target, const QRect &area) const
{
    endPainting();
    for (int i = 0; i < kLayers; ++i) {
        const QRect r = layerRect(Layer(i)).intersected(area);
        if (!r.isEmpty())
            target.drawImage(r.topLeft(), m_layers[i].image, r);
    }
}

QImage Canvas::composed() const
{
    endPainting();
    QImage out = m_persistent;
    QPainter p(&out);
    paintOver(p, out.rect());
    return out;
}

} // namespace orbane
