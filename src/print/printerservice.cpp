#include "print/printerservice.h"

#include <QPainter>
#include <QPrintDialog>

namespace orbane::print {

PagePainter::PagePainter(QPagedPaintDevice &device) : m_device(device) {}

PagePainter::~PagePainter() { end(); }

QSizeF PagePainter::pageTwips() const
{
    return m_device.pageLayout().paintRect(QPageLayout::Inch).size() * kTwipsPerInch;
}

bool PagePainter::drawPicture(QPointF atTwips, QSizeF sizeTwips, const QImage &picture)
{
    if (!m_painter) {
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(&m_device))
            return false;
        m_painter = std::move(painter);
    }
    const double scale = m_device.logicalDpiX() / kTwipsPerInch;
    m_painter->drawImage(QRectF(atTwips * scale, sizeTwips * scale), picture);
    return true;
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

QPrinterService::QPrinterService() : m_printer(QPrinter::HighResolution) {}

QPrinterService::~QPrinterService() = default;

QString QPrinterService::printerName() const { return m_printer.printerName(); }

bool QPrinterService::available() const
{
    return !m_printer.printerName().isEmpty() ||
           (m_printer.outputFormat() == QPrinter::PdfFormat &&
            !m_printer.outputFileName().isEmpty());
}

QSizeF QPrinterService::pageTwips() const { return m_pages.pageTwips(); }

bool QPrinterService::drawPicture(QPointF atTwips, QSizeF sizeTwips, const QImage &picture)
{
    return m_pages.drawPicture(atTwips, sizeTwips, picture);
}

void QPrinterService::newPage() { m_pages.newPage(); }

bool QPrinterService::endDocument() { return m_pages.end(); }

bool QtPrinterService::setup(QWidget *parent)
{
    QPrintDialog dialog(&printer(), parent);
    dialog.setWindowTitle(QStringLiteral("Configuration de l'impression"));
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
