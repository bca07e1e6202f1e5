#include "app/scalecontrol.h"

#include "app/hints.h"
#include "core/numberformat.h"
#include "core/services.h"
#include "core/units.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QToolButton>

namespace orbane {

namespace {
const display::Scale kChoices[] = {{false, 1.0}, {false, 1.5}, {false, 2.0}, {true, 1.0}};
} // namespace

QString ScaleControl::caption(const display::Scale &scale)
{
    if (scale.fit)
        return QStringLiteral("Adapté à l'écran");
    if (scale.factor == 1.0)
        return QStringLiteral("Taille normale");
    return QStringLiteral("%1 fois").arg(numfmt::general(scale.factor));
}

ScaleControl::ScaleControl(QWidget *parent, Hints &hints, Dialogs &dialogs, Actions actions)
    : QObject(parent), m_dialogs(dialogs), m_actions(std::move(actions))
{
    m_button = new QToolButton(parent);
    m_button->setObjectName(QStringLiteral("echelle"));
    m_button->setText(QStringLiteral("Affichage agran&di"));
    m_button->setAccessibleName(QStringLiteral("Affichage agrandi"));
    m_button->setToolTip(QStringLiteral("Agrandir toute la fenêtre, pour un projecteur"));
    m_button->setPopupMode(QToolButton::InstantPopup);
    m_button->setGeometry(twips::toPixels(120, 8370, 2400, 375));
    m_menu = new QMenu(m_button);
    m_menu->setAccessibleName(QStringLiteral("Taille de l'affichage"));
    m_button->setMenu(m_menu);
    fillMenu();
    // No break inside "1,5 fois".
    hints.add(m_button, QStringLiteral("Pour agrandir la fenêtre devant la classe : 1,5\u00A0fois, "
                                       "2\u00A0fois ou adapté à l'écran"));
}

void ScaleControl::fillMenu()
{
    auto *group = new QActionGroup(m_menu);
    const display::Scale kept = display::storedScale();
    for (const display::Scale &scale : kChoices) {
        QAction *action = m_menu->addAction(caption(scale));
        action->setCheckable(true);
        action->setChecked(scale == kept);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, scale] { choose(scale); });
    }
}

void ScaleControl::choose(const display::Scale &scale)
{
    QString why;
    if (!display::storeScale(scale, &why)) {
        m_dialogs.message(
            QStringLiteral("Le choix de l'affichage n'a pas pu être gardé : %1.").arg(why),
            QStringLiteral("Affichage agrandi"), MsgIcon::Exclamation);
        return;
    }
    const display::Start &run = display::started();
    if (scale == run.choice)
        return; // already drawn so

    const MsgAnswer answer = m_dialogs.message(
        QStringLiteral("Orbane 1S s'ouvrira désormais en « %1 ».\n\n"
                       "Redémarrer maintenant pour l'appliquer ? Les réglages en cours sont "
                       "repris ; un texte d'exercice modifié et non enregistré est perdu.\n"
                       "(Non : au prochain démarrage.)")
            .arg(caption(scale)),
        QStringLiteral("Affichage agrandi"), MsgIcon::Question, MsgButtons::YesNo);
    if (answer == MsgAnswer::Yes)
        restart();
}

void ScaleControl::restart()
{
    const QString file = m_actions.openFile ? m_actions.openFile() : QString();
    const QString carried = m_actions.carryState ? m_actions.carryState() : QString();
    if (!m_actions.closeWindow || !m_actions.closeWindow()) {
        if (!carried.isEmpty())
            QFile::remove(carried);
        return;
    }
    display::restoreUserEnvironment(display::started());
    QStringList arguments;
    if (!carried.isEmpty())
        arguments << QStringLiteral("--reprise") << carried;
    if (!file.isEmpty() && QFileInfo(file).isFile())
        arguments << QStringLiteral("--") << file;
    QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

} // namespace orbane
