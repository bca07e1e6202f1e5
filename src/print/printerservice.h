#pragma once

#include "core/units.h"

#include <QImage>
#include <QPageLayout>
#include <QPointF>
#include <QPrinter>
#include <QSizeF>
#include <QString>
#include <deque>
#include <memory>

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace orbane::print {

struct PrintSource;

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kTwipsPerPixel = twips::kPerPixel;

// A4 portrait without margins: the pages of a PDF file saved without a printer.
QPageLayout a4Layout();

// Pictures placed in twips on the pages of a paged device: a printer or a PDF file.
class PagePainter
{
public:
    explicit PagePainter(QPagedPaintDevice &device);
    ~PagePainter();
    QSizeF pageTwips() const;
    // The first picture starts the document. False when the device cannot be painted on.
    bool drawPicture(QPointF atTwips, QSizeF sizeTwips, const PrintSource &source);
    // Lines of text from a point down, in the printer's own resolution.
    void drawCaption(QPointF atTwips, const QStringList &lines);
    void newPage();
    // False when the device failed to finish the document.
    bool end();

private:
    bool begin();
    double pixelsPerTwip() const;

    QPagedPaintDevice &m_device;
    std::unique_ptr<QPainter> m_painter;
};

// The printer as we use it: page size, a picture at a point, new page, end of the
// document, the set-up dialog and the printer's name. Page coordinates are twips from the
// top-left corner of the printable area.
class PrinterService
{
public:
    virtual ~PrinterService();
    virtual QString printerName() const = 0;
    // The file the set-up dialog chose to print into ("Imprimer dans un fichier"), if any.
    virtual QString pdfFile() const { return {}; }
    // What the print window shows as the printer: its name, or the file printed into.
    QString shownName() const;
    // The pages chosen in the set-up dialog, for a PDF file written in their place.
    virtual QPageLayout pageLayout() const { return a4Layout(); }
    // False when there is no printer to print on (none installed).
    virtual bool available() const { return true; }
    // The platform's printer set-up dialog; false when the user cancels it.
    virtual bool setup(QWidget *parent) = 0;
    virtual QSizeF pageTwips() const = 0;
    // The first picture starts the document. False when the printer cannot be used.
    virtual bool drawPicture(QPointF atTwips, QSizeF sizeTwips, const PrintSource &source) = 0;
    virtual void drawCaption(QPointF atTwips, const QStringList &lines) = 0;
    virtual void newPage() = 0;
    // False when the document could not be finished.
    virtual bool endDocument() = 0;
};

// Printing through a QPrinter; the set-up dialog is left to the subclasses.
class QPrinterService : public PrinterService
{
public:
    QPrinterService();
    ~QPrinterService() override;

    QPrinter &printer() { return m_printer; }
    QString printerName() const override;
    QString pdfFile() const override;
    QPageLayout pageLayout() const override { return m_printer.pageLayout(); }
    // With no printer installed Qt falls back to PDF output, which needs a file name.
    bool available() const override;
    QSizeF pageTwips() const override;
    bool drawPicture(QPointF atTwips, QSizeF sizeTwips, const PrintSource &source) override;
    void drawCaption(QPointF atTwips, const QStringList &lines) override;
    void newPage() override;
    bool endDocument() override;

private:
    QPrinter m_printer;
    PagePainter m_pages{m_printer};
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
