#include "scene/scenerenderer.h"

#include "core/tables.h"

#include <algorithm>
#include <cmath>

namespace orbane {

namespace {
// What the first drawing needs: the projectiles and the place the program starts on (the
// list's first). Other places are read when chosen: reading them all at start-up slows the
// start on two cores.
QStringList startupPictures(const QString &programDir)
{
    return Sprites::files(programDir)
           << programFile(programDir, QString::fromLatin1(places().front().picture));
}
} // namespace

SceneRenderer::SceneRenderer(Simulation &sim, QObject *parent)
    : QObject(parent), m_sim(sim), m_canvas(scene::kCanvasWidth, scene::kCanvasHeight),
      m_pictures(startupPictures(sim.programDir()))
{
    connect(&sim, &Simulation::launched, this, &SceneRenderer::startTrajectory);
    connect(&sim, &Simulation::photographed, this, [this] { m_photoPending = true; });
}

// The trajectory of a launch starts at the picture's centre at the initial position.
void SceneRenderer::startTrajectory()
{
    keepGhost();
    m_trajectoryGoesOn = true;
    if (const auto x0 = m_sim.launch.x0)
        m_previous.setX(scene::kPixelsPerMetre * *x0 + scene::kOriginLeft + scene::kHalfSize);
    if (const auto y0 = m_sim.launch.y0)
        m_previous.setY(scene::kGroundTop - scene::kPixelsPerMetre * *y0 + scene::kHalfSize);
}

void SceneRenderer::breakTrajectory() { m_trajectoryGoesOn = false; }

void SceneRenderer::forgetMarks() { m_marks.clear(); }

void SceneRenderer::restore(const Kept &kept)
{
    m_canvas.replacePersistent(kept.persistent);
    m_marks.clear(); // a new generation: the cache of marks is drawn again
    for (const PhotoMark &mark : kept.marks.marks)
        m_marks.add(mark);
}

const Sprites &SceneRenderer::sprites() const
{
    if (!m_spritesRead) {
        m_sprites.load(m_sim.programDir(), m_pictures);
        m_spritesRead = true;
    }
    return m_sprites;
}

QColor SceneRenderer::swatch(int i) const { return QColor::fromRgb(m_sim.c.Label4.at(i)); }

QPointF SceneRenderer::base(bool clampToGround) const
{
    const double x = scene::pixelX(m_sim.s.xy[0]);
    double y = scene::pixelY(m_sim.s.xy[1]);
    if (clampToGround)
        y = std::min(y, scene::kOriginY);
    return {x, y};
}

void SceneRenderer::done()
{
    emit canvasChanged();
}

bool SceneRenderer::loadBackground(const QString &path)
{
    const QImage picture = m_pictures.picture(path);
    if (picture.isNull())
        return false;
    m_canvas.replacePersistent(picture);
    m_canvas.clear();
    m_ghost.reset();
    syncGhost();
    done();
    return true;
}

void SceneRenderer::clearScene()
{
    m_canvas.clear();
    syncGhost();
    done();
}

void SceneRenderer::paintProjectileAt(double left, double top)
{
    m_canvas.paintPicture(QPoint(int(std::lround(left)), int(std::lround(top))),
                          projectilePicture());
}

// Copies of the projectile on the two axes.
void SceneRenderer::paintProjections()
{
    paintProjectileAt(16.0, m_sim.d.projTop);
    paintProjectileAt(m_sim.d.projLeft, scene::kGroundTop);
}

void SceneRenderer::tracetraj()
{
    const QPointF p = base(true);
    if (m_trajectoryGoesOn)
        m_canvas.line(m_previous.x(), m_previous.y(), p.x(), p.y(), swatch(5));
    else
        m_trajectoryGoesOn = true;
    m_previous = p;
}

// The vectors in their fixed order: velocity, construction, variation, weight, m·Δv/Δt.
void SceneRenderer::drawVectors()
{
    const auto &check = m_sim.c.Check;
    if (check[5])
        vecteurV();
    if (check[6] && check[7])
        constdeltaV();
    if (check[6])
        deltaV();
    if (check[12])
        poids();
    if (check[6] && check[7] && m_sim.c.secondLaw)
        secondLaw();
}

void SceneRenderer::majaff()
{
    const Controls &c = m_sim.c;
    const SimState &s = m_sim.s;
    const int width = penWidth();

    m_canvas.clear();
    syncGhost();
    m_canvas.setPenWidth(width);
    if (c.Check[8]) {
        tracetraj();
        m_canvas.commit();
    }
    m_vectorsFrozen = false;
    // A redraw asked for by an option between two ticks must not take the photograph again.
    const bool photo = s.photo == 1 && m_photoPending;
    m_photoPending = m_photoPending && !photo;
    if (c.Check[9] && photo) {
        if (!c.Check[2]) {
            if (c.Check[11])
                paintProjections();
            paintProjectileAt(m_sim.d.projLeft, m_sim.d.projTop);
        }
        m_vectorsFrozen = true;
        drawVectors();
        m_canvas.commit();
    }
    if (c.Check[2] && photo)
        recordMark();
    paintProjectileAt(m_sim.d.projLeft, m_sim.d.projTop);
    if (!c.Check[2] && photo && !m_vectorsFrozen) {
        if (c.Check[11])
            paintProjections();
        m_canvas.commit();
    }
    if (c.Check[1])
        repere();
    m_canvas.setPenWidth(width);
    if (!m_vectorsFrozen)
        drawVectors();
    m_canvas.setPenWidth(1);
    m_sim.sceneRedrawn();
    if (m_marks.nbphotos() > 0)
        lespoints();
    done();
}

} // namespace orbane
