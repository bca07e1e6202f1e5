#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <vector>

// Synthetic classroom videos for tests: a ball thrown in front of a textured background, drawn
// at known positions and times, encoded with libavcodec.
namespace orbane::testvideo {

// x(t) = x0 + v0x t, y(t) = y0 + v0y t - g t²/2 in metres (y up), seen at `scale` pixels per
// metre with the world's origin at `origin` (pixels, y down).
struct Throw
{
    QPointF origin{30, 200};
    double x0 = 0, y0 = 0, v0x = 3, v0y = 4, g = 9.81;
    double scale = 100;
    QPointF at(double t) const;
};

struct Scene
{
    QSize size{320, 240};
    Throw flight;
    int count = 20;              // frames, at `rate` per second unless `times` is given
    int rate = 25;
    std::vector<double> times;   // s, one per frame (irregular videos)
    double radius = 10;
    QColor ball{235, 70, 20};
    double noise = 0;            // standard deviation of Gaussian pixel noise (levels of 255)
    double blur = 0;             // standard deviation of a Gaussian blur, pixels
    QRect cover;                 // a grey patch in front of the ball (none when empty)
    unsigned seed = 7;
};

struct Frames
{
    std::vector<QImage> images;  // Format_RGB32
    std::vector<QPointF> centres; // the ball's true centre, the pixel (i, j) being at (i, j)
    std::vector<double> times;
    int rate = 0;                // frames per second when regular, 0 for `times`
};

Frames render(const Scene &scene);
// The same frames with Gaussian pixel noise of their own: many noisy videos from one rendering.
Frames withNoise(const Frames &clean, double sigma, unsigned seed);

bool hasEncoder(const char *name);
// Encodes with the FFmpeg encoder `encoder` ("mpeg4", "mjpeg", "libx264", "libvpx") into the
// container that `path`'s extension names. `rotation` (clockwise degrees) goes into the
// stream's display matrix. Returns an error text, empty on success.
QString encode(const Frames &frames, const QString &path, const char *encoder, int rotation = 0);

// Where a point of a W x H picture lands once the picture is turned 90° clockwise.
inline QPointF turnedClockwise(QPointF p, int height) { return {height - 1 - p.y(), p.x()}; }

} // namespace orbane::testvideo
