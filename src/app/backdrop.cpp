#include "app/backdrop.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orbane {

QColor Backdrop::gradientAt(int y)
{
    const int r = int(std::lround(255.0 - y / 600.0 * 55.0));
    const int b = int(std::lround(255.0 - y / 600.0 * 75.0));
    return {r, r, b};
}

void Backdrop::paintEvent(QPaintEvent *event)
{
    if (m_image.size() != size())
        drawOnce();
    QPainter p(this);
    p.drawImage(event->rect().topLeft(), m_image, event->rect());
}

// Row by row straight into the image: a pen line per row cost more than the rest of the
// first frame.
void Backdrop::fillGradient()
{
    for (int y = 0; y < m_image.height(); ++y) {
        const QRgb colour = gradientAt(std::min(y, 600)).rgb();
        auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        std::fill(row, row + m_image.width(), colour);
    }
}

// The background is drawn once into an image, as the window's persistent picture.
void Backdrop::drawOnce()
{
    m_image = QImage(size(), QImage::Format_RGB32);
    fillGradient();
    QPainter p(&m_image);
    if (!shadowOf.isNull())
        p.fillRect(shadowOf.translated(3, 3), QColor(128, 128, 128));
    QFont f(QStringLiteral("Arial"), 14);
    f.setBold(true);
    p.setFont(f);
    const int ascent = QFontMetrics(f).ascent();
    p.setPen(QColor(128, 128, 128));
    p.drawText(animationTitle + QPoint(2, 2 + ascent), QStringLiteral("Animation :"));
    p.setPen(QColor(0, 0, 255));
    p.drawText(animationTitle + QPoint(0, ascent), QStringLiteral("Animation :"));
}

} // namespace orbane
