#pragma once

#include <QPointF>
#include <QString>
#include <vector>

// "Modéliser": the measured points fitted by least squares to the motion in the vacuum or with
// the linear air resistance f = −k·v, with the standard uncertainty of every parameter. Headless.
namespace orbane::pointage {

// A measured point: t in s, x and y in m, y upward.
struct FitPoint
{
    double t = 0.0, x = 0.0, y = 0.0;
};

enum class FitModel {
    Vacuum,    // x = x0 + v0x t, y = y0 + v0y t − g t²/2
    LinearAir, // the same with λ = k/m (s⁻¹)
};

// A fitted value and its standard uncertainty.
struct Estimate
{
    double value = 0.0, sigma = 0.0;
};

struct FitResult
{
    FitModel model = FitModel::Vacuum;
    QString error; // why there is no fit, in French; empty when fitted
    bool ok() const { return error.isEmpty(); }

    Estimate x0, y0, v0x, v0y, g; // m, m.s⁻¹, m.s⁻²
    Estimate lambda;              // s⁻¹; 0 in the vacuum
    Estimate k;                   // kg.s⁻¹, m·λ for the mass given; 0 in the vacuum
    Estimate v0, alpha;           // m.s⁻¹, degrees above the x axis

    std::vector<QPointF> residuals; // measured − model at each point (m)
    double rms = 0.0;               // of the 2N residuals (m)

    // The model's position at t (m), to draw the fitted trajectory.
    QPointF positionAt(double t) const;
};

// At least 3 points at two different times or more.
FitResult fitVacuum(const std::vector<FitPoint> &points);
// At least 4 points; `masse` (kg) turns λ into k.
FitResult fitLinearAir(const std::vector<FitPoint> &points, double masse);

// "g = 9,7 ± 0,2 m.s⁻²": σ to one significant digit (two when it would be a 1), the value to
// the same decimal place, decimal comma. Without a usable σ, the value alone to 3 significant
// digits.
QString withUncertainty(const QString &symbol, double value, double sigma, const QString &unit);

} // namespace orbane::pointage
