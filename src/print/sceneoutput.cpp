#include "print/sceneoutput.h"

#include "core/services.h"
#include "core/simulation.h"
#include "core/tables.h"
#include "print/caption.h"
#include "print/pdffile.h"
#include "scene/scenerenderer.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <cmath>

namespace orbane::print {

namespace {
bool graphWindowVisible()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("graphes") && w->isVisible())
            return true;
    return false;
}
} // namespace

SceneOutput::SceneOutput(Simulation &sim, SceneRenderer &renderer, PrinterService &printer,
                         ClipboardService &clipboard, Beeper *beeper, QObject *parent)
    : QObject(parent), m_sim(sim), m_renderer(renderer), m_printer(printer),
      m_clipboard(clipboard), m_beeper(beeper)
{
}

QImage SceneOutput::sceneImage() const { return m_renderer.canvas().composed(); }

PrintSource SceneOutput::captioned(QImage image, QSize frame,
                                   std::function<void(QPainter &)> paint) const
{
    return {std::move(image), frame, std::move(paint),
            printCaption(m_sim, QDateTime::currentDateTime())};
}

PrintSources SceneOutput::sources() const
{
    PrintSources s;
    s.scene = [this](bool onWhite) {
        const QImage image = sceneImage();
        const Canvas::Ink ink = onWhite ? Canvas::Ink::White : Canvas::Ink::Screen;
        return captioned(image, image.size(),
                         [this, ink](QPainter &p) { m_renderer.canvas().paintScaled(p, ink); });
    };
    s.graph = [this] {
        const QImage image = graphImage ? graphImage() : QImage();
        return captioned(image, graphFrameSize ? graphFrameSize() : image.size(), graphPaint);
    };
    return s;
}

void SceneOutput::miseniv()
{
    const bool axes = m_sim.c.Check[1];
    if (axes)
        m_sim.Check_Click(1, false);
    // Only the persistent picture is kept: what the redraws put over it is drawn again after
    // printing, so vectors and the projectile are not frozen into the background.
    m_sauvetage = m_renderer.canvas().savePersistent();
    if (axes)
        m_sim.Check_Click(1, true);
    Canvas &canvas = m_renderer.canvas();
    canvas.setPenStyle(Canvas::PenStyle::Solid);
    const Display &d = m_sim.d;
    canvas.paintPicture(QPoint(int(std::lround(d.projLeft)), int(std::lround(d.projTop))),
                        m_renderer.projectilePicture());
    canvas.paintPicture(QPoint(int(std::lround(d.ombreLeft)), int(scene::kGroundTop)),
                        m_renderer.shadowPicture());
}

void SceneOutput::restaurer()
{
    if (m_sauvetage)
        m_renderer.canvas().restorePersistent(*m_sauvetage);
    m_sauvetage.reset();
    m_renderer.clearScene();
    if (m_sim.s.temps != 0.0f) {
        m_renderer.majaff(); // a paused flight shows its projectile and vectors again
        return;
    }
    if (m_renderer.marks().nbphotos() > 0)
        m_renderer.lespoints();
}

void SceneOutput::Command10_Click(QWidget *mainWindow)
{
    if (graphWindowVisible() && m_beeper)
        m_beeper->beep();
    miseniv();
    {
        Confimp confimp(m_printer, sources(), mainWindow, pdf);
        confimp.exec();
    }
    restaurer();
    if (m_sim.c.Check[1])
        m_renderer.repere();
}

bool SceneOutput::printPicture(const QImage &picture, QWidget *parent,
                               const std::function<void(QPainter &)> &paint)
{
    saving::SaveResult saved{true, {}};
    const bool printed =
        printCentred(m_printer, captioned(picture, picture.size(), paint), parent, &saved);
    if (!saved.ok && pdf.dialogs)
        pdf.dialogs->message(pdfFailure(m_printer.pdfFile(), saved), QStringLiteral("Imprimer"),
                             MsgIcon::Critical);
    return printed;
}

void SceneOutput::copyPicture(const QImage &picture)
{
    m_clipboard.clear();
    m_clipboard.setImage(picture);
}

void SceneOutput::copim()
{
    copyPicture(sceneImage());
    emit hintChanged(m_sim.s.msgcopie);
}

void SceneOutput::copigraph()
{
    copyPicture(graphImage ? graphImage() : QImage());
    emit hintChanged(m_sim.s.msgcopie);
}

QMenu *SceneOutput::menucopie(QWidget *parent)
{
    if (m_menu)
        return m_menu;
    m_menu = new QMenu(parent);
    m_menu->setObjectName(QStringLiteral("menucopie"));
    QAction *copimAction = m_menu->addAction(QStringLiteral("Copier l'animation"));
    copimAction->setObjectName(QStringLiteral("copim"));
    QAction *copigraphAction = m_menu->addAction(QStringLiteral("Copier le graphe"));
    copigraphAction->setObjectName(QStringLiteral("copigraph"));
    connect(copimAction, &QAction::triggered, this, &SceneOutput::copim);
    connect(copigraphAction, &QAction::triggered, this, &SceneOutput::copigraph);
    return m_menu;
}

void SceneOutput::Command4_Click(QWidget *mainWindow)
{
    menucopie(mainWindow)->popup(QCursor::pos());
}

} // namespace orbane::print
