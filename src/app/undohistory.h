#pragma once

#include "core/controls.h"

#include <QObject>

class QAction;
class QUndoStack;
class QWidget;

namespace orbane {

class SceneRenderer;
class Simulation;

// The main window's undo history: parameter, colour and option changes, however they were
// made, and "Effacer". A change is recorded once the user's action is over, as the difference
// between the controls before and after it; a tick or a loaded file is not a step.
class UndoHistory : public QObject
{
    Q_OBJECT
public:
    UndoHistory(Simulation &sim, SceneRenderer &renderer, QWidget *window);
    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }
    // "Effacer", as a step that can be undone.
    void effacer();
    // Timer1's tick: its own changes of the controls (the trajectory option at a landing) are
    // not the user's, so the baseline follows them.
    void tick();

private:
    void followTick(const Controls &before);
    void noteChange();
    void record();
    void apply(const Controls &c);

    Simulation &m_sim;
    SceneRenderer &m_renderer;
    QUndoStack *m_stack;
    QAction *m_undo;
    QAction *m_redo;
    Controls m_baseline;
    bool m_pending = false;
    bool m_replaying = false;
    bool m_ticking = false;
};

// What a change of the controls is called in the undo and redo texts: "« Afficher la grille »",
// "la modification de v₀"...
QString changeName(const Controls &before, const Controls &after);

} // namespace orbane
