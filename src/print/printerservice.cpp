#include "print/printerservice.h"

#include <QPainter>
#include <QPrintDialog>

namespace orbane::print {

PrinterService::~PrinterService() = default;

QPrinterService::QPrinterService() : m_printer(QPrinter::HighResolution) {}

QPrinterService::~QPrinterService()
{
    if (m_painter)
        m_painter->end();
}

QString QPrinterService::printerName() const { return m_printer.printerName(); }

QSizeF QPrinterService::pageTwips() const
{
    return m_printer.pageLayout().paintRect(QPageLayout::Inch).size() * kTwipsPerInch;
}

bool QPrinterService::drawPicture(QPointF atTwips, QSizeF sizeTwips, const QImage &picture)
{
    if (!m_painter) {
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(&m_printer))
            return false;
        m_painter = std::move(painter);
    }
    const double scale = m_printer.resolution() / kTwipsPerInch;
    m_painter->drawImage(QRectF(atTwips * scale, sizeTwips * scale), picture);
    return true;
}

void QPrinterService::newPage()
{
    if (m_painter)
        m_printer.newPage();
}

void QPrinterService::endDocument()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

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
