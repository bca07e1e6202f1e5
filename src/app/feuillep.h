#pragma once

#include "app/services.h"
#include "core/simulation.h"
#include "scene/scenerenderer.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace orbane {

class SceneWidget;

// The main window `feuilleP`: lays out the controls, binds them to the simulation and
// forwards the user's actions to it.
class FeuilleP : public QMainWindow
{
    Q_OBJECT
public:
    // services may be null: the program's own Qt services are used then.
    explicit FeuilleP(const QString &programDir, const Services *services = nullptr,
                      QWidget *parent = nullptr);
    ~FeuilleP() override;

    Simulation &sim() { return m_sim; }
    SceneRenderer &renderer() { return m_renderer; }
    QTimer &timer1() { return m_timer; }

    // Runs the start-up sequence; false when the program must end (missing picture).
    bool load();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyGeometryRule();
    void buildReadouts();
    void buildScene();
    void buildLists();
    void buildAnimationButtons();
    void buildOptionBoxes();
    void bindSimulation();
    void refresh();
    void refreshSprites();
    void setTimerRunning(bool on);
    void scrollScene(int twips);

    QtServices m_qtServices;
    Simulation m_sim;
    SceneRenderer m_renderer;
    QTimer m_timer;
    bool m_refreshing = false;

    QLabel *m_label3 = nullptr;
    QLabel *m_label1 = nullptr;
    QWidget *m_frame3 = nullptr;
    SceneWidget *m_picture2 = nullptr;
    QScrollBar *m_vscroll2 = nullptr;
    QLabel *m_projectile = nullptr;
    QLabel *m_ombre = nullptr;
    QComboBox *m_combo1 = nullptr;
    QComboBox *m_combo2 = nullptr;
    QPushButton *m_command15 = nullptr;
    QPushButton *m_command16 = nullptr;
    QPushButton *m_command12 = nullptr;
    QLabel *m_label5 = nullptr;
    std::array<QCheckBox *, 13> m_check{};
    int m_shownCombo2 = -1;
};

} // namespace orbane
