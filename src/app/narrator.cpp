#include "app/narrator.h"

#include <QAccessible>
#include <QAction>

namespace orbane {

namespace {

QAction *checkable(const QString &text, bool on, QObject *parent)
{
    auto *action = new QAction(text, parent);
    action->setCheckable(true);
    action->setChecked(on);
    return action;
}

} // namespace

Narrator::Narrator(const Simulation &sim, QWidget *host)
    : QObject(host), m_announcer(sim), m_line(new AnnounceLine(host)),
      m_events(checkable(QStringLiteral("Annoncer les événements du vol"),
                         QAccessible::isActive(), this)),
      m_landingOnly(checkable(QStringLiteral("Annoncer l'impact seulement"), false, this))
{
    auto *describe = new QAction(QStringLiteral("Décrire la scène"), this);
    describe->setObjectName(QStringLiteral("describeScene"));
    describe->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(describe, &QAction::triggered, this,
            [this] { m_line->say(m_announcer.describe()); });
    m_events->setObjectName(QStringLiteral("announceEvents"));
    m_landingOnly->setObjectName(QStringLiteral("announceLandingOnly"));
    connect(m_events, &QAction::toggled, this, &Narrator::followChoice);
    connect(m_events, &QAction::triggered, this, [this] { m_chosen = true; });
    connect(m_landingOnly, &QAction::toggled, this, &Narrator::followChoice);
    connect(&m_announcer, &Announcer::announce, m_line, &AnnounceLine::say);
    m_actions = {describe, m_events, m_landingOnly};
    followChoice();
    QAccessible::installActivationObserver(this);
}

Narrator::~Narrator() { QAccessible::removeActivationObserver(this); }

void Narrator::accessibilityActiveChanged(bool active)
{
    if (!m_chosen)
        m_events->setChecked(active);
}

void Narrator::followChoice()
{
    m_landingOnly->setEnabled(m_events->isChecked());
    using Mode = Announcer::Mode;
    m_announcer.setMode(!m_events->isChecked()    ? Mode::Off
                        : m_landingOnly->isChecked() ? Mode::LandingOnly
                                                     : Mode::All);
}

} // namespace orbane
