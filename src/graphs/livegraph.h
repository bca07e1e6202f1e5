#pragma once

#include "graphs/frame.h"
#include "graphs/quantities.h"
#include "graphs/ranges.h"
#include "graphs/surface.h"

#include <utility>
#include <vector>

namespace orbane::graphs {

// The live graph `frame1`: a frame scaled to the whole flight, drawn before it, and the piece
// of each chosen curve added at every redraw during the free flight. Headless: it only draws
// on its picture, in the surface's units (the top-left pixel is (3, 3)).
class LiveGraph
{
public:
    static constexpr QSize kSize{357, 205};
    static constexpr QPoint kOrigin{3, 3};
    static const FrameGeometry kGeometry;

    enum class Outcome {
        Drawn,   // something was drawn
        Nothing, // nothing to draw
        Menu     // no quantity chosen: the choice panel must be shown
    };

    LiveGraph();

    // Clears the surface and draws the frame for the flight starting now.
    Outcome repgraphe(const Flight &flight, const Choice &choice);
    // Adds the pieces of curve of the time step that ended at `temps`.
    Outcome tracegraphe(const Flight &flight, const Choice &choice, double temps, double dt,
                        bool inBounce);

    const QImage &image() const { return m_surface.image(); }
    // From now on the frame and the pieces are also drawn on a picture of `ratio` device pixels
    // per pixel (none at 1), so that a scaled screen shows them at its own pixels.
    void setDeviceRatio(double ratio);
    // That picture, with its device pixel ratio set; null at ratio 1.
    const QImage &deviceImage() const { return m_device; }
    // The frame and the pieces drawn so far, again through a painter scaled to the picture's
    // pixels (a print).
    void paint(QPainter &painter) const;
    const Surface &surface() const { return m_surface; }
    // With a flight in the air, each chosen quantity's curve in the vacuum from the same launch,
    // dashed in its colour over the frame of the flight in the air (W(f) has none). Drawn again
    // at once when it changes; true then.
    bool showVacuum(bool shown);
    // The pixels of the image the pieces of curve drew since the last call.
    QRect takeDrawn() { return m_surface.takeDrawn(); }

    double tvol() const { return m_tvol; }
    const Ranges &ranges() const { return m_ranges; }
    bool axeneg() const { return m_ranges.axeneg; }
    int echt() const { return m_ranges.time.mantissa; }
    int expt() const { return m_ranges.time.exponent; }
    int echy() const { return m_ranges.value.mantissa; }

private:
    Outcome frame(const Flight &flight, const Choice &choice);
    void redrawDevice();
    // The frame, the vacuum's curves and the pieces drawn so far.
    void drawAll(Surface &surface) const;
    void drawVacuum(Surface &surface) const;

    Surface m_surface;
    QImage m_device;
    double m_deviceRatio = 1.0;
    double m_tvol = 0.0;
    Ranges m_ranges;
    bool m_framed = false; // a frame is drawn: pieces of curve may be added
    bool m_vacuum = false;
    // What the picture was drawn from, to draw it again.
    Flight m_flight{};
    Choice m_choice{};
    std::vector<std::pair<double, double>> m_pieces; // (t1, t2) of each piece drawn
};

} // namespace orbane::graphs
