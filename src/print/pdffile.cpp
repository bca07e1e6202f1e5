#include "print/pdffile.h"

#include "core/saveplace.h"

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
    bool drawPicture(QPointF atTwips, QSizeF sizeTwips, const PrintSource &source) override
    {
        return m_pages.drawPicture(atTwips, sizeTwips, source);
    }
    void drawCaption(QPointF atTwips, const QStringList &lines) override
    {
        m_pages.drawCaption(atTwips, lines);
    }
    void newPage() override { m_pages.newPage(); }
    bool endDocument() override { return m_pages.end(); }

private:
    PagePainter m_pages;
};

} // namespace

saving::SaveResult savePdf(const QString &path, const PrintSource &source,
                           const PrintOptions &options, const QPageLayout &layout)
{
    bool drawn = true;
    saving::SaveResult saved = saving::saveFile(path, [&](QIODevice &file) {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Orbane 1S"));
        writer.setTitle(QStringLiteral("Orbane 1S"));
        writer.setPageLayout(layout);
        PdfPages pages(writer);
        drawn = printCopies(pages, source, options);
        return drawn;
    });
    if (!drawn)
        saved.reason = QStringLiteral("la page n'a pas pu être dessinée");
    if (saved)
        SavePlace::shared().remember(path);
    return saved;
}

QString pdfFailure(const QString &path, const saving::SaveResult &saved)
{
    return QStringLiteral("Le fichier ") + path + QStringLiteral(" n'a pas pu être enregistré : ") +
           saved.reason +
           QStringLiteral(".\nUn fichier qui portait déjà ce nom est resté tel quel.");
}

} // namespace orbane::print
