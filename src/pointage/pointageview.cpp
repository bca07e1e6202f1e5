#include "pointage/pointageview.h"

#include "core/units.h"
#include "platform/focusframe.h"
#include "scene/scenerenderer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <utility>
#include <vector>

namespace orbane::pointage {

namespace {
const QColor kPoint(255, 0, 255);   // magenta stands out on sky, grass and every projectile
const QColor kCrossHair(255, 255, 0);
const QColor kDrawn(0, 0, 0);
constexpr double kGrab = 6.0; // a press this close to a point starts a vector (pixels)

// The symbols, bold and aliased as the scene writes them.
QFont symbolFont(const QFont &base)
{
    QFont font = base;
    font.setPixelSize(13);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

const QString kVelocity = QStringLiteral("v"), kVariation = QStringLiteral("Δv"),
              kWeight = QStringLiteral("P"), kSecondLaw = QStringLiteral("m·Δv/Δt");
} // namespace

PointageView::PointageView(const QImage &picture, Measurement &measurement, QWidget *parent)
    : QWidget(parent), m_picture(picture), m_measurement(measurement)
{
    setObjectName(QStringLiteral("Picture1"));
    setAccessibleName(QStringLiteral("Chronophotographie à pointer"));
    setAccessibleDescription(QStringLiteral(
        "Flèches : déplacer la croix, Maj + flèches : dix pixels, Entrée : placer un point"));
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setZoom(1);
}

QSize PointageView::sizeHint() const { return m_picture.size() * m_zoom; }

void PointageView::setZoom(int zoom)
{
    m_zoom = zoom == 2 ? 2 : 1;
    setFixedSize(m_picture.size() * m_zoom);
    update();
}

void PointageView::setPicture(const QImage &picture)
{
    const bool resized = picture.size() != m_picture.size();
    m_picture = picture;
    m_scaled = {};
    if (resized)
        setZoom(m_zoom);
    update();
}

void PointageView::setCurrentPoint(std::optional<int> point)
{
    m_current = point;
    update();
}

void PointageView::setOverlay(const Overlay &overlay)
{
    m_overlay = overlay;
    update();
}

void PointageView::setDrawnVector(int point, QPointF velocity)
{
    m_vectorPoint = point;
    m_vectorVelocity = velocity;
    update();
}

void PointageView::clearDrawnVector()
{
    m_vectorPoint.reset();
    update();
}

// One picture pixel is one scene pixel; zoomed, two screen pixels.
QPointF PointageView::scenePoint(QPointF widgetPos) const
{
    return {std::floor(widgetPos.x() / m_zoom), std::floor(widgetPos.y() / m_zoom)};
}

void PointageView::place(QPointF pixel)
{
    if (m_take && m_take(pixel)) {
        update();
        return;
    }
    if (m_measurement.add(pixel))
        emit pointPlaced();
    update();
}

std::optional<int> PointageView::pointNear(QPointF pixel) const
{
    if (m_framePointsOnly) {
        if (!m_current || *m_current >= m_measurement.count())
            return std::nullopt;
        const QPointF d = m_measurement.pixel(*m_current) - pixel;
        return std::hypot(d.x(), d.y()) <= kGrab ? m_current : std::nullopt;
    }
    for (int i = 0; i < m_measurement.count(); ++i) {
        const QPointF d = m_measurement.pixel(i) - pixel;
        if (std::hypot(d.x(), d.y()) <= kGrab)
            return i;
    }
    return std::nullopt;
}

// The picture's y runs down, velocities up (along the picture's own axes once calibrated).
QPointF PointageView::dragVelocity(int from, QPointF tip) const
{
    return m_measurement.fromPicture(tip - m_measurement.pixel(from)) / m_overlay.pixelsPerVelocity;
}

void PointageView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF pixel = scenePoint(event->position());
    m_dragFrom = pointNear(pixel);
    m_dragTip = pixel;
}

void PointageView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragFrom)
        return;
    m_dragTip = scenePoint(event->position());
    update();
}

void PointageView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF pixel = scenePoint(event->position());
    const auto from = m_dragFrom;
    m_dragFrom.reset();
    // A press on a point that moved away draws a vector; anything else places a point.
    if (from && pixel != m_measurement.pixel(*from) && !pointNear(pixel)) {
        const QPointF velocity = dragVelocity(*from, pixel);
        setDrawnVector(*from, velocity);
        emit vectorDrawn(*from, velocity);
        return;
    }
    // On a video, a click beside the frame's point corrects it.
    if (!from || (m_framePointsOnly && pixel != m_measurement.pixel(*from)))
        place(pixel);
}

