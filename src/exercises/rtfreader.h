#pragma once

#include <QByteArray>

class QIODevice;
class QTextDocument;

// Reads rich text files into a QTextDocument (no widgets).
namespace orbane::rtf {

// Files larger than this are not read at all.
inline constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

// True when the bytes start like an RTF file: "{\rtf", after blanks or a byte-order mark.
bool looksLikeRtf(const QByteArray &data);

// Replaces the document's content with the RTF text, as one step that cannot be undone into
// a half-read state. False, with the document untouched, when the data is not RTF; anything
// else is read as well as it can be: what the reader does not know is skipped.
bool read(const QByteArray &data, QTextDocument &doc);
// Reads the whole device first (at most kMaxFileSize bytes).
bool read(QIODevice &device, QTextDocument &doc);

} // namespace orbane::rtf
