#pragma once

#include "core/simulation.h"
#include "scene/scenerenderer.h"
#include "support/doubles.h"
#include "support/programdir.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

namespace orbane::test {

// A simulation drawing on a real scene renderer over plain black place pictures, so any
// drawn pixel stands out.
struct SceneFixture : ::testing::Test
{
    ProgramDir dir{{QStringLiteral("ballon.png"), QStringLiteral("ballon-ombre.png"),
                    QStringLiteral("rocher.png"), QStringLiteral("rocher-ombre.png")}};
    Simulation sim{dir.path()};
    std::unique_ptr<SceneRenderer> renderer;

    void SetUp() override
    {
        QImage black(409, 800, QImage::Format_RGB32);
        black.fill(Qt::black);
        for (const char *name : {"terre.jpg", "lune.jpg", "mars.jpg"})
            black.save(dir.file(QString::fromLatin1(name)), "PNG");
        renderer = std::make_unique<SceneRenderer>(sim);
        sim.setSceneHooks(renderer.get());
        sim.Form_Load();
        test::controlsOf(sim).Check[10] = false; // thin lines: exact pixels
    }
    void TearDown() override { sim.setSceneHooks(nullptr); }

    Canvas &canvas() { return renderer->canvas(); }
    QImage shown() { return canvas().composed(); }
    QColor at(int x, int y) { return shown().pixelColor(x, y); }
    static QColor colour(Rgb rgb) { return QColor::fromRgb(rgb); }

    // Lowest row of `column` holding `c`, or -1.
    int lowest(const QImage &img, int column, const QColor &c)
    {
        for (int y = img.height() - 1; y >= 0; --y)
            if (img.pixelColor(column, y) == c)
                return y;
        return -1;
    }
    int countInRow(const QImage &img, int row, int from, int to, const QColor &c)
    {
        int n = 0;
        for (int x = from; x <= to; ++x)
            n += img.pixelColor(x, row) == c;
        return n;
    }
    int countInColumn(const QImage &img, int column, int from, int to, const QColor &c)
    {
        int n = 0;
        for (int y = from; y <= to; ++y)
            n += img.pixelColor(column, y) == c;
        return n;
    }
};

} // namespace orbane::test
