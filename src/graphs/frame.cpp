#include "graphs/frame.h"

#include "core/numberformat.h"
#include "graphs/textpen.h"

namespace orbane::graphs {

namespace {

const QColor kGrid(192, 192, 192);

void drawGrid(Surface &s, const FrameGeometry &g, const Ranges &r)
{
    const double right = kPlotLeft + g.timeWidth;
    // The steps are single precision values, as the loops that draw them.
    const float stepX = float(g.timeWidth * r.time.pasgrad / r.time.mantissa);
    for (float x = float(kPlotLeft); x <= float(right + 1.0); x += stepX)
        s.line(x, kPlotTop, x, g.bottom, kGrid);

    const float stepY = float(g.valueHeight * r.value.pasgrad / r.value.mantissa);
    if (!r.axeneg) {
        for (float y = float(g.bottom); y >= 19.0f; y -= stepY)
            s.line(kPlotLeft, y, right, y, kGrid);
        return;
    }
    for (float y = float(g.middle); y >= 19.0f; y -= stepY)
        s.line(kPlotLeft, y, right, y, kGrid);
    for (float y = float(g.middle); y <= float(g.bottom + 1.0); y += stepY)
        s.line(kPlotLeft, y, right, y, kGrid);
}

void drawAxes(Surface &s, const FrameGeometry &g, double zero)
{
    s.line(20, 5, 20, g.bottom, Qt::black);
    s.line(20, 5, 24, 13, Qt::black);
    s.line(20, 5, 16, 13, Qt::black);
    const double tip = g.axisEnd;
    s.line(20, zero, tip, zero, Qt::black);
    s.line(tip - 8, zero - 4, tip, zero, Qt::black);
    s.line(tip - 8, zero + 4, tip, zero, Qt::black);
}

void drawValueScale(TextPen &pen, const Ranges &r, const Choice &choice)
{
    pen.x = 30;
    pen.y = 4;
    pen.write(QStringLiteral("Une division correspond à ") + numfmt::general(r.value.division()));
    const Unit unit = unitOf(choice);
    if (unit.exponent.isEmpty()) {
        pen.writeLine(unit.text);
        return;
    }
    pen.write(unit.text);
    pen.y = 1;
    pen.writeLine(unit.exponent);
}

void drawTimeScale(TextPen &pen, const FrameGeometry &g, const Ranges &r)
{
    pen.y = r.axeneg ? g.timeTextTopNeg : g.timeTextTop;
    pen.x = g.axisEnd;
    pen.writeLine(QStringLiteral("Une division"));
    pen.x = g.axisEnd;
    pen.writeLine(QStringLiteral("correspond à"));
    pen.x = g.axisEnd;
    pen.writeLine(numfmt::general(r.time.division()) + QStringLiteral(" s"));
}

void drawLegend(TextPen &pen, const FrameGeometry &g, const Choice &choice)
{
    pen.y = 54;
    pen.setPointSize(10);
    pen.setBold(true);
    for (int i = 0; i < kQuantities; ++i) {
        if (!choice[i])
            continue;
        pen.x = g.axisEnd;
        pen.setColour(colour(i));
        pen.writeLegend(legend(i), 10, 8);
    }
    pen.setBold(false);
}

} // namespace

double zeroLine(const FrameGeometry &g, const Ranges &r) { return r.axeneg ? g.middle : g.bottom; }

double timeToX(const FrameGeometry &g, const Ranges &r, double t)
{
    return kPlotLeft + g.timeWidth * t / r.time.span();
}

double valueToY(const FrameGeometry &g, const Ranges &r, double v)
{
    return zeroLine(g, r) - g.valueHeight * v / r.value.span();
}

void drawCurvePieces(Surface &surface, const FrameGeometry &g, const Ranges &r,
                     const Flight &flight, const Choice &choice, double t1, double t2)
{
    const double x1 = timeToX(g, r, t1);
    const double x2 = timeToX(g, r, t2);
    for (int i = 0; i < kQuantities; ++i) {
        if (!choice[i])
            continue;
        surface.line(x1, valueToY(g, r, value(i, flight, t1)), x2,
                     valueToY(g, r, value(i, flight, t2)), colour(i));
    }
}

void drawFrame(Surface &surface, const FrameGeometry &g, const Ranges &r, const Choice &choice)
{
    drawGrid(surface, g, r);
    drawAxes(surface, g, zeroLine(g, r));
    TextPen pen(*surface.beginText(), surface.origin().x(), surface.fontScale());
    drawValueScale(pen, r, choice);
    drawTimeScale(pen, g, r);
    drawLegend(pen, g, choice);
    surface.endText();
}

} // namespace orbane::graphs
