#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

namespace orbane {

// The scene surface: a persistent picture (the place's picture plus what was committed) under
// a transient layer that every redraw clears and rebuilds. All drawing is aliased, in pixels.
class Canvas
{
public:
    enum class PenStyle { Solid, Dot };

    Canvas(int width, int height);

    int width() const { return m_persistent.width(); }
    int height() const { return m_persistent.height(); }

    // Loads a picture as the persistent picture, over the surface's grey background.
    void replacePersistent(const QImage &picture);
    // Drops the transient layer.
    void clear();
    // Copies the current appearance into the persistent picture. Only the part drawn since the
    // last clear is copied: the rest is identical already.
    void commit();

    void setPenWidth(int width) { m_penWidth = width; }
    int penWidth() const { return m_penWidth; }
    void setPenStyle(PenStyle style) { m_penStyle = style; }
    PenStyle penStyle() const { return m_penStyle; }

    void line(double x1, double y1, double x2, double y2, const QColor &colour);
    void paintPicture(const QPoint &topLeft, const QImage &picture);

    const QImage &persistent() const { return m_persistent; }
    const QImage &transient() const { return m_transient; }
    QRect dirtyRect() const { return m_dirty; }
    // The surface as it looks: persistent picture with the transient layer over it.
    QImage composed() const;

private:
    void touch(const QRect &r);

    QImage m_persistent;
    QImage m_transient;
    QRect m_dirty;
    int m_penWidth = 1;
    PenStyle m_penStyle = PenStyle::Solid;
};

} // namespace orbane
