#include "exercises/textprinting.h"

#include "core/saveplace.h"
#include "platform/savewindows.h"

#include <QBuffer>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>

namespace orbane::exercises {

void copySelection(const QTextCursor &selection, QTextDocument &into)
{
    const QTextDocument *source = selection.document();
    into.setDefaultFont(source->defaultFont());
    QTextCursor(&into).insertFragment(QTextDocumentFragment(selection));
    // Pictures are resources of the document that holds them: bring them along.
    for (QTextBlock b = into.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.isImageFormat())
                continue;
            const QUrl name(f.toImageFormat().name());
            into.addResource(QTextDocument::ImageResource, name,
                             source->resource(QTextDocument::ImageResource, name));
        }
}

void printWithDialog(const QTextDocument &doc, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    offerPrintFileInSavePlace(dialog, QStringLiteral("Exercice.pdf"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString file =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (file.isEmpty()) {
        doc.print(&printer);
        return;
    }
    const saving::SaveResult saved = savePdf(doc, file, printer.pageLayout());
    if (!saved)
        QMessageBox::critical(parent, QStringLiteral("Imprimer"),
                              QStringLiteral("Le fichier %1 n'a pas pu être enregistré : %2.\n"
                                             "Un fichier qui portait déjà ce nom est resté tel "
                                             "quel.")
                                  .arg(file, saved.reason));
}

saving::SaveResult savePdf(const QTextDocument &doc, const QString &path, const QPageLayout &layout)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setCreator(QStringLiteral("Orbane 1S"));
        writer.setPageLayout(layout);
        doc.print(&writer);
    }
    const saving::SaveResult saved = saving::saveBytes(path, pdf.data());
    if (saved)
        SavePlace::shared().remember(path);
    return saved;
}

} // namespace orbane::exercises
