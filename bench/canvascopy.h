#pragma once

#include <QImage>
#include <QPainter>
#include <chrono>

// One full composite of the 409 x 800 canvas, in nanoseconds: what a naive commit or a whole
// repaint would cost, printed beside the benchmarks' figures. Measured once per program.
inline double canvasCopyNs()
{
    static const double ns = [] {
        QImage persistent(409, 800, QImage::Format_RGB32);
        QImage layer(409, 800, QImage::Format_ARGB32_Premultiplied);
        persistent.fill(Qt::gray);
        layer.fill(Qt::transparent);
        const int n = 2000;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < n; ++i) {
            QPainter p(&persistent);
            p.drawImage(0, 0, layer);
        }
        const auto end = std::chrono::steady_clock::now();
        return std::chrono::duration<double, std::nano>(end - start).count() / n;
    }();
    return ns;
}
