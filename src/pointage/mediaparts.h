#pragma once

#include "pointage/fit.h"
#include "pointage/mediasource.h"
#include "pointage/pointagewindow.h"

#include <QString>
#include <optional>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace orbane::pointage {

class CalibrationPanel;
class FrameBar;
class ResidualPlot;

// What the pointage window has on a real photograph or video only.
struct MediaParts
{
    MediaSource source;
    FrameBar *frames = nullptr;    // a video's
    QDoubleSpinBox *tau = nullptr; // a photograph's interval (ms)
    CalibrationPanel *calibration = nullptr;
    QDoubleSpinBox *mass = nullptr;
    QDoubleSpinBox *g = nullptr;
    QPushButton *track = nullptr; // "Suivi automatique": the next click starts it
    QLabel *status = nullptr;     // what the tracking did, where the video could not be read
    QCheckBox *air = nullptr;     // fit with the linear air resistance
    QLabel *fitText = nullptr;
    ResidualPlot *residuals = nullptr;
    QPushButton *simulate = nullptr;
    std::optional<FitResult> fit; // the last fit, while the points it was made on stand
    Marks fitMarks;
    QString measurePath;          // the measurement file last saved or opened
};

// What "Simuler ce lancer" hands to the main window: the fitted launch, in m, m.s⁻¹ and degrees,
// the place whose g is nearest (Terre when none is near) and, with the air, k.
struct FittedLaunch
{
    double x0 = 0, y0 = 0, v0 = 0, alpha = 0, g = 9.81;
    bool air = false;
    double k = 0; // kg.s⁻¹
};

} // namespace orbane::pointage
