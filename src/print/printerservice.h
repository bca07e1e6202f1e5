#pragma once

#include "core/units.h"

#include <QImage>
#include <QPointF>
#include <QPrinter>
#include <QSizeF>
#include <QString>
#include <deque>
#include <memory>

class QPainter;
class QWidget;

namespace orbane::print {

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kTwipsPerPixel = twips::kPerPixel;

// The printer as we use it: page size, a picture at a point, new page, end of the
// document, the set-up dialog and the printer's name. Page coordinates are twips from the
// top-left corner of the printable area.
class PrinterService
{
public:
    virtual ~PrinterService();
    virtual QString printerName() const = 0;
    // The platform's printer set-up dialog; false when the user cancels it.
    virtual bool setup(QWidget *parent) = 0;
    virtual QSizeF pageTwips() const = 0;
    // The first picture starts the document. False when the printer cannot be used.
    virtual bool drawPicture(QPointF atTwips, QSizeF sizeTwips, const QImage &picture) = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
};

// Printing through a QPrinter; the set-up dialog is left to the subclasses.
class QPrinterService : public PrinterService
{
public:
    QPrinterService();
    ~QPrinterService() override;

    QPrinter &printer() { return m_printer; }
    QString printerName() const override;
    QSizeF pageTwips() const override;
    bool drawPicture(QPointF atTwips, QSizeF sizeTwips, const QImage &picture) override;
    void newPage() override;
    void endDocument() override;

private:
    QPrinter m_printer;
    std::unique_ptr<QPainter> m_painter;
};

// The system's printers and Qt's print dialog.
class QtPrinterService final : public QPrinterService
{
public:
    bool setup(QWidget *parent) override;
};

// Prints into a PDF file; the set-up dialog is scripted (answers queued, "OK" by default) and
// counted. Used by the tests and handy to print without a printer.
class PdfPrinterService final : public QPrinterService
{
public:
    explicit PdfPrinterService(const QString &path);
    QString printerName() const override { return name; }
    bool setup(QWidget *parent) override;

    QString name = QStringLiteral("PDF");
    std::deque<bool> setupAnswers;
    int setupCalls = 0;
};

} // namespace orbane::print
