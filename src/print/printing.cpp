#include "print/printing.h"

#include <algorithm>

namespace orbane::print {

static QSizeF twips(QSize pixels) { return QSizeF(pixels) * kTwipsPerPixel; }

QPointF placement(QSizeF page, QSizeF picture, bool centreH, bool centreV)
{
    return {centreH ? (page.width() - picture.width()) / 2 : page.width() / 10,
            centreV ? (page.height() - picture.height()) / 2 : page.height() / 20};
}

bool printCopies(PrinterService &printer, const PrintSource &source, const PrintOptions &options)
{
    const int n = std::clamp(options.copies, 1, 40);
    const QSizeF page = printer.pageTwips();
    const QPointF at = placement(page, twips(source.frame), options.centreH, options.centreV);
    for (int i = 1; i <= n; ++i) {
        if (!printer.drawPicture(at, twips(source.image.size()), source.image)) {
            printer.endDocument();
            return false;
        }
        if (i < n)
            printer.newPage();
    }
    return printer.endDocument();
}

bool printCentred(PrinterService &printer, const QImage &picture, QWidget *parent)
{
    if (!printer.setup(parent))
        return false;
    const QSizeF size = twips(picture.size());
    printer.drawPicture(placement(printer.pageTwips(), size, true, true), size, picture);
    printer.endDocument();
    return true;
}

} // namespace orbane::print
