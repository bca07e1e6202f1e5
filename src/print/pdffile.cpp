#include "print/pdffile.h"

#include <QPageLayout>
#include <QPdfWriter>

namespace orbane::print {

namespace {

// The PDF writer as a printer: its pages take the pictures the print window places.
class PdfPages final : public PrinterService
{
public:
    explicit PdfPages(QPdfWriter &writer) : m_pages(writer) {}
    QString printerName() const override { return QStringLiteral("PDF"); }
    bool setup(QWidget *) override { return true; }
    QSizeF pageTwips() const override { return m_pages.pageTwips(); }
    bool drawPicture(QPointF atTwips, QSizeF sizeTwips, const QImage &picture) override
    {
        return m_pages.drawPicture(atTwips, sizeTwips, picture);
    }
    void newPage() override { m_pages.newPage(); }
    bool endDocument() override { return m_pages.end(); }

private:
    PagePainter m_pages;
};

} // namespace

saving::SaveResult savePdf(const QString &path, const PrintSource &source,
                           const PrintOptions &options)
{
    bool drawn = true;
    saving::SaveResult saved = saving::saveFile(path, [&](QIODevice &file) {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Orbane 1S"));
        writer.setTitle(QStringLiteral("Orbane 1S"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(), QPageLayout::Millimeter));
        PdfPages pages(writer);
        drawn = printCopies(pages, source, options);
        return drawn;
    });
    if (!drawn)
        saved.reason = QStringLiteral("la page n'a pas pu être dessinée");
    return saved;
}

} // namespace orbane::print
