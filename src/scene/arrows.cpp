#include "core/drag.h"
#include "core/numberformat.h"
#include "core/tables.h"
#include "scene/scenerenderer.h"
#include "scene/vectors.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <cmath>
#include <memory>
#include <optional>

namespace orbane {

namespace {

// Where a symbol stands from the tip. Δv and P both point down from about the same place, so
// one is written above the other, whatever their lengths.
enum class Side { Right, AboveLeft, BelowLeft };

// The symbol as a picture, aliased like every drawing of the scene, with its text for a
// drawing at another scale.
struct Symbol
{
    QImage picture;
    std::shared_ptr<const Canvas::Lettering> lettering;
};

Symbol renderSymbol(const QString &symbol, const QColor &colour)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    auto lettering = std::make_shared<const Canvas::Lettering>(
        Canvas::Lettering{symbol, font, colour, QPoint(1, metrics.ascent())});
    QImage picture(metrics.horizontalAdvance(symbol) + 2, metrics.height(),
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(lettering->baseline, symbol);
    return {picture, std::move(lettering)};
}

// Rendered once per symbol and colour: every tick draws the names again, and the same picture
// (the same cache key) lets the canvas see that nothing changed where it stands.
const Symbol &symbolPicture(const QString &symbol, const QColor &colour)
{
    static QHash<QString, Symbol> pictures;
    const QString key = symbol + QLatin1Char('#') + QString::number(colour.rgba(), 16);
    auto it = pictures.find(key);
    if (it == pictures.end())
        it = pictures.insert(key, renderSymbol(symbol, colour));
    return *it;
}

// "Nommer les vecteurs": the symbol beside the tip, clear of the head's strokes.
void nameHead(Canvas &canvas, const Controls &c, QPointF tip, const QString &symbol,
              const QColor &colour, Side side)
{
    if (!c.vectorNames)
        return;
    const Symbol &name = symbolPicture(symbol, colour);
    const QImage &picture = name.picture;
    const int gap = 8, x = int(std::lround(tip.x())), y = int(std::lround(tip.y()));
    const int left = side == Side::Right ? x + gap : x - gap - picture.width();
    const int top = side == Side::Right       ? y - picture.height() / 2
                    : side == Side::AboveLeft ? y - picture.height()
                                              : y;
    canvas.paintPicture(QPoint(left, top), picture, name.lettering);
}

// A force already multiplied by the force scale, in pixels: rounded, then divided by the
// projectile's newtons per unit and rounded again, for P, f and m·Δv/Δt alike.
double forcePixels(const Simulation &sim, double scaled)
{
    return std::nearbyint(std::nearbyint(scaled) / projectile(sim.c.Combo2).newtonsPerUnit);
}

// P's length at the force scale, pixels.
double weightPixels(const Simulation &sim)
{
    const int kp = vectorscale::force(sim.c.VScroll3);
    return forcePixels(sim, double(kp) * double(sim.s.masse) * double(sim.s.gpes));
}

// The air's force at the time shown, at the force scale of the weight, in pixels with y
// downward; nothing in the vacuum.
std::optional<QPointF> dragPixels(const Simulation &sim)
{
    const DragFlight *air = sim.airFlight();
    if (!air)
        return std::nullopt;
    const Vector2 f = air->at(sim.s.temps).force;
    const double kp = vectorscale::force(sim.c.VScroll3);
    return QPointF(forcePixels(sim, kp * f.x), -forcePixels(sim, kp * f.y));
}

// The head of v drawn from b: the two strokes back from its tip.
void head(Canvas &canvas, QPointF b, QPointF v, const QColor &colour)
{
    const ArrowHead h = arrowHead(b.x(), b.y(), v.x(), v.y());
    canvas.line(h.tip.x(), h.tip.y(), h.left.x(), h.left.y(), colour);
    canvas.line(h.tip.x(), h.tip.y(), h.right.x(), h.right.y(), colour);
}

// The shaft and the head of v from b.
void arrow(Canvas &canvas, QPointF b, QPointF v, const QColor &colour)
{
    canvas.line(b.x(), b.y(), b.x() + v.x(), b.y() + v.y(), colour);
    head(canvas, b, v, colour);
}

// f from the centre beside P, named on the side away from the projectile.
void frottement(Canvas &canvas, const Controls &c, QPointF b, QPointF f)
{
    if (f.isNull())
        return;
    const QColor colour = QColor::fromRgb(c.dragForceColour);
    arrow(canvas, b, f, colour);
    nameHead(canvas, c, b + f, QStringLiteral("f"), colour,
             f.x() < 0.0 ? Side::AboveLeft : Side::Right);
}

// P + f from the centre, f laid from P's tip when P is shown; the sum has a second head, 6
// pixels back, so it reads as the resultant and not as a third force.
void resultant(Canvas &canvas, const Controls &c, QPointF b, double weight, QPointF f)
{
    const QColor colour = QColor::fromRgb(c.Label4[7]);
    const QPointF sum(f.x(), weight + f.y());
    if (c.Check[12] && !f.isNull())
        arrow(canvas, b + QPointF(0.0, weight), f, QColor::fromRgb(c.dragForceColour));
    const double length = std::hypot(sum.x(), sum.y());
    if (length <= 6.0)
        return;
    arrow(canvas, b, sum, colour);
    arrow(canvas, b, sum * (1.0 - 6.0 / length), colour);
    // Clear of P's name, written below-left of P's tip: under it when the sum ends lower,
    // above the sum's tip otherwise.
    const QPointF tip = b + sum;
    const double underP =
        b.y() + weight + symbolPicture(QStringLiteral("P"), colour).picture.height();
    if (sum.y() >= weight)
        nameHead(canvas, c, {tip.x(), std::max(tip.y(), underP)}, QStringLiteral("P + f"), colour,
                 Side::BelowLeft);
    else
        nameHead(canvas, c, tip, QStringLiteral("P + f"), colour, Side::AboveLeft);
}

} // namespace

ArrowHead arrowHead(double bpx, double bpy, double cpx, double cpy)
{
    const double tx = bpx + cpx, ty = bpy + cpy;
    // Back point of the head, 10 pixels down the shaft.
    double hx = tx, hy = ty;
    if (cpx != 0.0) {
        const double s = cpy / cpx;
        double u = 10.0 / std::sqrt(s * s + 1.0);
        if (cpx < 0.0)
            u = -u;
        hx = tx - u;
        hy = ty - s * u;
    } else {
        hy = cpy >= 0.0 ? ty - 10.0 : ty + 10.0;
    }
    // Two strokes, 5 pixels either side of the back point.
    if (cpy != 0.0) {
        const double r = cpx / cpy;
        const double w = 5.0 / std::sqrt(r * r + 1.0);
        return {{tx, ty}, {hx + w, hy - r * w}, {hx - w, hy + r * w}};
    }
    const double back = cpx >= 0.0 ? -10.0 : 10.0;
    return {{tx, ty}, {tx + back, ty - 5.0}, {tx + back, ty + 5.0}};
}

void SceneRenderer::fleche(double bpx, double bpy, double cpx, double cpy, const QColor &kcolo)
{
    head(m_canvas, {bpx, bpy}, {cpx, cpy}, kcolo);
}

QPointF SceneRenderer::velocityAt(double tau) const
{
    const bool bouncing = m_sim.s.enrebond == 2;
    const Flight law = bouncing ? m_sim.bounceArc() : m_sim.flight();
    const double t = bouncing ? tau - double(m_sim.s.trebond) : tau;
    return {law.vx(t), -law.vy(t)};
}

// The velocity-related vectors are not shown before the launch.
bool SceneRenderer::vectorsHidden() const
{
    return !m_sim.d.timer1 && m_sim.s.temps == 0.0f;
}

void SceneRenderer::vecteurV()
{
    if (vectorsHidden())
        return;
    const int k = vectorscale::velocity(m_sim.c.VScroll1);
    const QPointF v = velocityAt(m_sim.s.temps);
    const double cx = k * v.x(), cy = k * v.y();
    if (cx == 0.0 && cy == 0.0)
        return;
    const QPointF b = base(false);
    const QColor colour = swatch(0);
    m_canvas.line(b.x(), b.y(), b.x() + cx, b.y() + cy, colour);
    fleche(b.x(), b.y(), cx, cy, colour);
    nameHead(m_canvas, m_sim.c, b + QPointF(cx, cy), QStringLiteral("v"), colour, Side::Right);
}

void SceneRenderer::poids()
{
    const QPointF b = base(true);
    const double length = weightPixels(m_sim);
    const QColor colour = swatch(7);
    m_canvas.line(b.x(), b.y(), b.x(), b.y() + length, colour);
    fleche(b.x(), b.y(), 0.0, length, colour);
    nameHead(m_canvas, m_sim.c, b + QPointF(0.0, length), QStringLiteral("P"), colour,
             Side::BelowLeft);
    if (m_sim.c.dragForce && !vectorsHidden())
        if (const auto f = dragPixels(m_sim))
            frottement(m_canvas, m_sim.c, b, *f);
}

void SceneRenderer::deltaV()
{
    if (vectorsHidden())
        return;
    const int k = vectorscale::velocity(m_sim.c.VScroll1);
    const double kg = k * double(m_sim.s.gpes);
    const double length = m_vectorsFrozen
                              ? (kg * 2.0 * numfmt::parseOr(m_sim.c.chrono, 0.0)) / 1000.0
                              : (kg * m_sim.c.UpDown1) / 10.0;
    const QPointF b = base(false);
    const QColor colour = swatch(1);
    m_canvas.line(b.x(), b.y(), b.x(), b.y() + length, colour);
    fleche(b.x(), b.y(), 0.0, length, colour);
    nameHead(m_canvas, m_sim.c, b + QPointF(0.0, length), QStringLiteral("Δv"), colour,
             Side::AboveLeft);
}

// On a photograph the variation spans two photographs; otherwise the interval of the panel.
double SceneRenderer::halfInterval() const
{
    return m_vectorsFrozen ? numfmt::parseOr(m_sim.c.chrono, 0.0) / 1000.0 : m_sim.c.UpDown1 / 20.0;
}

// v(t + h) from the projectile, then -v(t - h) from its tip: the sum ends on the tip of the
// velocity variation.
void SceneRenderer::constdeltaV()
{
    if (vectorsHidden())
        return;
    const int k = vectorscale::velocity(m_sim.c.VScroll1);
    const double h = halfInterval();
    const double t = m_sim.s.temps;
    const QPointF after = velocityAt(t + h);
    const double c1x = k * after.x(), c1y = k * after.y();
    if (c1x == 0.0 && c1y == 0.0)
        return;
    const QPointF b = base(false);
    m_canvas.line(b.x(), b.y(), b.x() + c1x, b.y() + c1y, swatch(2));
    fleche(b.x(), b.y(), c1x, c1y, swatch(2));

    const QPointF b2(b.x() + c1x, b.y() + c1y);
    const QPointF before = velocityAt(t - h);
    const double c2x = -k * before.x(), c2y = -k * before.y();
    if (c2x == 0.0 && c2y == 0.0)
        return;
    m_canvas.line(b2.x(), b2.y(), b2.x() + c2x, b2.y() + c2y, swatch(3));
    fleche(b2.x(), b2.y(), c2x, c2y, swatch(3));
}

// m·Δv/Δt from the construction's two velocities, with the force scale, from the weight's
// point and far enough to its right that the two heads (5 pixels either side of each tip)
// stay apart: in flight the two agree. In the air it stands beside P + f, f taken at the
// photograph's time, the centre of the interval.
void SceneRenderer::secondLaw()
{
    const double h = halfInterval();
    if (vectorsHidden() || h <= 0.0)
        return;
    if (const auto f = dragPixels(m_sim))
        resultant(m_canvas, m_sim.c, base(true), weightPixels(m_sim), *f);
    const double t = m_sim.s.temps;
    const QPointF dv = velocityAt(t + h) - velocityAt(t - h);
    const double scale = vectorscale::force(m_sim.c.VScroll3) * double(m_sim.s.masse) / (2.0 * h);
    const double cx = forcePixels(m_sim, scale * dv.x());
    const double cy = forcePixels(m_sim, scale * dv.y());
    if (cx == 0.0 && cy == 0.0)
        return;
    const QPointF b = base(true) + QPointF(16.0, 0.0);
    const QColor colour = QColor::fromRgb(m_sim.c.secondLawColour);
    m_canvas.line(b.x(), b.y(), b.x() + cx, b.y() + cy, colour);
    fleche(b.x(), b.y(), cx, cy, colour);
    nameHead(m_canvas, m_sim.c, b + QPointF(cx, cy), QStringLiteral("m·Δv/Δt"), colour,
             Side::Right);
}

} // namespace orbane
