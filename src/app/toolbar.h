#pragma once

#include <QObject>
#include <array>
#include <functional>

class QMenu;
class QToolButton;
class QWidget;

namespace orbane {

class Hints;
class Simulation;

// The main window's tool bar, left to right; each button by its role.
class ToolBar : public QObject
{
    Q_OBJECT
public:
    enum Role { Effacer, Ouvrir, Enregistrer, Copier, Imprimer, Calculatrice, Aide, Fermer };
    ToolBar(QWidget *parent, Hints &hints);
    QToolButton *button(Role role) const { return m_buttons[role]; }
    // The desktop's usual keys for the buttons that have one: Ctrl+O, Ctrl+S, Ctrl+P, Ctrl+Q, F1.
    void addShortcuts(QWidget *window);
    // The help button's menu, beside the button's own click; Shift+F1 opens it from anywhere.
    void setHelpMenu(QMenu *menu, QWidget *window);

private:
    std::array<QToolButton *, 8> m_buttons{};
};

// The animation buttons under the scene and the graph window's button: they start, pause,
// stop and reset the flight, and are enabled as the simulation says.
class AnimationBar : public QObject
{
    Q_OBJECT
public:
    AnimationBar(QWidget *parent, Simulation &sim, Hints &hints);
    void refresh();
    QToolButton *graphes() const { return m_command14; }
    // Space starts the animation, or pauses it, wherever the keyboard is but in a text box.
    void addShortcuts(QWidget *window);
    // What Pause did, told to the screen reader wherever the focus is.
    void setSay(std::function<void(const QString &)> say) { m_say = std::move(say); }

private:
    // Screen readers hear what Pause did: the button's description says it.
    void sayPause(const QString &what);
    std::function<void(const QString &)> m_say;

    Simulation &m_sim;
    bool m_paused = false; // by Pause, until the flight goes on or starts again
    QToolButton *m_command18 = nullptr;
    QToolButton *m_image4 = nullptr;
    QToolButton *m_command15 = nullptr;
    QToolButton *m_command16 = nullptr;
    QToolButton *m_command14 = nullptr;
};

} // namespace orbane
