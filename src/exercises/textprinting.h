#pragma once

#include "core/savefile.h"

class QPageLayout;
class QTextCursor;
class QTextDocument;
class QWidget;

namespace orbane::exercises {

// Copies the selected part of a text, with its pictures, into an empty document.
void copySelection(const QTextCursor &selection, QTextDocument &into);

// The printer set-up dialog, then the document on the chosen printer, or into the PDF file it
// chose through the checked writer (a failure leaves an old file as it was and says so);
// cancelling prints nothing.
void printWithDialog(const QTextDocument &doc, QWidget *parent);

// The document as a PDF file on these pages, made in memory and saved in one step.
saving::SaveResult savePdf(const QTextDocument &doc, const QString &path,
                           const QPageLayout &layout);

} // namespace orbane::exercises
