#pragma once

#include "print/clipboardservice.h"
#include "print/confimp.h"
#include "print/printerservice.h"

#include <QImage>
#include <QObject>
#include <functional>

class QMenu;
class QWidget;

namespace orbane {
class Beeper;
class SceneRenderer;
class Simulation;
} // namespace orbane

namespace orbane::print {

// The main window's "&Imprimer" button (`Command10`) and its copy menu (`menucopie`) for the
// scene and the live graph.
class SceneOutput : public QObject
{
    Q_OBJECT
public:
    SceneOutput(Simulation &sim, SceneRenderer &renderer, PrinterService &printer,
                ClipboardService &clipboard, Beeper *beeper = nullptr, QObject *parent = nullptr);

    // The live graph's picture and the size of its panel (pixels); set by the main window.
    std::function<QImage()> graphImage;
    std::function<QSize()> graphFrameSize;
    // Without a printer, the print window offers a PDF file; set by the main window.
    PdfFallback pdf;

    // Prepares the scene, opens the print window modally, then restores the scene.
    void Command10_Click(QWidget *mainWindow);
    // Readies the scene for printing: saves it and paints the projectile and its shadow on it.
    void miseniv();
    // Puts the scene back as it stood before printing (the print window's unload).
    void restaurer();

    void copim();     // "Copier l'animation"
    void copigraph(); // "Copier le graphe"
    // The pop-up menu of "Co&pier" (`Command4`), built once, owned by `parent`.
    QMenu *menucopie(QWidget *parent);
    void Command4_Click(QWidget *mainWindow);

    // The graph window's "Imprimer" (set-up dialog, then the picture centred) and "Copier".
    bool printPicture(const QImage &picture, QWidget *parent);
    void copyPicture(const QImage &picture);

    PrintSources sources() const;
    bool hasSauvetage() const { return !m_sauvetage.isNull(); }

signals:
    // A copy confirms itself on the hint line.
    void hintChanged(const QString &text);

private:
    QImage sceneImage() const;

    Simulation &m_sim;
    SceneRenderer &m_renderer;
    PrinterService &m_printer;
    ClipboardService &m_clipboard;
    Beeper *m_beeper;
    QImage m_sauvetage; // the scene's persistent picture before printing
    QMenu *m_menu = nullptr;
};

} // namespace orbane::print
