#pragma once

#include "core/savefile.h"

#include <QString>

class QTextDocument;

// Rich-text files on disk (no widgets).
namespace orbane::rtf {

// Loads an RTF file into the document; false, with the document untouched, when the file
// cannot be read or is not RTF.
bool loadFile(const QString &path, QTextDocument &doc);

// Saves the document as RTF in one step (saving::saveFile): on failure any old file is left
// as it was, and the reason is given.
saving::SaveResult saveFile(const QTextDocument &doc, const QString &path);

} // namespace orbane::rtf
