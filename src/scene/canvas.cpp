#include "scene/canvas.h"

#include "scene/pixelline.h"

#include <QPen>
#include <cmath>
#include <cstring>
#include <cstdlib>

namespace orbane {

static const QColor kSurfaceGrey(224, 224, 224);
// Bottom to top: the ghost lies under what the redraw draws.
static constexpr std::array kPaintOrder = {Canvas::Layer::Ghost, Canvas::Layer::Transient,
                                           Canvas::Layer::MarksCache, Canvas::Layer::LatestMark};

namespace {
// A fully transparent layer whose memory comes zeroed from the system: its pages are only
// touched where something is drawn, which spares filling megabytes at start-up.
QImage transparentLayer(int width, int height)
{
    const qsizetype stride = qsizetype(width) * 4;
    void *bits = std::calloc(std::size_t(stride) * std::size_t(height), 1);
    if (!bits) {
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        return image;
    }
    return {static_cast<uchar *>(bits), width, height, stride,
            QImage::Format_ARGB32_Premultiplied, [](void *p) { std::free(p); }, bits};
}
} // namespace

Canvas::Canvas(int width, int height) : m_persistent(width, height, QImage::Format_RGB32)
{
    m_persistent.fill(kSurfaceGrey);
    for (LayerData &layer : m_layers)
        layer.image = transparentLayer(width, height);
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
    m_damage.changedAll();
    m_persistent.fill(kSurfaceGrey);
    QPainter p(&m_persistent);
    p.drawImage(QPoint(0, 0), picture);
    m_place = picture;
    m_strokes.clear();
    ++m_generation;
}

Canvas::Persistent Canvas::savePersistent() const
{
    return {m_persistent.copy(), m_place, m_strokes};
}

void Canvas::restorePersistent(const Persistent &saved)
{
    replacePersistent(saved.picture);
    m_place = saved.place;
    m_strokes = saved.strokes;
}

void Canvas::clearLayer(Layer layer)
{
    LayerData &data = m_layers[index(layer)];
    if (data.dirty.empty())
        return;
    endPainting();
    if (!rebuilt(layer)) {
        for (const QRect &r : data.dirty)
            m_damage.changed(r);
    } else {
        m_damage.layerCleared(index(layer));
    }
    const int bytesPerPixel = data.image.depth() / 8;
    uchar *bits = data.image.bits();
    const qsizetype stride = data.image.bytesPerLine();
    for (const QRect &r : data.dirty) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::memset(bits + y * stride + r.left() * bytesPerPixel, 0,
                        std::size_t(r.width()) * bytesPerPixel);
    }
    data.dirty.clear();
    data.bounds = QRect();
    data.strokes.clear();
    data.committed = 0;
}

void Canvas::clear()
{
    clearLayer(Layer::Transient);
    clearLayer(Layer::LatestMark);
    setMarksShown(false);
}

void Canvas::setMarksShown(bool shown)
{
    if (shown != m_marksShown)
        m_damage.changed(m_layers[index(Layer::MarksCache)].bounds);
    m_marksShown = shown;
}

void Canvas::commit()
{
    LayerData &transient = m_layers[index(Layer::Transient)];
    if (transient.dirty.empty())
        return;
    endPainting();
    m_strokes.insert(m_strokes.end(),
                     transient.strokes.begin() + std::ptrdiff_t(transient.committed),
                     transient.strokes.end());
    transient.committed = transient.strokes.size();
    QPainter p(&m_persistent);
    for (const QRect &r : layerRegion(Layer::Transient)) {
        p.drawImage(r.topLeft(), transient.image, r);
        m_damage.changed(r);
    }
}

QRect Canvas::dirtyRect() const { return m_layers[index(Layer::Transient)].bounds; }

QRegion Canvas::layerRegion(Layer layer) const
{
    if (!layerShown(layer))
        return {};
    QRegion region;
    for (const QRect &r : m_layers[index(layer)].dirty)
        region += r;
    return region;
}

void Canvas::touch(const DrawOp &op)
{
    LayerData &data = m_layers[index(m_target)];
    const QRect clipped = op.rect.intersected(data.image.rect());
    if (clipped.isEmpty())
        return;
    // The cache of marks and the ghost are never cleared by a redraw: what they gain is new.
    if (!rebuilt(m_target))
        m_damage.changed(clipped);
    else
        m_damage.drawn(op);
    data.bounds = data.bounds.united(clipped);
    if (data.dirty.size() >= 64)
        data.dirty.assign(1, data.bounds);
    else
        data.dirty.push_back(clipped);
}

