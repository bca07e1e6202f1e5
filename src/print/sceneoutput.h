#pragma once

#include "print/clipboardservice.h"
#include "print/confimp.h"
#include "print/printerservice.h"
#include "scene/canvas.h"

#include <QImage>
#include <QObject>
#include <functional>
#include <optional>

class QMenu;
class QPainter;
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

    // The live graph's picture, its drawing again on a painter, and the size of its panel
    // (pixels); set by the main window.
    std::function<QImage()> graphImage;
    std::function<void(QPainter &)> graphPaint;
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

    // The graph window's "Imprimer" (set-up dialog, then the picture centred, drawn again by
    // `paint` when given) and "Copier".
    bool printPicture(const QImage &picture, QWidget *parent,
                      const std::function<void(QPainter &)> &paint = {});
    void copyPicture(const QImage &picture);

    PrintSources sources() const;
    bool hasSauvetage() const { return m_sauvetage.has_value(); }

signals:
    // A copy confirms itself on the hint line.
    void hintChanged(const QString &text);

private:
    QImage sceneImage() const;
    // A source with the caption of this flight.
    PrintSource captioned(QImage image, QSize frame, std::function<void(QPainter &)> paint) const;

    Simulation &m_sim;
    SceneRenderer &m_renderer;
    PrinterService &m_printer;
    ClipboardService &m_clipboard;
    Beeper *m_beeper;
    std::optional<Canvas::Persistent> m_sauvetage; // the scene's persistent picture before printing
    QMenu *m_menu = nullptr;
};

} // namespace orbane::print
