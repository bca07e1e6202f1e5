#include "exercises/textprinting.h"

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
    if (dialog.exec() == QDialog::Accepted)
        doc.print(&printer);
}

} // namespace orbane::exercises
