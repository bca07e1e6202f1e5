#pragma once

#include <QPointF>

namespace orbane::pointage {

// "Étalonnage" of a photograph or a video: a segment of known length gives the scale, a point the
// origin, and the x axis is horizontal or along a line the pupil drew when the camera was not
// level. The y axis is the x axis turned a quarter turn upward on the picture. Picture pixels
// have y downward; metres have y upward. Headless.
struct Calibration
{
    QPointF scaleFrom, scaleTo; // ends of the object of known length (pixels)
    double length = 0.0;        // its length (m)
    QPointF origin;             // pixels
    bool tilted = false;        // the x axis along axisFrom → axisTo instead of horizontal
    QPointF axisFrom, axisTo;
    int timeOrigin = 0;         // the frame at t = 0

    // A scale segment of some length and a length typed; a tilted axis drawn.
    bool valid() const;
    double metresPerPixel() const;
    // The x axis's direction on the picture (unit, pixels, y downward), pointing rightward.
    QPointF xDirection() const;
    QPointF toMetres(QPointF pixel) const;
    QPointF toPixel(QPointF metres) const;
    // A vector in metres (or m.s⁻¹) as a direction on the picture, y downward, same length.
    QPointF onPicture(QPointF vector) const;
    QPointF fromPicture(QPointF vector) const;

    bool operator==(const Calibration &) const = default;
};

} // namespace orbane::pointage
