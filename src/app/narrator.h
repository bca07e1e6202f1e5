#pragma once

#include "core/narration.h"

#include <QAccessible>
#include <QList>
#include <QObject>
#include <QWidget>

class QAction;

namespace orbane {

// The object the screen reader is told the announcements through: a notification whose name is
// the last announcement, shown again for each one. It paints nothing and takes no focus.
class AnnounceLine final : public QWidget
{
    Q_OBJECT
public:
    explicit AnnounceLine(QWidget *parent);
    void say(const QString &text);
};

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