void Canvas::line(double x1, double y1, double x2, double y2, const QColor &colour)
{
    const QPoint a(int(std::lround(x1)), int(std::lround(y1)));
    const QPoint b(int(std::lround(x2)), int(std::lround(y2)));
    const int m = m_penWidth + 1;
    DrawOp op;
    op.layer = index(m_target);
    op.a = a;
    op.b = b;
    op.colour = colour.rgba();
    op.width = m_penWidth;
    op.dotted = m_penWidth <= 1 && m_penStyle == PenStyle::Dot;
    op.rect = QRect::span(a, b).adjusted(-m, -m, m, m);
    touch(op);
    record(op);
    // Only one-pixel lines can be dotted: a wide pen always draws solid.
    if (m_penWidth <= 1) {
        plotLine(m_layers[index(m_target)].image, a, b, qPremultiply(colour.rgba()),
                 LastPixel::Drawn, m_penStyle == PenStyle::Dot);
        return;
    }
    QPainter &p = painter();
    QPen pen(colour, m_penWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    if (a == b)
        p.drawPoint(a);
    else
        p.drawLine(a, b);
}

void Canvas::paintPicture(const QPoint &topLeft, const QImage &picture,
                          std::shared_ptr<const Lettering> lettering)
{
    painter().drawImage(topLeft, picture);
    DrawOp op;
    op.layer = index(m_target);
    op.kind = DrawOp::Kind::Picture;
    op.a = topLeft;
    op.b = QPoint(picture.width(), picture.height());
    op.picture = picture.cacheKey();
    op.rect = QRect(topLeft, picture.size());
    touch(op);
    record(op, picture, std::move(lettering));
}

void Canvas::record(const DrawOp &op, const QImage &picture,
                    std::shared_ptr<const Lettering> lettering)
{
    if (op.rect.intersects(m_persistent.rect()))
        m_layers[index(m_target)].strokes.push_back({op, picture, m_role, std::move(lettering)});
}

namespace {
// A line of the scene at any scale: pixel centres are joined, a one-pixel line covers its
// end pixels and a dotted one puts a dot on every other pixel, as on screen.
void replayLine(QPainter &p, const DrawOp &op, const QColor &colour)
{
    const QPointF half(0.5, 0.5);
    QLineF line(QPointF(op.a) + half, QPointF(op.b) + half);
    QPen pen(colour, qMax(op.width, 1));
    if (op.width > 1) {
        pen.setCapStyle(Qt::RoundCap);
    } else if (op.dotted && op.a != op.b) {
        const QPointF along = line.unitVector().p2() - line.p1();
        line = QLineF(line.p1() - along / 2, line.p2() + along / 2);
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({1.0, 1.0});
    } else {
        pen.setCapStyle(Qt::SquareCap);
    }
    p.setPen(pen);
    if (op.a == op.b)
        p.drawPoint(line.p1());
    else
        p.drawLine(line);
}
} // namespace

// On white the axes and grid are dark, and lines drawn light for a dark sky (yellow, cyan,
// white) are darkened so they still show on paper.
QColor Canvas::inkOf(const Stroke &stroke, Ink ink)
{
    const QColor colour = QColor::fromRgba(stroke.op.colour);
    if (ink == Ink::Screen)
        return colour;
    if (stroke.role == Role::Axes)
        return darkInk();
    const double luminance = 0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue();
    return luminance > 170 ? colour.darker(160) : colour;
}

void Canvas::replay(QPainter &target, const std::vector<Stroke> &strokes, std::size_t from,
                    Ink ink, const QRect &area) const
{
    for (std::size_t i = from; i < strokes.size(); ++i) {
        const Stroke &s = strokes[i];
        if (!area.isNull() && !s.op.rect.intersects(area))
            continue;
        if (s.op.kind == DrawOp::Kind::Picture) {
            replayPicture(target, s);
            continue;
        }
        replayLine(target, s.op, inkOf(s, ink));
    }
}

void Canvas::replayPicture(QPainter &target, const Stroke &stroke)
{
    if (!stroke.lettering) {
        target.drawImage(QPointF(stroke.op.a), stroke.picture);
        return;
    }
    const Lettering &l = *stroke.lettering;
    target.save();
    target.setFont(l.font);
    target.setPen(l.colour);
    target.drawText(stroke.op.a + l.baseline, l.text);
    target.restore();
}

void Canvas::paintPersistentScaled(QPainter &target, std::size_t from, Ink ink) const
{
    if (from == 0) {
        target.fillRect(m_persistent.rect(), ink == Ink::White ? QColor(Qt::white) : kSurfaceGrey);
        if (ink == Ink::Screen)
            target.drawImage(QPoint(0, 0), m_place);
    }
    replay(target, m_strokes, from, ink);
}

void Canvas::paintLayersScaled(QPainter &target, const QRect &area, Ink ink) const
{
    for (const Layer l : kPaintOrder) {
        if (!layerShown(l))
            continue;
        const LayerData &layer = m_layers[index(l)];
        replay(target, layer.strokes, l == Layer::Transient ? layer.committed : 0, ink, area);
    }
}

void Canvas::paintScaled(QPainter &target, Ink ink) const
{
    target.save();
    target.setRenderHint(QPainter::Antialiasing, false);
    target.setRenderHint(QPainter::SmoothPixmapTransform, false);
    target.setClipRect(m_persistent.rect());
    paintPersistentScaled(target, 0, ink);
    paintLayersScaled(target, m_persistent.rect(), ink);
    target.restore();
}

// Each layer is blended once, over the part of its drawing within `area`: transparent pixels
// leave the picture under them as it is.
void Canvas::paintOver(QPainter &target, const QRect &area) const
{
    endPainting();
    for (const Layer l : kPaintOrder) {
        if (!layerShown(l))
            continue;
        const LayerData &layer = m_layers[index(l)];
        const QRect r = layer.bounds.intersected(area);
        if (!r.isEmpty())
            target.drawImage(r.topLeft(), layer.image, r);
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
