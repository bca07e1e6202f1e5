#include "scene/canvas.h"
#include "scene/scaledview.h"
#include "scene/scenerenderer.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

using namespace orbane;

namespace {
QImage plainPicture(QColor colour)
{
    QImage img(409, 800, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}
} // namespace

TEST(Canvas, ClearShowsThePersistentPictureAgain)
{
    Canvas canvas(409, 800);
    canvas.replacePersistent(plainPicture(Qt::darkGreen));
    EXPECT_EQ(canvas.composed(), plainPicture(Qt::darkGreen)); // fresh layers are transparent
    canvas.line(10, 10, 100, 10, Qt::yellow);
    EXPECT_EQ(canvas.composed().pixelColor(50, 10), QColor(Qt::yellow));
    canvas.clear();
    EXPECT_EQ(canvas.composed().pixelColor(50, 10), QColor(Qt::darkGreen));
    EXPECT_TRUE(canvas.dirtyRect().isEmpty());
}

TEST(Canvas, CommitKeepsTheDrawingThroughLaterClears)
{
    Canvas canvas(409, 800);
    canvas.replacePersistent(plainPicture(Qt::blue));
    canvas.line(30, 436, 66, 400, Qt::yellow);
    canvas.commit();
    canvas.clear();
    canvas.line(200, 200, 210, 200, Qt::red);
    const QImage shown = canvas.composed();
    EXPECT_EQ(shown.pixelColor(30, 436), QColor(Qt::yellow));
    EXPECT_EQ(shown.pixelColor(205, 200), QColor(Qt::red));
    canvas.clear();
    EXPECT_EQ(canvas.composed().pixelColor(205, 200), QColor(Qt::blue));
    // A new place picture erases everything committed.
    canvas.replacePersistent(plainPicture(Qt::black));
    EXPECT_EQ(canvas.composed().pixelColor(30, 436), QColor(Qt::black));
}

TEST(Canvas, LinesAreAliasedAndExact)
{
    Canvas canvas(409, 800);
    canvas.replacePersistent(plainPicture(Qt::black));
    canvas.line(30, 20, 30, 436, Qt::white);
    const QImage shown = canvas.composed();
    for (int y : {20, 200, 436})
        EXPECT_EQ(shown.pixelColor(30, y), QColor(Qt::white)) << y;
    // No antialiasing: the neighbours are untouched.
    EXPECT_EQ(shown.pixelColor(29, 200), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(31, 200), QColor(Qt::black));
}

TEST(Canvas, PicturesWithTransparencyShowTheSceneThrough)
{
    Canvas canvas(409, 800);
    canvas.replacePersistent(plainPicture(Qt::green));
    QImage sprite(32, 32, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter(&sprite).fillRect(8, 8, 16, 16, Qt::red);
    canvas.paintPicture({14, 420}, sprite);
    const QImage shown = canvas.composed();
    EXPECT_EQ(shown.pixelColor(14, 420), QColor(Qt::green));
    EXPECT_EQ(shown.pixelColor(30, 436), QColor(Qt::red));
    EXPECT_EQ(canvas.dirtyRect(), QRect(14, 420, 32, 32));
}

// A print redraws the scene at the printer's scale: every drawing keeps its place in scene
// pixels, and a print on white drops the place's picture and darkens the axes.
TEST(Canvas, ScaledDrawingKeepsTheSceneGeometry)
{
    Canvas canvas(409, 800);
    canvas.replacePersistent(plainPicture(Qt::darkGreen));
    canvas.line(100, 100, 200, 100, Qt::red);
    canvas.commit();
    canvas.clear();
    drawAxes(canvas, Qt::yellow, false);
    QImage square(8, 8, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::blue);
    canvas.paintPicture(QPoint(300, 300), square);
    for (const int s : {1, 2, 4}) {
        for (const Canvas::Ink ink : {Canvas::Ink::Screen, Canvas::Ink::White}) {
            QImage printed(409 * s, 800 * s, QImage::Format_RGB32);
            QPainter p(&printed);
            p.scale(s, s);
            canvas.paintScaled(p, ink);
            p.end();
            const bool white = ink == Canvas::Ink::White;
            const QColor axis = white ? Canvas::darkInk() : QColor(Qt::yellow);
            const QColor ground = white ? QColor(Qt::white) : QColor(Qt::darkGreen);
            EXPECT_EQ(printed.pixelColor(30 * s, 300 * s), axis) << s;
            EXPECT_EQ(printed.pixelColor(31 * s - 1, 300 * s), axis) << s;
            EXPECT_EQ(printed.pixelColor(30 * s - 1, 300 * s), ground) << s;
            EXPECT_EQ(printed.pixelColor(31 * s, 300 * s), ground) << s;
            EXPECT_EQ(printed.pixelColor(150 * s, 100 * s), QColor(Qt::red)) << s;
            EXPECT_EQ(printed.pixelColor(300 * s, 300 * s), QColor(Qt::blue)) << s;
            EXPECT_EQ(printed.pixelColor(308 * s - 1, 308 * s - 1), QColor(Qt::blue)) << s;
            EXPECT_EQ(printed.pixelColor(308 * s, 300 * s), ground) << s;
        }
    }
    EXPECT_EQ(canvas.composed().pixelColor(30, 300), QColor(Qt::yellow)) << "the scene itself";
}

// On a scaled screen the scene is drawn at the device's pixels: each drawing covers its scene
// pixels times the ratio, what is committed later reaches the kept picture, and the layers are
// drawn again only over the area asked for.
TEST(Canvas, ScaledViewDrawsAtTheDevicesPixels)
{
    Canvas canvas(409, 800);
    canvas.replacePersistent(plainPicture(Qt::darkGreen));
    drawAxes(canvas, Qt::yellow, false);
    QImage square(8, 8, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::blue);
    canvas.paintPicture(QPoint(300, 300), square);
    for (const qreal r : {1.0, 1.5, 2.0}) {
        ScaledView view(canvas);
        QImage device(int(std::ceil(409 * r)), int(std::ceil(800 * r)), QImage::Format_RGB32);
        device.setDevicePixelRatio(r);
        device.fill(Qt::black);
        const auto paint = [&](const QRect &area) {
            QPainter p(&device);
            view.paint(p, area, r);
        };
        // The device pixel under the centre of scene pixel (x, y).
        const auto at = [&](int x, int y) {
            return device.pixelColor(int((x + 0.5) * r), int((y + 0.5) * r));
        };
        paint(canvas.persistent().rect());
        EXPECT_EQ(at(30, 300), QColor(Qt::yellow)) << r;
        EXPECT_EQ(device.pixelColor(int(30 * r), int(300 * r)), QColor(Qt::yellow)) << r;
        EXPECT_EQ(at(29, 300), QColor(Qt::darkGreen)) << r;
        EXPECT_EQ(at(31, 300), QColor(Qt::darkGreen)) << r;
        EXPECT_EQ(device.pixelColor(int(300 * r), int(300 * r)), QColor(Qt::blue)) << r;
        EXPECT_EQ(device.pixelColor(int(308 * r) - 1, int(308 * r) - 1), QColor(Qt::blue)) << r;
        EXPECT_EQ(device.pixelColor(int(308 * r), int(304 * r)), QColor(Qt::darkGreen)) << r;

        canvas.commit();
        canvas.clear();
        canvas.line(100, 100, 200, 100, Qt::red);
        device.fill(Qt::black);
        paint(QRect(90, 90, 120, 20));
        EXPECT_EQ(at(150, 100), QColor(Qt::red)) << r;
        EXPECT_EQ(at(150, 101), QColor(Qt::darkGreen)) << r;
        EXPECT_EQ(at(30, 300), QColor(Qt::black)) << r << ": outside the area, nothing is painted";
        canvas.clear();
        paint(canvas.persistent().rect());
        EXPECT_EQ(at(150, 100), QColor(Qt::darkGreen)) << r << ": a cleared line is gone";
        EXPECT_EQ(at(30, 300), QColor(Qt::yellow)) << r << ": the committed axes stay";
        canvas.line(100, 100, 200, 100, Qt::red);
        canvas.commit();
        canvas.clear();
        paint(canvas.persistent().rect());
        EXPECT_EQ(at(150, 100), QColor(Qt::red)) << r << ": committed later, kept";
        // A new place drops what was committed.
        canvas.replacePersistent(plainPicture(Qt::darkGreen));
        paint(canvas.persistent().rect());
        EXPECT_EQ(at(150, 100), QColor(Qt::darkGreen)) << r;
        drawAxes(canvas, Qt::yellow, false);
        canvas.paintPicture(QPoint(300, 300), square);
    }
    EXPECT_EQ(canvas.persistent().size(), QSize(409, 800)) << "the scene itself stays at 1x";
}
