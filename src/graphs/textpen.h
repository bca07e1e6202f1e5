#pragma once

#include "graphs/quantities.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

namespace orbane::graphs {

// Writes text on a picture surface at a current position (x, y = top of the text) that a text
// either leaves at its end, on the same line, or moves to the surface's left edge and one line
// lower (the text ends the line).
class TextPen
{
public:
    // Point sizes are multiplied by `fontScale` on the painter's device (see Surface).
    TextPen(QPainter &painter, double leftEdge, double fontScale = 1.0);

    double x = 0.0, y = 0.0;

    void setPointSize(qreal size);
    void setBold(bool bold);
    void setColour(const QColor &colour);
    const QFont &font() const { return m_font; }

    void write(const QString &text);     // stays on the line
    void writeLine(const QString &text); // ends the line
    // "v", then "x" 4 units lower in 8 points, then "(t)" back on the line; ends the line.
    void writeLegend(const Legend &legend, qreal size, qreal indexSize);

    double width(const QString &text) const;

private:
    QPainter &m_p;
    double m_left;
    double m_fontScale;
    QFont m_font;
    QColor m_colour = Qt::black;
};

// The graphs' font: "Arial" at a size in points.
QFont graphFont(qreal pointSize, bool bold = false);

} // namespace orbane::graphs
