#pragma once

#include "core/narration.h"
#include "platform/announceline.h"

#include <QAccessible>
#include <QList>
#include <QObject>

class QAction;

namespace orbane {

// "Décrire la scène" (Ctrl+D) and the flight's events, given to the screen reader without
// moving the focus; the events are announced by default while a screen reader is active.
class Narrator final : public QObject, private QAccessible::ActivationObserver
{
    Q_OBJECT
public:
    Narrator(const Simulation &sim, QWidget *host);
    ~Narrator() override;

    // "Décrire la scène", "Annoncer les événements du vol", "Annoncer l'impact seulement".
    QList<QAction *> actions() const { return m_actions; }
    Announcer &announcer() { return m_announcer; }
    AnnounceLine *line() const { return m_line; }

private:
    void followChoice();
    // A screen reader may come after the window: the events follow it until the user chooses.
    void accessibilityActiveChanged(bool active) override;

    Announcer m_announcer;
    AnnounceLine *m_line;
    QAction *m_events;
    QAction *m_landingOnly;
    QList<QAction *> m_actions;
    bool m_chosen = false;
};

} // namespace orbane
