#pragma once

#include "app/panels.h"

#include <QRect>
#include <array>
#include "core/controls.h"

class QPainter;

namespace orbane {

// The texts and drawings each panel paints around its controls.
// boxes: Text1..Text4.
void paintParametersPanel(QPainter &p, const std::array<QRect, 4> &boxes, Rgb velocityColour);

// Where the vectors panel's painted texts stand.
struct VectorsLayout
{
    QRect swatch2, swatch3, label9;
    QPoint line1Start, line2Start;
};
void paintVectorsPanel(QPainter &p, const VectorsLayout &at, const Controls &c);
void paintChronoPanel(QPainter &p, const QRect &intervalBox, int textLeft);

} // namespace orbane
