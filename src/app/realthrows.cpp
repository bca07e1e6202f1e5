// The main window's side of a real throw: the commands that open a video, a photograph or a
// measurement, the pointage window on it, and the fitted launch replayed in the scene.
#include "app/feuillep.h"
#include "app/mediaopener.h"
#include "app/panels.h"
#include "app/narrator.h"

#include "core/numberformat.h"
#include "core/tables.h"
#include "exercises/filedialogs.h"
#include "pointage/mediaparts.h"
#include "pointage/pointagewindow.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <cmath>

namespace orbane {

namespace {

// The place whose g is within 15 % of the fitted one, the nearest; else Terre.
int placeForG(double g)
{
    int best = 0;
    double closest = 0.15;
    const auto all = places();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const double gap = std::abs(g - all[i].g) / all[i].g;
        if (gap < closest) {
            closest = gap;
            best = int(i);
        }
    }
    return best;
}

} // namespace

void FeuilleP::buildRealThrows()
{
    m_mediaOpener = new MediaOpener(
        *m_services.dialogs, *m_fileDialogs,
        [this](pointage::MediaSource source, const pointage::MeasureFile *measure) {
            showMediaPointage(std::move(source), measure);
        },
        this);
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("menuPointageReel"));
    const auto add = [this, menu](const QString &name, const QString &caption, QKeySequence key,
                                  void (MediaOpener::*choose)()) {
        QAction *action = menu->addAction(caption, m_mediaOpener, choose);
        action->setObjectName(name);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    };
    add(QStringLiteral("pointageVideo"), QStringLiteral("Pointage d'une vidéo…"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), &MediaOpener::chooseVideo);
    add(QStringLiteral("pointagePhoto"), QStringLiteral("Pointage d'une photo…"),
        QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_M), &MediaOpener::choosePhoto);
    add(QStringLiteral("ouvrirMesure"), QStringLiteral("Ouvrir une mesure…"), QKeySequence(),
        &MediaOpener::chooseMeasure);
    m_chronoPanel->realPointage()->setMenu(menu);
}

pointage::PointageActions FeuilleP::pointageActions()
{
    pointage::PointageActions actions{m_services.dialogs, m_fileDialogs.get(), announcer(), {}, {}};
    actions.openFile = [this](const QString &filter) {
        return m_fileDialogs->openFileName(filter, QStringLiteral("*"));
    };
    actions.simulate = [this](const pointage::FittedLaunch &launch) { simulateLaunch(launch); };
    return actions;
}

void FeuilleP::showMediaPointage(pointage::MediaSource source, const pointage::MeasureFile *measure)
{
    if (m_pointage)
        m_pointage->close();
    auto *window = new pointage::PointageWindow(m_sim, std::move(source), pointageActions(), this);
    if (measure)
        window->applyMeasure(*measure);
    m_pointage = window;
    connect(this, &FeuilleP::unloading, window, &QWidget::close);
    window->show();
}

// The fitted launch in the boxes, as a configuration would put it, then the flight.
void FeuilleP::simulateLaunch(const pointage::FittedLaunch &launch)
{
    if (m_sim.d.timer1)
        m_sim.Image4_Click();
    Controls c = m_sim.c;
    c.Combo1 = placeForG(launch.g);
    c.Text1 = numfmt::box(launch.x0);
    c.Text2 = numfmt::box(launch.y0);
    c.Text3 = numfmt::box(launch.v0);
    c.Text4 = numfmt::box(launch.alpha);
    const bool air = launch.air && places()[std::size_t(c.Combo1)].airDensity > 0.0;
    c.drag = air;
    if (air) {
        c.dragLinear = true;
        c.dragK = numfmt::general(launch.k);
    }
    m_sim.applyControls(c);
    announcer()(QStringLiteral("Lancer ajusté repris : %1, v₀ = %2 m.s⁻¹ sous %3°.")
                    .arg(QString::fromUtf8(places()[std::size_t(c.Combo1)].name),
                         numfmt::box(launch.v0), numfmt::box(launch.alpha)));
    activateWindow();
    raise();
    m_sim.command15_Click();
}

} // namespace orbane
