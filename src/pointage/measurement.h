#pragma once

#include "core/controls.h"
#include "pointage/calibration.h"
#include "pointage/scheme.h"
#include "core/exporttable.h"
#include "exchange/table.h"

#include <QPoint>
#include <QPointF>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// The pupil's measurement on a chronophotograph: the points placed on the photographs, their
// times and positions, the velocities and velocity variations computed from them by the chosen
// differences, and the checks against the true positions. Fed by a real photograph or video, it
// converts with the picture's calibration and dates each point by its frame. Headless.
namespace orbane::pointage {

using exporttable::PhotoPosition;

// Within this distance of the true position (m), a point counts as placed on its photograph.
inline constexpr double kTolerance = 0.10;
// A real photograph takes at most this many points.
inline constexpr std::size_t kMaxPoints = 10000;

class Measurement
{
public:
    // The photographs as the flight took them; the projectile's mass (kg) and the place's g.
    Measurement(std::vector<PhotoPosition> photos, double masse, double g);

    const std::vector<PhotoPosition> &photos() const { return m_photos; }
    double masse() const { return m_masse; }
    double g() const { return m_g; }
    // The interval between two photographs (s), as the flight took them.
    double tau() const { return m_tau; }

    // A real picture: its calibration instead of the scene's scale; τ for a photograph (s).
    void setCalibration(const Calibration &c) { m_calibration = c; }
    const std::optional<Calibration> &calibration() const { return m_calibration; }
    void setTau(double tau) { m_tau = tau; }
    // A video: each point is dated by its frame, at these times (s, from the time origin).
    void setFrameTimes(std::vector<double> times) { m_frameTimes = std::move(times); }
    const std::vector<double> &frameTimes() const { return m_frameTimes; }
    bool dated() const { return !m_frameTimes.empty(); }
    void setScheme(Scheme s) { m_scheme = s; }
    Scheme scheme() const { return m_scheme; }
    void setMass(double masse) { m_masse = masse; }
    void setG(double g) { m_g = g; }

    // Points, in picture pixels (a click gives whole pixels), one per photograph at most, in
    // order; on a video, one per frame at most, in the frames' order.
    int count() const { return int(m_points.size()); }
    bool full() const;
    bool add(QPointF pixel);
    // On a video: the point of `frame`, in its place; a point already there is moved.
    bool add(QPointF pixel, int frame);
    void undo();
    void clear() { m_points.clear(); m_frames.clear(); }
    // All the points, to keep and bring back (undo, redo); on a video, with their frames.
    const std::vector<QPointF> &points() const { return m_points; }
    const std::vector<int> &frames() const { return m_frames; }
    void setPoints(std::vector<QPointF> points, std::vector<int> frames = {});
    int frame(int i) const { return dated() ? m_frames.at(std::size_t(i)) : i; }
    // The point placed on `frame`, if any.
    std::optional<int> pointOnFrame(int frame) const;
    QPointF pixel(int i) const { return m_points.at(std::size_t(i)); }
    // Where photograph i stands on the scene (pixels): its centre.
    QPointF photoPixel(int i) const;

    double time(int i) const;
    QPointF position(int i) const; // m, y upward
    // Any picture pixel in metres, as a point placed there would read.
    QPointF toMetres(QPointF pixel) const;
    // A vector (m, m.s⁻¹, N) as a direction on the picture, y downward, same length; and back.
    QPointF onPicture(QPointF vector) const;
    QPointF fromPicture(QPointF vector) const;
    // Centred: v_i = (M_{i+1} - M_{i-1}) / (t_{i+1} - t_{i-1}), for the points with two
    // neighbours; forward: v_i = (M_{i+1} - M_i) / (t_{i+1} - t_i).
    std::optional<QPointF> velocity(int i) const;
    // Centred: Δv_i = v_{i+1} - v_{i-1}; forward: v_{i+1} - v_i; where both velocities exist.
    std::optional<QPointF> deltaV(int i) const;
    // m·Δv_i / Δt, Δt the span of Δv_i: the force the second law gives (N).
    std::optional<QPointF> force(int i) const;
    double weight() const { return m_masse * m_g; } // P = m·g (N)
    // The median length of m·Δv/Δt over the points that have it: a point whose Δv spans an
    // impact on the ground, or a badly placed point, does not pull it away.
    std::optional<double> typicalForce() const;

    // In the air: f at each photograph's time (N, y upward), as the flight took them.
    void setDrag(std::vector<QPointF> forces) { m_drag = std::move(forces); }
    bool inAir() const { return !m_drag.empty(); }
    // P + f at photograph i (N, y upward); P alone in the vacuum.
    QPointF resultant(int i) const;
    // The median length of P + f over the points that have m·Δv/Δt, to compare with it.
    std::optional<double> typicalResultant() const;

    // Distance (m) from point i to the true position of photograph i.
    double distance(int i) const;
    int withinTolerance() const;

private:
    std::optional<double> medianLength(const std::function<std::optional<QPointF>(int)> &at) const;
    // The points a difference at i spans, by the scheme: (i-1, i+1) or (i, i+1).
    std::pair<int, int> span(int i) const;
    double duration(int from, int to) const;

    std::vector<PhotoPosition> m_photos;
    double m_masse, m_g, m_tau;
    std::optional<Calibration> m_calibration;
    std::vector<double> m_frameTimes;
    Scheme m_scheme = Scheme::Centred;
    std::vector<QPointF> m_points;
    std::vector<int> m_frames;
    std::vector<QPointF> m_drag;
};

// A drawn velocity vector compared with the computed one: direction within 5°, length within
// 10 %; the verdict in French ("Correct", "trop long", "direction à revoir"...).
struct VectorCheck
{
    bool directionOk = false, lengthOk = false;
    QString verdict;
};
VectorCheck checkVector(QPointF drawn, QPointF computed);

// The measured table for spreadsheets and Python: t x y vx vy v dvx dvy mdvdt, the cells that
// cannot be computed left empty.
exchange::Table table(const Measurement &m);

// The colours of the vectors in the program's swatches (velocity, Δv, weight).
struct VectorColours
{
    Rgb velocity = Controls::defaultColours()[0];
    Rgb variation = Controls::defaultColours()[1];
    Rgb weight = Controls::defaultColours()[7];
};
VectorColours coloursOf(const Controls &c);

// A Python 3 program (matplotlib) with the measured lists, commented in French, that computes
// the velocities and their variations by centred differences, prints m·Δv/Δt beside P and draws
// v, m·Δv/Δt and P in the program's colours, inside the axes, with decimal commas; it saves its
// figure beside itself.
QString pythonProgram(const Measurement &m, const VectorColours &colours = {});
// Its figure, also the notebook's: the points and the vectors in the program's colours, every
// arrow inside the axes, decimal commas. Uses the lists x, y, vx, vy, fx, fy, px, py, the
// points iv, idv, ip that have them, P, virgule() and the colours' variables.
QString pythonVectorFigure();

} // namespace orbane::pointage
