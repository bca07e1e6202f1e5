#include "print/printing.h"

#include "print/pdffile.h"

#include <QPainter>
#include <algorithm>

namespace orbane::print {

static QSizeF twips(QSize pixels) { return QSizeF(pixels) * kTwipsPerPixel; }

namespace {
constexpr double kCaptionGap = 240.0; // twips between the picture and its caption

bool printPage(PrinterService &printer, QPointF at, const PrintSource &source)
{
    if (!printer.drawPicture(at, twips(source.image.size()), source))
        return false;
    if (!source.caption.isEmpty())
        printer.drawCaption(at + QPointF(0, twips(source.frame).height() + kCaptionGap),
                            source.caption);
    return true;
}
} // namespace

QImage rendered(const PrintSource &source, double scale)
{
    if (!source.paint && scale == 1.0)
        return source.image;
    QImage out((QSizeF(source.image.size()) * scale).toSize(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.scale(scale, scale);
    if (source.paint)
        source.paint(p);
    else
        p.drawImage(QPoint(0, 0), source.image);
    return out;
}

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
        if (!printPage(printer, at, source)) {
            printer.endDocument();
            return false;
        }
        if (i < n)
            printer.newPage();
    }
    return printer.endDocument();
}

bool printCentred(PrinterService &printer, const PrintSource &source, QWidget *parent,
                  saving::SaveResult *saved)
{
    if (!printer.setup(parent))
        return false;
    if (const QString file = printer.pdfFile(); !file.isEmpty()) {
        const saving::SaveResult result =
            savePdf(file, source, {true, true, 1}, printer.pageLayout());
        if (saved)
            *saved = result;
        return true;
    }
    const QSizeF size = twips(source.image.size());
    printPage(printer, placement(printer.pageTwips(), size, true, true), source);
    printer.endDocument();
    return true;
}

} // namespace orbane::print
