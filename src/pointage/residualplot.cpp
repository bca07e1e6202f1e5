#include "pointage/residualplot.h"

#include "core/numberformat.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orbane::pointage {

namespace {
const QColor kX(0, 0, 200), kY(200, 0, 0);
constexpr int kMargin = 36;
} // namespace

ResidualPlot::ResidualPlot(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("residus"));
    setAccessibleName(QStringLiteral("Résidus de l'ajustement"));
    setMinimumHeight(120);
}

void ResidualPlot::setResiduals(std::vector<double> times, std::vector<QPointF> residuals)
{
    m_times = std::move(times);
    m_residuals = std::move(residuals);
    double largest = 0.0;
    for (QPointF r : m_residuals)
        largest = std::max({largest, std::abs(r.x()), std::abs(r.y())});
    setAccessibleDescription(QStringLiteral("%1 points, écart le plus grand %2 cm")
                                 .arg(m_times.size())
                                 .arg(numfmt::fixed(100.0 * largest, 1)));
    update();
}

void ResidualPlot::clear()
{
    m_times.clear();
    m_residuals.clear();
    setAccessibleDescription({});
    update();
}

void ResidualPlot::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(rect(), Qt::white);
    const QRect area = rect().adjusted(kMargin, 8, -8, -20);
    p.setPen(Qt::black);
    p.drawRect(area);
    p.drawText(QRect(0, area.bottom() + 2, width(), 18), Qt::AlignCenter,
               QStringLiteral("résidus (cm) : x en bleu, y en rouge, en fonction de t"));
    if (m_times.empty())
        return;
    const auto range = std::minmax_element(m_times.begin(), m_times.end());
    const double tMin = *range.first, tMax = *range.second;
    double largest = 1e-4;
    for (QPointF r : m_residuals)
        largest = std::max({largest, std::abs(r.x()), std::abs(r.y())});
    const double span = tMax > tMin ? tMax - tMin : 1.0;
    const auto at = [&](double t, double r) {
        return QPointF(area.left() + 4 + (area.width() - 8) * (t - tMin) / span,
                       area.center().y() - (area.height() / 2.0 - 4) * r / largest);
    };
    p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    p.drawLine(area.left(), area.center().y(), area.right(), area.center().y());
    p.setPen(Qt::black);
    const QString top = numfmt::fixed(100.0 * largest, 1);
    p.drawText(QRect(0, area.top() - 2, kMargin - 4, 16), Qt::AlignRight, top);
    p.drawText(QRect(0, area.bottom() - 14, kMargin - 4, 16), Qt::AlignRight,
               QStringLiteral("-") + top);
    for (std::size_t i = 0; i < m_times.size(); ++i) {
        const QPointF x = at(m_times[i], m_residuals[i].x()), y = at(m_times[i], m_residuals[i].y());
        p.fillRect(QRectF(x - QPointF(2, 2), QSizeF(5, 5)), kX);
        p.setPen(kY);
        p.drawLine(y + QPointF(-3, -3), y + QPointF(3, 3));
        p.drawLine(y + QPointF(-3, 3), y + QPointF(3, -3));
    }
}

} // namespace orbane::pointage
