#include "app/toolbar.h"

#include "app/hints.h"
#include "app/smallwidgets.h"
#include "core/numberformat.h"
#include "core/simulation.h"
#include "core/units.h"

#include <QKeySequence>
#include <QShortcut>
#include <QToolButton>
#include <utility>

namespace orbane {

namespace {

struct ToolButtonDesign
{
    const char *name, *caption, *icon, *tip, *hint;
    int left, width;
};

// Left to right, in the order of ToolBar::Role.
constexpr ToolButtonDesign kToolBar[] = {
    {"Command13", "&Effacer", "effacer", "Effacer l'image",
     "Pour effacer les chronophotographies de l'image actuelle: bouton « Nouveau »", 0, 1455},
    {"Command2", "&Ouvrir", "ouvrir", "Retrouver une configuration",
     "Pour retrouver une situation enregistrée", 1440, 1455},
    {"Command11", "&Enregistrer", "enregistrer", "Enregistrer la configuration actuelle",
     "Pour conserver la configuration en cours", 2880, 1575},
    {"Command4", "Co&pier", "copier", "Placer l'image dans le presse-papiers",
     "Copier pour placer l'image dans le presse- papiers puis coller depuis Word, Paint...", 4440,
     1455},
    {"Command10", "&Imprimer", "imprimer", "Imprimer l'image",
     "Pour configurer l'imprimante et imprimer l'image", 5880, 1575},
    {"Command8", "&Calculatrice", "calculatrice", "Machine à calculer", "Machine à calculer", 7440,
     1455},
    {"Command7", "&Aide", "aide", "Aide pour utiliser cette application",
     "Si vous rencontrez une difficulté avec cette application", 8880, 1455},
    {"Command1", "&Fermer", "fermer", "Quitter cette application",
     "Pour retrouver le module principal et quitter cette application", 10320, 1695},
};

} // namespace

ToolBar::ToolBar(QWidget *parent, Hints &hints) : QObject(parent)
{
    int i = 0;
    for (const ToolButtonDesign &d : kToolBar) {
        auto *b = new QToolButton(parent);
        b->setObjectName(QString::fromLatin1(d.name));
        b->setText(QString::fromUtf8(d.caption));
        b->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(QString::fromLatin1(d.icon))));
        b->setIconSize(QSize(24, 24));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setToolTip(QString::fromUtf8(d.tip));
        b->setAccessibleName(QString(b->text()).remove(QLatin1Char('&')));
        b->setGeometry(twips::toPixels(d.left, 0, d.width, 615));
        // Grey buttons through the palette: style sheets cost a lot at start-up.
        QPalette palette = b->palette();
        palette.setColor(QPalette::Button, QColor(192, 192, 192));
        palette.setColor(QPalette::Window, QColor(192, 192, 192));
        b->setPalette(palette);
        b->setAutoFillBackground(true);
        hints.add(b, QString::fromUtf8(d.hint));
        m_buttons[i++] = b;
    }
}

