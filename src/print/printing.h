#pragma once

#include "print/printerservice.h"

#include <QImage>
#include <QSize>

class QWidget;

namespace orbane::print {

// A picture to print and the size of the control it comes from (pixels), which the centring
// uses; the picture itself is printed at its natural size, 15 twips per pixel.
struct PrintSource
{
    QImage image;
    QSize frame;
};

struct PrintOptions
{
    bool centreH = false; // "Centrer l'image horizontalement"
    bool centreV = false; // "Centrer l'image verticalement"
    int copies = 1;
};

// Top-left corner on the page (twips): centred, or at a tenth of the width and a twentieth of
// the height.
QPointF placement(QSizeF page, QSizeF picture, bool centreH, bool centreV);

// Prints `copies` pages with the same picture and ends the document; false when the printer
// could not print them.
bool printCopies(PrinterService &printer, const PrintSource &source, const PrintOptions &options);

// The graph window's print: the set-up dialog, then one page with the picture centred.
// False when the dialog was cancelled (nothing is printed).
bool printCentred(PrinterService &printer, const QImage &picture, QWidget *parent);

} // namespace orbane::print
