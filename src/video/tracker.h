#pragma once

#include <QImage>
#include <QPointF>
#include <optional>
#include <vector>

// Following a ball from frame to frame after one click. Positions are in the picture's pixels,
// the pixel (i, j) being at (i, j).
namespace orbane::video {

struct TrackPoint
{
    int frame = 0;
    QPointF centre;
    double score = 0; // how well the ball's picture matched there (1 on the clicked frame)
};

// From a click on frame `start`, the ball's centre on frames start, start + step, … while it
// is found. Stops, without the lost frame, when the match is poor, when what is found no longer
// has the ball's colour, size and shape (hidden, or the background), or when it reaches the
// edge of the picture. Empty when there is no object under the click.
std::vector<TrackPoint> track(const std::vector<QImage> &frames, int start, QPointF click,
                              int step = 1, int maxPoints = 10000);

// The centre of the object of one colour under (or just beside) a click on one picture.
std::optional<QPointF> objectCentre(const QImage &frame, QPointF click);

} // namespace orbane::video
