#pragma once

#include "app/panels.h"
#include "core/controls.h"

class QPainter;

namespace orbane {

// The texts and drawings each panel paints around its controls.
void paintParametersPanel(QPainter &p, const PanelControls &pc, Rgb velocityColour);
void paintVectorsPanel(QPainter &p, const PanelControls &pc, const Controls &c);
void paintChronoPanel(QPainter &p, const PanelControls &pc);

} // namespace orbane
