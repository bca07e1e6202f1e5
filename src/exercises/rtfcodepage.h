#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <memory>

class QStringDecoder;

// The 8-bit code pages an RTF file may name (\ansicpg, \fcharset).
namespace orbane::rtf {

inline constexpr int kDefaultCodePage = 1252;
inline constexpr int kSymbolCodePage = -2; // the Symbol font: Latin letters stand for Greek

// The code page a font's \fcharset implies, or 0 when it implies none (use the document's).
int codePageOfCharset(int charset);

// Decodes bytes of one code page; an unknown page falls back to 1252. Decoders are kept
// for the life of the object, since a file switches between the same few pages.
class CodePageDecoder
{
public:
    CodePageDecoder();
    ~CodePageDecoder();
    QString decode(const QByteArray &bytes, int codePage);

private:
    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

// Character of the Symbol font for a byte (Greek letters and mathematical signs).
QChar symbolCharacter(quint8 byte);

} // namespace orbane::rtf
