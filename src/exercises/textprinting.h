#pragma once

class QTextCursor;
class QTextDocument;
class QWidget;

namespace orbane::exercises {

// Copies the selected part of a text, with its pictures, into an empty document.
void copySelection(const QTextCursor &selection, QTextDocument &into);

// The printer set-up dialog, then the document on the chosen printer; cancelling prints nothing.
void printWithDialog(const QTextDocument &doc, QWidget *parent);

} // namespace orbane::exercises
