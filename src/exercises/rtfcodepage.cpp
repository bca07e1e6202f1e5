#include "exercises/rtfcodepage.h"

#include "core/cp1252.h"

#include <QStringDecoder>
#include <array>
#include <utility>

namespace orbane::rtf {

int codePageOfCharset(int charset)
{
    static constexpr std::array<std::pair<int, int>, 17> kCharsets = {{
        {2, kSymbolCodePage}, {77, 10000}, {128, 932}, {129, 949}, {134, 936}, {136, 950},
        {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257},
        {204, 1251}, {222, 874}, {238, 1250}, {254, 437}, {255, 850},
    }};
    for (const auto &[set, page] : kCharsets)
        if (set == charset)
            return page;
    return 0;
}

static const char *decoderName(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 874: return "windows-874";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    case 10000: return "macintosh";
    case 65001: return "UTF-8";
    default: return nullptr;
    }
}

CodePageDecoder::CodePageDecoder() = default;
CodePageDecoder::~CodePageDecoder() = default;

QString CodePageDecoder::decode(const QByteArray &bytes, int codePage)
{
    if (codePage == kSymbolCodePage) {
        QString out;
        out.reserve(bytes.size());
        for (char c : bytes)
            out.append(symbolCharacter(quint8(c)));
        return out;
    }
    const char *name = decoderName(codePage);
    if (!name)
        return cp1252::decode(bytes);
    auto &decoder = m_decoders[codePage];
    if (!decoder)
        decoder = std::make_unique<QStringDecoder>(name, QStringConverter::Flag::Stateless);
    if (!decoder->isValid())
        return cp1252::decode(bytes);
    return decoder->decode(bytes);
}

QChar symbolCharacter(quint8 byte)
{
    // Symbol font letters A..Z and a..z, in its own order.
    static constexpr char16_t kUpper[26] = {
        0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399,
        0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1,
        0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
    static constexpr char16_t kLower[26] = {
        0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9,
        0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1,
        0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};
    if (byte >= 'A' && byte <= 'Z')
        return QChar(kUpper[byte - 'A']);
    if (byte >= 'a' && byte <= 'z')
        return QChar(kLower[byte - 'a']);
    switch (byte) {
    case 0xA3: return QChar(0x2264); // less or equal
    case 0xA5: return QChar(0x221E); // infinity
    case 0xAE: return QChar(0x2192); // right arrow
    case 0xB0: return QChar(0x00B0);
    case 0xB1: return QChar(0x00B1);
    case 0xB3: return QChar(0x2265);
    case 0xB4: return QChar(0x00D7);
    case 0xB6: return QChar(0x2202);
    case 0xB8: return QChar(0x00F7);
    case 0xB9: return QChar(0x2260);
    case 0xBB: return QChar(0x2248);
    case 0xD6: return QChar(0x221A);
    case 0xE5: return QChar(0x2211);
    default: return QChar(byte < 0x80 ? byte : '?');
    }
}

} // namespace orbane::rtf
