#pragma once

#include "core/simulation.h"
#include "scene/canvas.h"
#include "scene/picturestore.h"
#include "scene/sprites.h"

#include <QColor>
#include <QObject>
#include <QPointF>
#include <functional>
#include <memory>
#include <optional>

namespace orbane {

// Draws the scene for the simulation's state on the canvas: axes, vectors, trajectory,
// chronophotographs. The simulation calls it through SceneHooks; the widget only shows it.
// The head of the vector (cpx, cpy) based at (bpx, bpy): two strokes from its tip, 10 pixels
// back along the shaft and 5 pixels to either side.
struct ArrowHead
{
    QPointF tip, left, right;
};
ArrowHead arrowHead(double bpx, double bpy, double cpx, double cpy);

// The axes with a tick every metre, or with the dotted one-metre grid.
void drawAxes(Canvas &canvas, const QColor &colour, bool grid);
// A chronophotography mark: a cross at the centre, and its projections on the axes.
void drawMark(Canvas &canvas, const PhotoMark &mark);
// The vacuum's flight from its launch to its landing, dashed, clipped to the scene.
void drawGhost(Canvas &canvas, const Flight &vacuum);

class SceneRenderer : public QObject, public SceneHooks
{
    Q_OBJECT
public:
    explicit SceneRenderer(Simulation &sim, QObject *parent = nullptr);

    Canvas &canvas() { return m_canvas; }
    const Canvas &canvas() const { return m_canvas; }
    const QImage &projectilePicture() const { return sprites().projectile(m_sim.c.Combo2); }
    const QImage &shadowPicture() const { return sprites().shadow(m_sim.c.Combo2); }

    // SceneHooks.
    bool loadBackground(const QString &path) override;
    void clearScene() override;
    void repere() override;
    void lespoints() override;
    void majaff() override;
    void forgetMarks() override;
    void breakTrajectory() override;

    // The chronophotographs' marks, as recorded in mark mode.
    const PhotoMarks &marks() const { return m_marks; }
    // Records a mark as a photograph in mark mode does; false past PhotoMarks::kMax.
    bool recordMark(const PhotoMark &mark) { return m_marks.add(mark); }
    // What the chronophotographs left on the scene, to bring it back after "Effacer".
    struct Kept
    {
        QImage persistent;
        PhotoMarks marks;
    };
    Kept kept() const { return {m_canvas.persistent(), m_marks}; }
    void restore(const Kept &kept);
    // The vacuum's flight shown beside the last flight in the air ("Comparer avec le vide"),
    // in its own colour; nothing when it is not shown.
    std::optional<Flight> ghost() const;
    static QColor ghostColour() { return {170, 120, 255}; }
    // The vectors being drawn are frozen into a photograph.
    bool vectorsFrozen() const { return m_vectorsFrozen; }

    // Arrow head of the vector (cpx, cpy) based at (bpx, bpy).
    void fleche(double bpx, double bpy, double cpx, double cpy, const QColor &kcolo);
    void vecteurV();
    void poids();
    void deltaV();
    void constdeltaV();
    void secondLaw();
    void tracetraj();

    // The scene as the chronophotographs left it, to measure on: the place's picture, the
    // axes and grid when shown, and each photograph (the projectile's picture or its mark),
    // without trajectory or vectors.
    // `at` draws the same again at `ratio` device pixels per scene pixel (its device pixel
    // ratio set), for a scaled screen, as the scene stood when this was asked.
    struct Chronophotograph
    {
        QImage picture;
        std::function<QImage(qreal ratio)> at;
    };
    Chronophotograph chronophotograph() const;

    // Velocity at time tau in the surface's orientation (y downward), m.s-1.
    QPointF velocityAt(double tau) const;
    // The projectile's centre in pixels; clamped to the ground line when asked.
    QPointF base(bool clampToGround) const;

signals:
    void canvasChanged();

private:
    const Sprites &sprites() const;
    QColor swatch(int i) const;
    bool vectorsHidden() const;
    // Half the interval of the velocity variation, in s.
    double halfInterval() const;
    void drawVectors();
    void paintProjectileAt(double left, double top);
    void paintProjections();
    void recordMark();
    void startTrajectory();
    int penWidth() const { return m_sim.c.Check[10] ? 2 : 1; }
    void keepGhost();
    // The ghost layer follows the option, the place, the projectile and the pen's width.
    void syncGhost();
    void syncMarksCache();
    void done();

    Simulation &m_sim;
    Canvas m_canvas;
    mutable PictureStore m_pictures;
    mutable Sprites m_sprites;
    mutable bool m_spritesRead = false;
    // What the redraw keeps from one drawing to the next.
    PhotoMarks m_marks;
    bool m_trajectoryGoesOn = false; // a previous trajectory point exists
    QPointF m_previous;              // the trajectory's previous point
    bool m_photoPending = true;      // this tick's photograph is still to be made
    bool m_vectorsFrozen = false;
    struct Ghost
    {
        Flight vacuum;
        int projectile; // Combo2 at the launch
    };
    std::optional<Ghost> m_ghost; // the last launch in the air
    int m_ghostWidth = 0;         // the pen width the ghost layer is drawn with; 0 when empty
    int m_cachedMarks = 0;
    quint64 m_cachedGeneration = 0;
};

} // namespace orbane
