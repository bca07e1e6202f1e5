#include "graphs/textpen.h"

#include <QFontMetrics>
#include <QFontMetricsF>

namespace orbane::graphs {

QFont graphFont(qreal pointSize, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

TextPen::TextPen(QPainter &painter, double leftEdge, double fontScale)
    : m_p(painter), m_left(leftEdge), m_fontScale(fontScale), m_font(graphFont(8 * fontScale))
{
}

void TextPen::setPointSize(qreal size) { m_font.setPointSizeF(size * m_fontScale); }
void TextPen::setBold(bool bold) { m_font.setBold(bold); }
void TextPen::setColour(const QColor &colour) { m_colour = colour; }

double TextPen::width(const QString &text) const
{
    return QFontMetricsF(m_font, m_p.device()).horizontalAdvance(text);
}

void TextPen::write(const QString &text)
{
    const QFontMetricsF fm(m_font, m_p.device());
    m_p.setFont(m_font);
    m_p.setPen(m_colour);
    m_p.drawText(QPointF(x, y + fm.ascent()), text);
    x += fm.horizontalAdvance(text);
}

void TextPen::writeLine(const QString &text)
{
    write(text);
    x = m_left;
    y += QFontMetrics(m_font, m_p.device()).height();
}

void TextPen::writeLegend(const Legend &legend, qreal size, qreal indexSize)
{
    if (legend.index.isEmpty()) {
        writeLine(legend.letter);
        return;
    }
    write(legend.letter);
    y += 4;
    setPointSize(indexSize);
    write(legend.index);
    y -= 4;
    setPointSize(size);
    writeLine(legend.rest);
}

} // namespace orbane::graphs
