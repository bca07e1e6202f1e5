#pragma once

#include "core/savefile.h"
#include "print/printerservice.h"

#include <QImage>
#include <QSize>
#include <QStringList>
#include <functional>

class QPainter;
class QWidget;

namespace orbane::print {

// A picture to print and the size of the control it comes from (pixels), which the centring
// uses; the picture itself is printed at its natural size, 15 twips per pixel. `paint` draws
// it again in its own pixels through a painter scaled to the page, so that the page gets the
// printer's resolution; without it the picture as shown is printed. The caption is written
// under the picture.
struct PrintSource
{
    QImage image;
    QSize frame;
    std::function<void(QPainter &)> paint = {};
    QStringList caption = {};
};

struct PrintOptions
{
    bool centreH = false; // "Centrer l'image horizontalement"
    bool centreV = false; // "Centrer l'image verticalement"
    int copies = 1;
    bool onWhite = false; // "Fond blanc": the scene without the place's picture
};

// Top-left corner on the page (twips): centred, or at a tenth of the width and a twentieth of
// the height.
QPointF placement(QSizeF page, QSizeF picture, bool centreH, bool centreV);

// Prints `copies` pages with the same picture and ends the document; false when the printer
// could not print them.
bool printCopies(PrinterService &printer, const PrintSource &source, const PrintOptions &options);

// The graph window's print: the set-up dialog, then one page with the picture centred, on the
// printer or in the PDF file the dialog chose, which `saved` then reports on. False when the
// dialog was cancelled (nothing is printed).
bool printCentred(PrinterService &printer, const PrintSource &source, QWidget *parent,
                  saving::SaveResult *saved = nullptr);

// Draws the source on a painter at a scale (1 is the picture as shown).
QImage rendered(const PrintSource &source, double scale = 1.0);

} // namespace orbane::print
