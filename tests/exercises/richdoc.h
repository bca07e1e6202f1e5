#pragma once

#include <QString>
#include <QStringList>

class QTextDocument;

namespace orbane::test {

// A document using every format the RTF writer handles: character attributes, fonts and
// sizes, colours, paragraph alignment, indents, spacing, line heights, tab stops, tabs and
// line breaks, empty paragraphs, characters inside and outside code page 1252, RTF's own
// special characters and a picture.
void buildRichDocument(QTextDocument &doc);

// Run by run and block by block, what a reader sees: the text with every attribute resolved
// against the document's default font (family and size always named), then each paragraph's
// alignment, margins (whole pixels), line height and tab stops.
QStringList resolvedRuns(const QTextDocument &doc);
QStringList paragraphFormats(const QTextDocument &doc);

// The program that converts documents with LibreOffice, or empty when it is not installed.
QString libreOffice();
// Converts files with LibreOffice into outDir ("rtf", "txt:Text (encoded):UTF8", "pdf"...),
// in one run; returns the converted files' paths, or nothing on failure.
QStringList convertWithLibreOffice(const QStringList &files, const QString &format,
                                   const QString &outDir);

} // namespace orbane::test
