#include "app/panelpaint.h"

#include "scene/vectors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <vector>

namespace orbane {

namespace {

QFont arial(int size = 8, bool bold = false)
{
    QFont f(QStringLiteral("Arial"), size);
    f.setBold(bold);
    return f;
}

QFont verdanaBold()
{
    QFont f(QStringLiteral("Verdana"), 8);
    f.setBold(true);
    return f;
}

double advance(QPainter &p, const QString &s) { return QFontMetricsF(p.font()).horizontalAdvance(s); }

struct Piece
{
    QString text;
    int dy = 0;
    int size = 0; // 0: the painter's font
};

double widthOf(QPainter &p, const std::vector<Piece> &pieces)
{
    double w = 0.0;
    for (const Piece &piece : pieces) {
        QFont f = p.font();
        if (piece.size > 0)
            f.setPointSize(piece.size);
        w += QFontMetricsF(f).horizontalAdvance(piece.text);
    }
    return w;
}

// "x₀ (m) =" and the like, ending on the box's left edge.
void parameterLabel(QPainter &p, const QRect &box, const std::vector<Piece> &pieces)
{
    const QFontMetricsF m(p.font());
    ScriptWriter w{p, {box.left() - 4 - widthOf(p, pieces),
                       box.center().y() + (m.ascent() - m.descent()) / 2.0}};
    for (const Piece &piece : pieces)
        w.text(piece.text, piece.dy, piece.size);
}

Piece index0() { return {QStringLiteral("o"), 3, 6}; }

void arrowHead(QPainter &p, QPointF tip, QPointF a, QPointF b)
{
    p.drawLine(tip, a);
    p.drawLine(tip, b);
}

void paintSketch(QPainter &p, Rgb velocityColour)
{
    p.setPen(Qt::black);
    p.drawLine(230, 70, 230, 180);
    arrowHead(p, {230, 70}, {226, 78}, {234, 78});
    p.drawText(QPointF(236, 80), QStringLiteral("y"));
    p.drawLine(230, 180, 340, 180);
    arrowHead(p, {340, 180}, {332, 176}, {332, 184});
    p.drawText(QPointF(338, 194), QStringLiteral("x"));
    p.setPen(QPen(QColor(128, 128, 128), 3));
    p.drawEllipse(QPointF(260, 150), 1, 1);
    p.setPen(QColor::fromRgb(velocityColour));
    p.drawLine(260, 150, 290, 98);
    arrowHead(p, {290, 98}, {283, 103}, {289, 107});
    ScriptWriter v{p, {294, 104}};
    v.text(QStringLiteral("v"));
    v.text(QStringLiteral("o"), 3, 6);
    p.drawText(QPointF(293, 96), QStringLiteral("→"));
    p.setPen(Qt::black);
    // The launch angle: an arc of radius 20 from 0 to 1 radian.
    p.drawArc(QRectF(240, 130, 40, 40), 0, int(57.2958 * 16));
    ScriptWriter a{p, {284, 146}};
    a.text(QStringLiteral("α"));
    a.text(QStringLiteral("o"), 3, 6);
    p.setPen(QPen(Qt::gray, 1, Qt::DotLine));
    p.drawLine(260, 150, 260, 180);
    p.drawLine(230, 150, 260, 150);
    p.setPen(Qt::black);
    ScriptWriter x{p, {254, 194}};
    x.text(QStringLiteral("x"));
    x.text(QStringLiteral("o"), 3, 6);
    ScriptWriter y{p, {214, 154}};
    y.text(QStringLiteral("y"));
    y.text(QStringLiteral("o"), 3, 6);
}

// A scale segment with its end ticks and the unit above it.
void scaleSegment(QPainter &p, QPoint start, int length, const QString &unit,
                  const QString &exponent)
{
    const int x2 = start.x() + length;
    p.setPen(Qt::black);
    p.drawLine(start.x(), start.y(), x2, start.y());
    p.drawLine(start.x(), start.y() - 3, start.x(), start.y() + 4);
    p.drawLine(x2, start.y() - 3, x2, start.y() + 4);
    const double up = 1.2 * QFontMetricsF(p.font()).height();
    ScriptWriter w{p, {double(start.x()), start.y() - up + QFontMetricsF(p.font()).ascent()}};
    w.text(unit);
    if (!exponent.isEmpty())
        w.text(exponent, -4, 6);
}

void vectorCaption(QPainter &p, QPoint at, const QString &sign, const QString &inside)
{
    ScriptWriter w{p, {double(at.x()), double(at.y())}};
    w.text(sign + QStringLiteral("v"));
    p.drawText(QPointF(w.pos.x() - 8, at.y() - 6), QStringLiteral("→"));
    w.text(inside + QStringLiteral("Δ"));
    w.pos.rx() += 2;
    w.text(QStringLiteral("t / 2)"));
}

} // namespace

void paintParametersPanel(QPainter &p, const std::array<QRect, 4> &boxes, Rgb velocityColour)
{
    p.setFont(arial());
    paintSketch(p, velocityColour);
    p.setPen(Qt::black);
    p.setFont(verdanaBold());
    p.drawText(QPointF(18, 72), QStringLiteral("Position initiale"));
    p.drawText(QPointF(18, 140), QStringLiteral("Vitesse initiale"));
    p.setFont(arial());
    parameterLabel(p, boxes[0],
                   {{QStringLiteral("x")}, index0(), {QStringLiteral(" (m) =")}});
    parameterLabel(p, boxes[1],
                   {{QStringLiteral("y")}, index0(), {QStringLiteral(" (m) =")}});
    parameterLabel(p, boxes[2],
                   {{QStringLiteral("v")}, index0(), {QStringLiteral(" (m.s")},
                    {QStringLiteral("-1"), -4, 6}, {QStringLiteral(") =")}});
    parameterLabel(p, boxes[3],
                   {{QStringLiteral("α")}, index0(), {QStringLiteral(" (- 180° à 180°) =")}});
}

void paintVectorsPanel(QPainter &p, const VectorsLayout &at, const Controls &c)
{
    p.setFont(verdanaBold());
    p.drawText(QPointF(8, 12), QStringLiteral("Vecteur vitesse"));
    p.setFont(arial());
    vectorCaption(p, at.swatch2.topRight() + QPoint(4, 13), QString(),
                  QStringLiteral("(t + "));
    vectorCaption(p, at.swatch3.topRight() + QPoint(4, 13), QStringLiteral("- "),
                  QStringLiteral("(t - "));

    const QRect l9 = at.label9;
    const QString lead = QStringLiteral("Intervalle de temps ");
    const double groupWidth = advance(p, QStringLiteral("Intervalle de temps Δt (ms) :  "));
    ScriptWriter w{p, {l9.left() - groupWidth, double(l9.top() + 2 + QFontMetricsF(p.font()).ascent())}};
    w.text(lead + QStringLiteral("Δ"));
    w.pos.rx() += 2;
    w.text(QStringLiteral("t (ms) :"));

    p.drawText(QPointF(12, 131), QStringLiteral("Échelle de représentation :"));
    scaleSegment(p, at.line1Start, vectorscale::line1Length(c.VScroll1),
                 QStringLiteral("1 m · s"), QStringLiteral("-1"));

    p.setFont(verdanaBold());
    p.drawText(QPointF(8, 149), QStringLiteral("Vecteur poids"));
    p.setFont(arial());
    p.drawText(QPointF(12, 191), QStringLiteral("Échelle de représentation :"));
    scaleSegment(p, at.line2Start, vectorscale::line2Length(c.VScroll3),
                 vectorscale::forceLegend(c.Combo2), QString());
}

void paintChronoPanel(QPainter &p, const QRect &intervalBox, int textLeft)
{
    p.setFont(arial());
    const QRect &box = intervalBox;
    p.drawText(QPointF(textLeft, box.top() - 20 + QFontMetricsF(p.font()).ascent()),
               QStringLiteral("Durée entre deux chronophotographies (10 à 5000 ms) : "));
    const double x = box.left() - advance(p, QStringLiteral("t = "));
    p.drawText(QPointF(x, box.top() + 1 + QFontMetricsF(p.font()).ascent()),
               QStringLiteral("τ = "));
}

} // namespace orbane
