#pragma once

#include "app/displayscale.h"

#include <QObject>
#include <functional>

class QMenu;
class QToolButton;
class QWidget;

namespace orbane {

class Dialogs;
class Hints;

// "Affichage agrandi": the button that chooses how large the whole window is drawn. Qt fixes
// the factor when the program starts, so a new choice is kept for the next starts and the
// program offers to start again at once.
class ScaleControl : public QObject
{
    Q_OBJECT
public:
    struct Actions
    {
        // Closes without asking again; false when the window stayed open.
        std::function<bool()> closeWindow;
        std::function<QString()> openFile; // the configuration in use, to reopen, or empty
        // The state written for the new process to take up, or empty when it could not be.
        std::function<QString()> carryState;
    };
    ScaleControl(QWidget *parent, Hints &hints, Dialogs &dialogs, Actions actions);
    QToolButton *button() const { return m_button; }
    // Keeps the choice, then asks whether to start again now.
    void choose(const display::Scale &scale);

    // "Taille normale", "1,5 fois", "Adapté à l'écran".
    static QString caption(const display::Scale &scale);

private:
    void fillMenu();
    void restart();

    Dialogs &m_dialogs;
    Actions m_actions;
    QToolButton *m_button = nullptr;
    QMenu *m_menu = nullptr;
};

} // namespace orbane