AnimationBar::AnimationBar(QWidget *parent, Simulation &sim, Hints &hints)
    : QObject(parent), m_sim(sim)
{
    const auto place = [parent](const char *name, const char *icon, const char *tip, int left) {
        QToolButton *b = pictureButton(QString::fromLatin1(name),
                                       QStringLiteral(":/icons/%1.png").arg(QLatin1String(icon)),
                                       QString::fromUtf8(tip), parent);
        b->setGeometry(twips::toPixels(left, 7860, 360, 360));
        return b;
    };
    m_command18 = place("command18", "retour", "Retrouver la position initiale", 2760);
    m_image4 = place("Image4", "stop", "Stop", 3240);
    m_command15 = place("command15", "simulation", "Simulation", 3720);
    m_command16 = place("command16", "pause", "Pause", 4200);

    m_command14 = new QToolButton(parent);
    m_command14->setObjectName(QStringLiteral("Command14"));
    m_command14->setText(QStringLiteral("&Graphes"));
    m_command14->setToolTip(QStringLiteral("Afficher les graphes x(t), y(t) et y(x)"));
    m_command14->setAccessibleName(QStringLiteral("Graphes"));
    m_command14->setGeometry(twips::toPixels(4800, 7860, 1200, 360));

    connect(m_command15, &QToolButton::clicked, this, [this] {
        const bool resumes = m_paused;
        m_sim.command15_Click();
        if (resumes && m_sim.d.timer1)
            sayPause(QStringLiteral("Reprendre"));
    });
    connect(m_command16, &QToolButton::clicked, this, [this] {
        const bool pauses = m_sim.d.timer1;
        m_sim.command16_Click();
        sayPause((pauses ? QStringLiteral("Pause : t = ") : QStringLiteral("Pas suivant : t = ")) +
                 numfmt::fixed(m_sim.s.temps) + QStringLiteral(" s"));
        m_paused = true;
    });
    connect(m_image4, &QToolButton::clicked, &sim, &Simulation::Image4_Click);
    connect(m_command18, &QToolButton::clicked, &sim, &Simulation::command18_Click);

    const QString animation = QStringLiteral(
        "Vous pouvez activer ou arrêter l'animation ou retrouver la position initiale");
    hints.add(m_command15, animation);
    hints.add(m_command18, animation);
    hints.add(m_command16, animation + QLatin1Char('.'));
}

void ToolBar::addShortcuts(QWidget *window)
{
    const std::pair<Role, QKeySequence> keys[] = {
        {Ouvrir, QKeySequence(Qt::CTRL | Qt::Key_O)},   {Enregistrer, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {Imprimer, QKeySequence(Qt::CTRL | Qt::Key_P)}, {Fermer, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {Aide, QKeySequence(Qt::Key_F1)},
    };
    for (const auto &[role, key] : keys)
        clickWithKey(m_buttons[role], key, window);
}

void ToolBar::setHelpMenu(QMenu *menu, QWidget *window)
{
    QToolButton *b = m_buttons[Aide];
    b->setMenu(menu);
    b->setPopupMode(QToolButton::MenuButtonPopup);
    auto *open = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), window);
    connect(open, &QShortcut::activated, b, &QToolButton::showMenu);
}

void AnimationBar::addShortcuts(QWidget *window)
{
    // Text boxes take the space they are typed: a shortcut gives way to them.
    auto *space = new QShortcut(QKeySequence(Qt::Key_Space), window);
    connect(space, &QShortcut::activated, this, [this] {
        if (m_sim.d.timer1)
            m_command16->click();
        else if (m_command15->isEnabled())
            m_command15->click();
    });
    // Keys that work from a text box too, so a keyboard user launches without leaving α₀.
    const std::pair<QToolButton *, Qt::Key> keys[] = {
        {m_command15, Qt::Key_F5}, {m_command16, Qt::Key_F6},
        {m_image4, Qt::Key_F7},    {m_command18, Qt::Key_F8}};
    for (const auto &[button, key] : keys)
        clickWithKey(button, QKeySequence(key), window);
}

void AnimationBar::refresh()
{
    for (QToolButton *b : {m_command14, m_command15, m_command16, m_command18})
        b->setEnabled(m_sim.d.animationButtons);
    if (m_sim.d.timer1 || m_sim.s.temps == 0.0f)
        m_paused = false;
    if (!m_paused && m_sim.s.temps == 0.0f)
        sayPause(QString());
}

void AnimationBar::sayPause(const QString &what)
{
    if (m_command16->accessibleDescription() != what)
        m_command16->setAccessibleDescription(what);
    // Heard wherever the focus is: F6 is pressed from the scene or a box as often as on Pause,
    // whose own description is read when it has the focus.
    if (m_say && !what.isEmpty() && !m_command16->hasFocus())
        m_say(what);
}

} // namespace orbane
