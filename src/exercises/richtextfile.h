#pragma once

#include <QString>

class QTextDocument;

// Rich-text files on disk (no widgets).
namespace orbane::rtf {

// Loads an RTF file into the document; false, with the document untouched, when the file
// cannot be read or is not RTF.
bool loadFile(const QString &path, QTextDocument &doc);

// Saves the document as RTF through a temporary file that replaces the old one only once
// complete; false, with any old file intact, on failure.
bool saveFile(const QTextDocument &doc, const QString &path);

} // namespace orbane::rtf
