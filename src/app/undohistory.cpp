#include "app/undohistory.h"

#include "core/options.h"
#include "core/simulation.h"
#include "scene/scenerenderer.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTimer>
#include <QUndoStack>
#include <QWidget>
#include <functional>

namespace orbane {

namespace {

// The controls that an undo brings back: the live graph's quantities are not among them.
Controls undoable(Controls c)
{
    c.Check13 = {};
    return c;
}

// A drag of the projectile moves it in many small steps: undone as one.
constexpr int kDragStep = 1;
constexpr qint64 kDragPauseMs = 500;

class ControlsStep final : public QUndoCommand
{
public:
    using Apply = std::function<void(const Controls &)>;
    ControlsStep(Apply apply, const Controls &before, const Controls &after, bool drag)
        : QUndoCommand(changeName(before, after)), m_apply(std::move(apply)), m_before(before),
          m_after(after), m_drag(drag)
    {
        m_since.start();
    }
    void undo() override { m_apply(m_before); }
    void redo() override
    {
        if (m_done) // the first time, the user made the change already
            m_apply(m_after);
        m_done = true;
    }
    int id() const override { return m_drag ? kDragStep : -1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const ControlsStep *>(other);
        if (next->m_before != m_after || m_since.elapsed() > kDragPauseMs)
            return false;
        m_after = next->m_after;
        m_since.start();
        return true;
    }

private:
    Apply m_apply;
    Controls m_before, m_after;
    bool m_drag;
    bool m_done = false;
    QElapsedTimer m_since; // since the drag last moved
};

class EffacerStep final : public QUndoCommand
{
public:
    EffacerStep(Simulation &sim, SceneRenderer &renderer)
        : QUndoCommand(QStringLiteral("« Effacer »")), m_sim(sim), m_renderer(renderer),
          m_kept(renderer.kept()), m_photographs(sim.photoPositions)
    {
    }
    void undo() override
    {
        m_renderer.restore(m_kept);
        m_sim.restorePhotographs(m_photographs);
    }
    void redo() override { m_sim.Command13_Click(); } // the first time too: it is the action

private:
    Simulation &m_sim;
    SceneRenderer &m_renderer;
    SceneRenderer::Kept m_kept;
    std::vector<exporttable::PhotoPosition> m_photographs;
};

} // namespace

// A step may hold several changes (entering a box shows the axes): the parameters name it
// first, as what the user meant to change.
QString changeName(const Controls &before, const Controls &after)
{
    const struct
    {
        bool differs;
        const char *name;
    } parameters[] =
        {
            {before.Text1 != after.Text1, "la modification de x₀"},
            {before.Text2 != after.Text2, "la modification de y₀"},
            {before.Text3 != after.Text3, "la modification de v₀"},
            {before.Text4 != after.Text4, "la modification de α₀"},
            {before.chrono != after.chrono, "la modification de τ"},
            {before.Combo1 != after.Combo1, "le choix du lieu"},
            {before.Combo2 != after.Combo2, "le choix du projectile"},
            {before.dragLinear != after.dragLinear, "le choix du modèle de frottement"},
            {before.dragK != after.dragK, "la modification de k"},
            {before.dragCx != after.dragCx, "la modification de Cx"},
            {before.dragRho != after.dragRho, "la modification de ρ"},
        },
      scales[] = {
          {before.Label4 != after.Label4, "le changement de couleur"},
          {before.VScroll1 != after.VScroll1, "l'échelle des vitesses"},
          {before.VScroll3 != after.VScroll3, "l'échelle des forces"},
          {before.UpDown1 != after.UpDown1, "la modification de Δt"},
      };
    for (const auto &n : parameters)
        if (n.differs)
            return QString::fromUtf8(n.name);
    for (const Option &o : options())
        if (o.value(before) != o.value(after))
            return QStringLiteral("« %1 »").arg(o.text());
    for (const auto &n : scales)
        if (n.differs)
            return QString::fromUtf8(n.name);
    return QStringLiteral("la modification");
}

UndoHistory::UndoHistory(Simulation &sim, SceneRenderer &renderer, QWidget *window)
    : QObject(window), m_sim(sim), m_renderer(renderer), m_stack(new QUndoStack(this)),
      m_baseline(undoable(sim.c))
{
    m_undo = m_stack->createUndoAction(window, QStringLiteral("Annuler"));
    m_undo->setShortcut(QKeySequence::Undo);
    m_redo = m_stack->createRedoAction(window, QStringLiteral("Rétablir"));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo});
    window->addAction(m_undo);
    window->addAction(m_redo);
    connect(&sim, &Simulation::changed, this, &UndoHistory::noteChange);
    // The start-up and a file put into the controls begin a new situation: nothing before
    // them is undone.
    for (auto begins : {&Simulation::reset, &Simulation::loaded})
        connect(&sim, begins, this, [this] {
            m_stack->clear();
            m_baseline = undoable(m_sim.c);
        });
}

void UndoHistory::effacer()
{
    record(); // a change still pending comes first
    m_replaying = true;
    m_stack->push(new EffacerStep(m_sim, m_renderer));
    m_replaying = false;
    m_baseline = undoable(m_sim.c);
}

void UndoHistory::tick()
{
    const Controls before = m_sim.c;
    m_ticking = true;
    m_sim.Timer1_Timer();
    m_ticking = false;
    followTick(before);
}

void UndoHistory::apply(const Controls &c)
{
    m_replaying = true;
    m_sim.restoreControls(c);
    m_replaying = false;
    m_baseline = undoable(m_sim.c);
}

void UndoHistory::followTick(const Controls &before)
{
    for (const Option &o : options())
        if (o.value(before) != o.value(m_sim.c))
            o.field(m_baseline) = o.value(m_sim.c);
}

// One user action may change several controls in turn: they are recorded as one step once
// the action is over.
void UndoHistory::noteChange()
{
    if (m_pending || m_replaying || m_ticking)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, &UndoHistory::record);
}

void UndoHistory::record()
{
    m_pending = false;
    const Controls now = undoable(m_sim.c);
    if (now == m_baseline)
        return;
    const bool drag = m_sim.s.glisse != 0;
    m_stack->push(new ControlsStep([this](const Controls &c) { apply(c); }, m_baseline, now, drag));
    m_baseline = now;
}

} // namespace orbane
