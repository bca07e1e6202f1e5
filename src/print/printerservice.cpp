#include "print/printerservice.h"

#include "platform/savewindows.h"
#include "print/printing.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>

namespace orbane::print {

QPageLayout a4Layout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
}

PagePainter::PagePainter(QPagedPaintDevice &device) : m_device(device) {}

PagePainter::~PagePainter() { end(); }

QSizeF PagePainter::pageTwips() const
{
    return m_device.pageLayout().paintRect(QPageLayout::Inch).size() * kTwipsPerInch;
}

bool PagePainter::begin()
{
    if (m_painter)
        return true;
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&m_device))
        return false;
    m_painter = std::move(painter);
    return true;
}

double PagePainter::pixelsPerTwip() const
{
    return m_device.logicalDpiX() / kTwipsPerInch;
}

// A source that can draw itself is drawn in its own pixels, scaled to the page: the printer
// gets lines and pictures at its resolution rather than a copy of the screen.
bool PagePainter::drawPicture(QPointF atTwips, QSizeF sizeTwips, const PrintSource &source)
{
    if (!begin())
        return false;
    const QRectF target(atTwips * pixelsPerTwip(), sizeTwips * pixelsPerTwip());
    if (!source.paint || source.image.isNull()) {
        m_painter->drawImage(target, source.image);
        return true;
    }
    m_painter->save();
    m_painter->translate(target.topLeft());
    m_painter->scale(target.width() / source.image.width(),
                     target.height() / source.image.height());
    m_painter->setClipRect(QRect(QPoint(0, 0), source.image.size()));
    source.paint(*m_painter);
    m_painter->restore();
    return true;
}

void PagePainter::drawCaption(QPointF atTwips, const QStringList &lines)
{
    if (!begin())
        return;
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    m_painter->save();
    m_painter->setFont(font);
    m_painter->setPen(Qt::black);
    const QFontMetricsF metrics(font, &m_device);
    QPointF at = atTwips * pixelsPerTwip() + QPointF(0, metrics.ascent());
    for (const QString &line : lines) {
        m_painter->drawText(at, line);
        at.ry() += metrics.lineSpacing() * 1.3;
    }
    m_painter->restore();
}

void PagePainter::newPage()
{
    if (m_painter)
        m_device.newPage();
}

bool PagePainter::end()
{
    if (!m_painter)
        return true;
    const bool ended = m_painter->end();
    m_painter.reset();
    return ended;
}

PrinterService::~PrinterService() = default;

QString PrinterService::shownName() const
{
    const QString file = pdfFile();
    if (file.isEmpty())
        return available() ? printerName() : QStringLiteral("Aucune imprimante installée");
    return QStringLiteral("Fichier PDF : ") + QFileInfo(file).fileName();
}

QPrinterService::QPrinterService() : m_printer(QPrinter::HighResolution) {}

QPrinterService::~QPrinterService() = default;

QString QPrinterService::printerName() const { return m_printer.printerName(); }

QString QPrinterService::pdfFile() const
{
    return m_printer.outputFormat() == QPrinter::PdfFormat ? m_printer.outputFileName() : QString();
}

bool QPrinterService::available() const
{
    return !m_printer.printerName().isEmpty() ||
           (m_printer.outputFormat() == QPrinter::PdfFormat &&
            !m_printer.outputFileName().isEmpty());
}

QSizeF QPrinterService::pageTwips() const { return m_pages.pageTwips(); }

bool QPrinterService::drawPicture(QPointF atTwips, QSizeF sizeTwips, const PrintSource &source)
{
    return m_pages.drawPicture(atTwips, sizeTwips, source);
}

void QPrinterService::drawCaption(QPointF atTwips, const QStringList &lines)
{
    m_pages.drawCaption(atTwips, lines);
}

void QPrinterService::newPage() { m_pages.newPage(); }

bool QPrinterService::endDocument() { return m_pages.end(); }

bool QtPrinterService::setup(QWidget *parent)
{
    QPrintDialog dialog(&printer(), parent);
    dialog.setWindowTitle(QStringLiteral("Configuration de l'impression"));
    if (printer().outputFileName().isEmpty())
        offerPrintFileInSavePlace(dialog, QStringLiteral("Impression.pdf"));
    return dialog.exec() == QDialog::Accepted;
}

PdfPrinterService::PdfPrinterService(const QString &path)
{
    printer().setOutputFormat(QPrinter::PdfFormat);
    printer().setOutputFileName(path);
}

bool PdfPrinterService::setup(QWidget *)
{
    ++setupCalls;
    if (setupAnswers.empty())
        return true;
    const bool answer = setupAnswers.front();
    setupAnswers.pop_front();
    return answer;
}

} // namespace orbane::print
