#include "pointage/pointageview.h"

#include "core/units.h"
#include "platform/focusframe.h"
#include "scene/scenerenderer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace orbane::pointage {

namespace {
const QColor kPoint(255, 0, 255);   // magenta stands out on sky, grass and every projectile
const QColor kCrossHair(255, 255, 0);
const QColor kDrawn(0, 0, 0);
constexpr double kGrab = 6.0; // a press this close to a point starts a vector (pixels)
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
    if (m_measurement.add(pixel))
        emit pointPlaced();
    update();
}

std::optional<int> PointageView::pointNear(QPointF pixel) const
{
    for (int i = 0; i < m_measurement.count(); ++i) {
        const QPointF d = m_measurement.pixel(i) - pixel;
        if (std::hypot(d.x(), d.y()) <= kGrab)
            return i;
    }
    return std::nullopt;
}

// The scene's y runs down, velocities up.
QPointF PointageView::dragVelocity(int from, QPointF tip) const
{
    const QPointF d = tip - m_measurement.pixel(from);
    return {d.x() / m_overlay.pixelsPerVelocity, -d.y() / m_overlay.pixelsPerVelocity};
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
    if (!from)
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
}

void PointageView::paintArrow(QPainter &p, QPointF base, QPointF vector, const QColor &colour) const
{
    if (vector.isNull())
        return;
    p.setPen(QPen(colour, 2));
    p.drawLine(base, base + vector);
    const ArrowHead head = arrowHead(base.x(), base.y(), vector.x(), vector.y());
    p.drawLine(head.tip, head.left);
    p.drawLine(head.tip, head.right);
}

void PointageView::paintVectors(QPainter &p) const
{
    const Overlay &o = m_overlay;
    const auto scaled = [](QPointF v, double k) { return QPointF(k * v.x(), -k * v.y()); };
    for (int i = 0; i < m_measurement.count(); ++i) {
        const QPointF at = m_measurement.pixel(i);
        if (o.velocities)
            if (const auto v = m_measurement.velocity(i))
                paintArrow(p, at, scaled(*v, o.pixelsPerVelocity), o.velocity);
        if (!o.variations)
            continue;
        const auto dv = m_measurement.deltaV(i);
        const auto f = m_measurement.force(i);
        if (!dv || !f)
            continue;
        paintArrow(p, at, scaled(*dv, o.pixelsPerVelocity), o.variation);
        // m·Δv/Δt a little to the right of the weight, at the force scale, so both show.
        const double perNewton = o.pixelsPerForce / o.newtonsPerUnit;
        paintArrow(p, at, QPointF(0.0, perNewton * m_measurement.weight()), o.weight);
        paintArrow(p, at + QPointF(5.0, 0.0), scaled(*f, perNewton), o.variation);
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
        p.setPen(QPen(kPoint, 1));
        p.drawLine(c + QPointF(-4, 0), c + QPointF(4, 0));
        p.drawLine(c + QPointF(0, -4), c + QPointF(0, 4));
        p.drawText(c + QPointF(5, -4), QString::number(i + 1));
    }
}

void PointageView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.scale(m_zoom, m_zoom);
    p.drawImage(QPoint(0, 0), m_picture);
    paintVectors(p);
    paintPoints(p);
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
