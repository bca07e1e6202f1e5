#pragma once

#include <QByteArray>

class QIODevice;
class QTextDocument;

// Writes a QTextDocument as RTF (no widgets): what the reader reads, in a form other word
// processors open with the same formatting.
namespace orbane::rtf {

QByteArray write(const QTextDocument &doc);
bool write(const QTextDocument &doc, QIODevice &device);

} // namespace orbane::rtf
