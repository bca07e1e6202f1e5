#pragma once

#include "graphs/ranges.h"
#include "graphs/surface.h"

namespace orbane::graphs {

// Where the frame of a graph goes: the live graph and the graph window differ only in these.
struct FrameGeometry
{
    double timeWidth;      // units from t = 0 (x = 20) to the end of the time range
    double valueHeight;    // units of the value range
    double bottom;         // zero line when nothing is negative; foot of the grid
    double middle;         // zero line when some value is negative
    double axisEnd;        // tip of the time axis; the scale texts and legend start here
    double timeTextTop;    // top of the time scale text when nothing is negative
    double timeTextTopNeg; // ... and when some value is negative
};

inline constexpr double kPlotLeft = 20.0; // t = 0
inline constexpr double kPlotTop = 20.0;  // top of the value range

// The zero line of the values for these ranges.
double zeroLine(const FrameGeometry &g, const Ranges &r);

// Grid, both axes, the two scale texts and the legend of the chosen quantities.
void drawFrame(Surface &surface, const FrameGeometry &g, const Ranges &r, const Choice &choice);

// Horizontal pixel of time t, vertical pixel of value v (in the surface's units).
double timeToX(const FrameGeometry &g, const Ranges &r, double t);
double valueToY(const FrameGeometry &g, const Ranges &r, double v);

// The piece from t1 to t2 of each chosen quantity's curve, in its colour.
void drawCurvePieces(Surface &surface, const FrameGeometry &g, const Ranges &r,
                     const Flight &flight, const Choice &choice, double t1, double t2);

} // namespace orbane::graphs
