#pragma once

#include "scene/damage.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <array>
#include <memory>
#include <vector>

namespace orbane {

// The scene surface: a persistent picture (the place's picture plus what was committed) under
// a transient layer that every redraw clears and rebuilds. Two more layers sit on top for the
// chronophotography marks: a cache of the older marks, drawn once each, and the most recent
// mark, redrawn on every pass. Under the transient layer, the ghost holds a drawing that stays
// until it is cleared (the vacuum's flight). All drawing is aliased, in pixels.
class Canvas
{
public:
    enum class PenStyle { Solid, Dot };
    // What a line stands for, so that a print on white can darken the axes and grid.
    enum class Role { Drawing, Axes };
    // How a scaled drawing looks: as on screen, or on white without the place's picture.
    enum class Ink { Screen, White };
    // A text drawn as a picture. Drawn again at another scale, it is written again at that
    // scale, so a name stays sharp on a projector and on paper.
    struct Lettering
    {
        QString text;
        QFont font;
        QColor colour;
        QPoint baseline; // where the text starts, from the picture's top-left corner
    };
    // A drawing kept to be drawn again at another scale.
    struct Stroke
    {
        DrawOp op;
        QImage picture;
        Role role = Role::Drawing;
        std::shared_ptr<const Lettering> lettering;
    };
    // The persistent picture with what it is made of: saved before a print, put back after.
    struct Persistent
    {
        QImage picture;
        QImage place;
        std::vector<Stroke> strokes;
    };
    enum class Layer { Transient = 0, MarksCache = 1, LatestMark = 2, Ghost = 3 };
    static constexpr int kLayers = 4;

    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    int width() const { return m_persistent.width(); }
    int height() const { return m_persistent.height(); }

    // Loads a picture as the persistent picture, over the surface's grey background.
    void replacePersistent(const QImage &picture);
    // Drops the transient drawing (the marks disappear until they are drawn again).
    void clear();
    // Copies the current appearance into the persistent picture. Only the part drawn since the
    // last clear is copied: the rest is identical already.
    void commit();

    // Where the next lines and pictures go (the transient layer by default).
    void setTarget(Layer layer);
    void clearLayer(Layer layer);
    void setMarksShown(bool shown);

    void setPenWidth(int width) { m_penWidth = width; }
    void setPenStyle(PenStyle style) { m_penStyle = style; }
    void setRole(Role role) { m_role = role; }

    void line(double x1, double y1, double x2, double y2, const QColor &colour);
    void paintPicture(const QPoint &topLeft, const QImage &picture,
                      std::shared_ptr<const Lettering> lettering = {});

    const QImage &persistent() const { return m_persistent; }
    const QImage &layerImage(Layer layer) const { return m_layers[index(layer)].image; }
    // The part of a layer drawn since it was last cleared (empty when the layer is hidden).
    QRegion layerRegion(Layer layer) const;
    const QImage &transient() const { return layerImage(Layer::Transient); }
    QRect dirtyRect() const;

    // Paints the visible layers over `target`, restricted to `area` (the widget's paint, whose
    // painter is clipped to what needs painting).
    void paintOver(QPainter &target, const QRect &area) const;
    // What may look different since the last call; a view repaints only that.
    QRegion takeDamage() { return m_damage.take(m_persistent.rect()); }
    // The surface as it looks.
    QImage composed() const;

    Persistent savePersistent() const;
    void restorePersistent(const Persistent &saved);
    // Draws the surface again through `target`, whose transform maps scene pixels to the
    // device: lines are drawn as lines and pictures as pictures, so a print at the printer's
    // resolution stays sharp. The scene's own pixels are not touched.
    void paintScaled(QPainter &target, Ink ink) const;
    // The two halves of paintScaled, for a view that keeps the persistent picture at its own
    // resolution: the surface, the place's picture and the committed strokes from the
    // `from`-th on (from 0, the surface and the place too); then the visible layers' drawings
    // that meet `area`.
    void paintPersistentScaled(QPainter &target, std::size_t from, Ink ink) const;
    void paintLayersScaled(QPainter &target, const QRect &area, Ink ink) const;
    std::size_t committedStrokes() const { return m_strokes.size(); }
    // Changes whenever the persistent picture is replaced: strokes counted before are gone.
    quint64 persistentGeneration() const { return m_generation; }
    static QColor darkInk() { return {40, 40, 40}; }

private:
    struct LayerData
    {
        QImage image;
        // Kept as separate rectangles, possibly overlapping, so long thin lines (axes, grid)
        // do not make the whole canvas dirty; past a few dozen they become one bounding
        // rectangle. Merged into a region only where overlaps matter (blending).
        std::vector<QRect> dirty;
        QRect bounds;
        std::vector<Stroke> strokes; // what was drawn, in order
        std::size_t committed = 0;   // strokes already copied into the persistent picture
    };
    static int index(Layer layer) { return int(layer); }
    // The layers a redraw rebuilds, whose damage is the drawings that changed; the others
    // report what they gain or lose as rectangles.
    static bool rebuilt(Layer layer)
    {
        return layer == Layer::Transient || layer == Layer::LatestMark;
    }
    bool layerShown(Layer layer) const { return layer != Layer::MarksCache || m_marksShown; }
    QPainter &painter();
    void endPainting() const;
    void touch(const DrawOp &op);
    void record(const DrawOp &op, const QImage &picture = {},
                std::shared_ptr<const Lettering> lettering = {});
    static QColor inkOf(const Stroke &stroke, Ink ink);
    static void replayPicture(QPainter &target, const Stroke &stroke);
    void replay(QPainter &target, const std::vector<Stroke> &strokes, std::size_t from, Ink ink,
                const QRect &area = {}) const;

    QImage m_persistent;
    QImage m_place;                // the picture the persistent one started from
    std::vector<Stroke> m_strokes; // committed over it since
    quint64 m_generation = 0;
    Role m_role = Role::Drawing;
    std::array<LayerData, kLayers> m_layers;
    Layer m_target = Layer::Transient;
    mutable std::unique_ptr<QPainter> m_painter;
    bool m_marksShown = true;
    Damage m_damage;
    int m_penWidth = 1;
    PenStyle m_penStyle = PenStyle::Solid;
};

} // namespace orbane
