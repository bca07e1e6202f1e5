#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>

class QLabel;
class QScrollBar;
class QWidget;

namespace orbane {

class Hints;
class SceneRenderer;
class SceneWidget;
class Simulation;

// The scene with the projectile and its shadow over it, its scroll bar, and the read-outs
// above it: they follow the simulation and hand the user's drags to it.
class ScenePane : public QObject
{
    Q_OBJECT
public:
    ScenePane(QWidget *parent, Simulation &sim, SceneRenderer &renderer, Hints &hints);
    // During a flight the read-outs and sprites move; the rest follows the state.
    void refresh();
    SceneWidget *scene() const { return m_picture2; }
    QWidget *frame() const { return m_frame3; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildReadouts(QWidget *parent);
    void buildScrollBar(QWidget *parent);
    void refreshSprites();
    void refreshReadouts();
    void describeStart();
    void scrollScene(int twips);
    void sceneMouseMoved(QPoint pos);

    Simulation &m_sim;
    SceneRenderer &m_renderer;
    QLabel *m_label3 = nullptr;
    QLabel *m_label1 = nullptr;
    QWidget *m_frame3 = nullptr;
    SceneWidget *m_picture2 = nullptr;
    QScrollBar *m_vscroll2 = nullptr;
    QLabel *m_projectile = nullptr;
    QLabel *m_ombre = nullptr;
    int m_shownCombo2 = -1;
    QElapsedTimer m_readoutsSaid; // when screen readers last got the read-outs
};

} // namespace orbane
