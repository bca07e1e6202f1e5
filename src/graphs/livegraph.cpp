#include "graphs/livegraph.h"

#include "scene/dashes.h"

#include <algorithm>

namespace orbane::graphs {

const FrameGeometry LiveGraph::kGeometry{240.0, 180.0, 200.0, 110.0, 280.0, 120.0, 120.0};

namespace {
constexpr int kVacuumSamples = 480; // two a pixel of the time axis
constexpr dashes::Pattern kVacuumDash{4.0, 3.0};
} // namespace

LiveGraph::LiveGraph() : m_surface(kSize, kOrigin) {}

LiveGraph::Outcome LiveGraph::repgraphe(const Flight &flight, const Choice &choice)
{
    const Outcome outcome = frame(flight, choice);
    redrawDevice();
    return outcome;
}

LiveGraph::Outcome LiveGraph::frame(const Flight &flight, const Choice &choice)
{
    if (!anyChecked(choice))
        return Outcome::Menu;
    m_surface.clear();
    m_pieces.clear();
    m_flight = flight;
    m_choice = choice;
    // A flight time that cannot be computed leaves the surface empty, as a zero one does,
    // rather than scaling the new flight to an old one.
    m_tvol = flight.timeOfFlight().value_or(0.0);
    m_framed = false;
    if (m_tvol <= 0.0)
        return Outcome::Nothing;
    m_ranges = computeRanges(flight, choice, m_tvol);
    if (!m_ranges.found())
        return Outcome::Nothing;
    drawFrame(m_surface, kGeometry, m_ranges, choice);
    drawVacuum(m_surface);
    m_framed = true;
    return Outcome::Drawn;
}

bool LiveGraph::showVacuum(bool shown)
{
    if (shown == m_vacuum)
        return false;
    m_vacuum = shown;
    if (!m_framed || !m_flight.air)
        return false;
    m_surface.clear();
    drawAll(m_surface);
    redrawDevice();
    return true;
}

void LiveGraph::drawVacuum(Surface &surface) const
{
    if (!m_vacuum || !m_flight.air)
        return;
    const Flight vacuum = m_flight.vacuum();
    const double end = std::min(m_tvol, vacuum.timeOfFlight().value_or(0.0));
    const QRectF plot(kPlotLeft, kPlotTop, kGeometry.timeWidth, kGeometry.valueHeight);
    std::vector<QPointF> curve(std::size_t(kVacuumSamples) + 1);
    for (int i = 0; i < kQuantities; ++i) {
        if (!m_choice[i] || i == kDragWork)
            continue;
        for (int k = 0; k <= kVacuumSamples; ++k) {
            const double t = end * k / kVacuumSamples;
            curve[std::size_t(k)] = {timeToX(kGeometry, m_ranges, t),
                                     valueToY(kGeometry, m_ranges, value(i, vacuum, t))};
        }
        dashes::dashInside(curve, plot, kVacuumDash, [&](QPointF a, QPointF b) {
            surface.line(a.x(), a.y(), b.x(), b.y(), colour(i));
        });
    }
}

LiveGraph::Outcome LiveGraph::tracegraphe(const Flight &flight, const Choice &choice,
                                          double temps, double dt, bool inBounce)
{
    if (temps == 0.0 || inBounce)
        return Outcome::Nothing;
    if (!anyChecked(choice))
        return Outcome::Menu;
    if (!m_framed)
        return Outcome::Nothing;
    double t2 = temps;
    double t1 = temps - dt;
    if (t1 >= m_tvol)
        return Outcome::Nothing; // the bounces in the air, past the first landing
    if (t2 + dt > m_tvol)
        t2 = m_tvol; // the last piece before landing reaches the end of the flight
    if (t1 < 0.0)
        t1 = 0.0;
    drawCurvePieces(m_surface, kGeometry, m_ranges, flight, choice, t1, t2);
    if (!m_device.isNull()) {
        QPainter painter(&m_device);
        Surface device(painter, kSize, kOrigin);
        drawCurvePieces(device, kGeometry, m_ranges, flight, choice, t1, t2);
    }
    m_pieces.emplace_back(t1, t2);
    return Outcome::Drawn;
}

void LiveGraph::setDeviceRatio(double ratio)
{
    if (ratio == m_deviceRatio)
        return;
    m_deviceRatio = ratio;
    m_device = QImage();
    if (ratio == 1.0)
        return;
    m_device = QImage(kSize * ratio, QImage::Format_RGB32);
    m_device.setDevicePixelRatio(ratio);
    redrawDevice();
}

void LiveGraph::redrawDevice()
{
    if (m_device.isNull())
        return;
    QPainter painter(&m_device);
    paint(painter);
}

void LiveGraph::paint(QPainter &painter) const
{
    Surface surface(painter, kSize, kOrigin);
    surface.clear();
    if (m_framed)
        drawAll(surface);
}

void LiveGraph::drawAll(Surface &surface) const
{
    drawFrame(surface, kGeometry, m_ranges, m_choice);
    drawVacuum(surface);
    for (const auto &[t1, t2] : m_pieces)
        drawCurvePieces(surface, kGeometry, m_ranges, m_flight, m_choice, t1, t2);
}

} // namespace orbane::graphs
