#include "print/pdffile.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

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

QString reasonOf(const QSaveFile &file)
{
    switch (file.error()) {
    case QFileDevice::OpenError:
        return QStringLiteral("le fichier ne peut pas être créé dans ce dossier");
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        return QStringLiteral("l'écriture a échoué (disque plein ou retiré ?)");
    case QFileDevice::RenameError:
        return QStringLiteral("il n'a pas pu remplacer le fichier existant");
    default:
        return QStringLiteral("l'écriture a échoué");
    }
}

} // namespace

PdfResult savePdf(const QString &path, const PrintSource &source, const PrintOptions &options)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, reasonOf(file)};
    bool printed = false;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Orbane 1S"));
        writer.setTitle(QStringLiteral("Orbane 1S"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(), QPageLayout::Millimeter));
        PdfPages pages(writer);
        printed = printCopies(pages, source, options);
    }
    if (!printed) {
        file.cancelWriting();
        return {false, QStringLiteral("la page n'a pas pu être dessinée")};
    }
    if (file.error() != QFileDevice::NoError || !file.commit()) {
        const QString reason = reasonOf(file);
        file.cancelWriting();
        return {false, reason};
    }
    return {true, {}};
}

} // namespace orbane::print