void PointageView::keyPressEvent(QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint move;
    switch (event->key()) {
    case Qt::Key_Left: move = {-step, 0}; break;
    case Qt::Key_Right: move = {step, 0}; break;
    case Qt::Key_Up: move = {0, -step}; break;
    case Qt::Key_Down: move = {0, step}; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        place(m_crossHair);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const QRect picture(QPoint(0, 0), m_picture.size());
    const QPoint next = m_crossHair + move;
    m_crossHair = QPoint(std::clamp(next.x(), 0, picture.right()),
                         std::clamp(next.y(), 0, picture.bottom()));
    update();
    emit crossHairMoved(m_crossHair);
}

void PointageView::paintArrow(QPainter &p, QPointF base, QPointF vector, const QColor &colour,
                              const QString &symbol) const
{
    if (vector.isNull())
        return;
    p.setPen(QPen(colour, 2));
    p.drawLine(base, base + vector);
    const ArrowHead head = arrowHead(base.x(), base.y(), vector.x(), vector.y());
    p.drawLine(head.tip, head.left);
    p.drawLine(head.tip, head.right);
    if (!m_overlay.names || symbol.isEmpty())
        return;
    // P on the left of its tip, the others on the right, clear of the head's strokes.
    p.setFont(symbolFont(p.font()));
    const QFontMetrics metrics(p.font());
    const double width = metrics.horizontalAdvance(symbol);
    const double left = symbol == kWeight ? head.tip.x() - 8 - width : head.tip.x() + 8;
    p.drawText(QPointF(left, head.tip.y() + metrics.ascent() / 2.0), symbol);
}

// Which colour is which vector, in the top-left corner.
void PointageView::paintLegend(QPainter &p) const
{
    const Overlay &o = m_overlay;
    std::vector<std::pair<QString, QColor>> rows;
    if (o.velocities)
        rows.emplace_back(kVelocity, o.velocity);
    if (o.variations)
        rows.insert(rows.end(), {{kVariation, o.variation}, {kWeight, o.weight},
                                 {kSecondLaw, o.secondLaw}});
    if (!o.names || rows.empty())
        return;
    p.setFont(symbolFont(p.font()));
    const QFontMetrics metrics(p.font());
    const int line = metrics.height();
    p.fillRect(QRect(4, 4, 100, line * int(rows.size()) + 8), QColor(255, 255, 255, 220));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int y = 8 + line * int(i) + line / 2;
        p.setPen(QPen(rows[i].second.darker(rows[i].second.lightness() > 200 ? 160 : 100), 3));
        p.drawLine(10, y, 34, y);
        p.setPen(Qt::black);
        p.drawText(QPointF(40, y + metrics.ascent() / 2.0 - 1), rows[i].first);
    }
}

void PointageView::paintVectors(QPainter &p) const
{
    const Overlay &o = m_overlay;
    const auto scaled = [this](QPointF v, double k) { return m_measurement.onPicture(v) * k; };
    // Each kind is named once, at the first point that shows it.
    bool velocityNamed = false, variationNamed = false;
    const auto named = [](bool first, const QString &symbol) {
        return first ? symbol : QString();
    };
    for (int i = 0; i < m_measurement.count(); ++i) {
        const QPointF at = m_measurement.pixel(i);
        if (o.velocities)
            if (const auto v = m_measurement.velocity(i))
                paintArrow(p, at, scaled(*v, o.pixelsPerVelocity), o.velocity,
                           named(!std::exchange(velocityNamed, true), kVelocity));
        if (!o.variations)
            continue;
        const auto dv = m_measurement.deltaV(i);
        const auto f = m_measurement.force(i);
        if (!dv || !f)
            continue;
        const bool first = !std::exchange(variationNamed, true);
        paintArrow(p, at, scaled(*dv, o.pixelsPerVelocity), o.variation, named(first, kVariation));
        // m·Δv/Δt to the right of the weight, at the force scale, far enough that the heads
        // (5 pixels either side of each tip) stay apart.
        const double perNewton = o.pixelsPerForce / o.newtonsPerUnit;
        paintArrow(p, at, scaled(QPointF(0.0, -m_measurement.weight()), perNewton), o.weight,
                   named(first, kWeight));
        paintArrow(p, at + QPointF(16.0, 0.0), scaled(*f, perNewton), o.secondLaw,
                   named(first, kSecondLaw));
    }
    if (m_vectorPoint && *m_vectorPoint < m_measurement.count())
        paintArrow(p, m_measurement.pixel(*m_vectorPoint),
                   scaled(m_vectorVelocity, o.pixelsPerVelocity), kDrawn);
    if (m_dragFrom)
        paintArrow(p, m_measurement.pixel(*m_dragFrom), m_dragTip - m_measurement.pixel(*m_dragFrom),
                   kDrawn);
}

void PointageView::paintPoints(QPainter &p) const
{
    QFont font = p.font();
    font.setPointSize(7);
    font.setBold(true);
    p.setFont(font);
    for (int i = 0; i < m_measurement.count(); ++i) {
        const QPointF c = m_measurement.pixel(i);
        const double arm = m_current == i ? 7 : 4;
        p.setPen(QPen(kPoint, m_current == i ? 2 : 1));
        p.drawLine(c + QPointF(-arm, 0), c + QPointF(arm, 0));
        p.drawLine(c + QPointF(0, -arm), c + QPointF(0, arm));
        p.drawText(c + QPointF(5, -4), QString::number(i + 1));
    }
}

// Drawn again only when the zoom or the screen's ratio changes.
const QImage &PointageView::scaledPicture(qreal ratio)
{
    if (m_scaled.isNull() || m_scaled.devicePixelRatio() != ratio)
        m_scaled = m_drawScaled(ratio);
    return m_scaled;
}

void PointageView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.scale(m_zoom, m_zoom);
    const qreal ratio = devicePixelRatioF();
    if (m_drawScaled && ratio != 1)
        p.drawImage(QPoint(0, 0), scaledPicture(ratio * m_zoom));
    else
        p.drawImage(QPoint(0, 0), m_picture);
    if (m_extra)
        m_extra(p);
    paintVectors(p);
    paintPoints(p);
    paintLegend(p);
    if (hasFocus()) {
        // The keyboard's cross-hair, open at its centre so the pixel under it stays visible.
        const QPointF c = m_crossHair;
        p.setPen(QPen(kCrossHair, 1));
        p.drawLine(c + QPointF(-7, 0), c + QPointF(-2, 0));
        p.drawLine(c + QPointF(2, 0), c + QPointF(7, 0));
        p.drawLine(c + QPointF(0, -7), c + QPointF(0, -2));
        p.drawLine(c + QPointF(0, 2), c + QPointF(0, 7));
        p.resetTransform();
        drawFocusFrame(p, rect());
    }
}

} // namespace orbane::pointage
