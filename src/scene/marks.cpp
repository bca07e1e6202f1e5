#include "core/tables.h"
#include "scene/scenerenderer.h"

#include <algorithm>
#include <cmath>

namespace orbane {

void SceneRenderer::recordMark()
{
    const QPointF p = base(true);
    PhotoMark mark;
    mark.x = qint16(std::nearbyint(p.x()));
    mark.y = qint16(std::nearbyint(p.y()));
    mark.coul1 = m_sim.c.Label4[8];
    mark.coul2 = m_sim.c.Label4[6];
    mark.proj = m_sim.c.Check[11];
    m_marks.add(mark); // past 32 767 marks the recording stops
}

void drawMark(Canvas &canvas, const PhotoMark &mark)
{
    const int x = mark.x, y = mark.y;
    if (mark.proj) {
        // Small crosses on the axes.
        const int ax = int(scene::kOriginX), ay = int(scene::kOriginY);
        const QColor c1 = QColor::fromRgb(mark.coul1);
        canvas.line(ax - 3, y, ax + 3, y, c1);
        canvas.line(ax, y - 3, ax, y + 3, c1);
        canvas.line(x - 3, ay, x + 3, ay, c1);
        canvas.line(x, ay - 3, x, ay + 3, c1);
    }
    const QColor c2 = QColor::fromRgb(mark.coul2);
    canvas.line(x - 3, y, x + 3, y, c2);
    canvas.line(x, y - 3, x, y + 3, c2);
}

// The older marks never change: they are drawn once into a cached layer.
void SceneRenderer::syncMarksCache()
{
    const PhotoMarks &marks = m_marks;
    const int older = marks.nbphotos() - 1;
    if (marks.generation != m_cachedGeneration || older < m_cachedMarks) {
        m_canvas.clearLayer(Canvas::Layer::MarksCache);
        m_cachedMarks = 0;
        m_cachedGeneration = marks.generation;
    }
    m_canvas.setTarget(Canvas::Layer::MarksCache);
    for (; m_cachedMarks < older; ++m_cachedMarks)
        drawMark(m_canvas, marks.marks[m_cachedMarks]);
}

void SceneRenderer::lespoints()
{
    PhotoMarks &marks = m_marks;
    if (marks.marks.empty())
        return;
    // The most recent mark follows the current colours and projection option.
    PhotoMark &latest = marks.marks.back();
    latest.coul1 = m_sim.c.Label4[8];
    latest.coul2 = m_sim.c.Label4[6];
    latest.proj = m_sim.c.Check[11];

    m_canvas.setPenWidth(2);
    m_canvas.setPenStyle(Canvas::PenStyle::Solid);
    syncMarksCache();
    m_canvas.setMarksShown(true);
    m_canvas.setTarget(Canvas::Layer::LatestMark);
    m_canvas.clearLayer(Canvas::Layer::LatestMark);
    drawMark(m_canvas, latest);
    m_canvas.setTarget(Canvas::Layer::Transient);
    m_canvas.setPenWidth(1);
    done();
}

} // namespace orbane
