#include "exercises/rtftokenizer.h"

#include <limits>

namespace orbane::rtf {

namespace {
// The RTF grammar allows 32 letters and a parameter of at most 10 digits; longer ones are
// read to their end but saturate.
constexpr int kMaxWordLetters = 32;

Token make(Token::Type type)
{
    Token t;
    t.type = type;
    return t;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

char Tokenizer::peek(qsizetype ahead) const
{
    const qsizetype at = m_pos + ahead;
    return at < m_data.size() ? m_data[at] : '\0';
}

Token Tokenizer::next()
{
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            return make(Token::GroupStart);
        case '}':
            ++m_pos;
            return make(Token::GroupEnd);
        case '\\':
            ++m_pos;
            if (m_pos >= m_data.size())
                return make(Token::End);
            return isLetter(m_data[m_pos]) ? controlWord() : controlSymbol();
        case '\r':
        case '\n':
        case '\0':
            ++m_pos; // not part of the text
            continue;
        default:
            return text();
        }
    }
    return make(Token::End);
}

Token Tokenizer::controlWord()
{
    Token t = make(Token::ControlWord);
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && isLetter(m_data[m_pos]))
        ++m_pos;
    t.word = m_data.mid(start, qMin<qsizetype>(m_pos - start, kMaxWordLetters));

    const bool negative = peek() == '-' && isDigit(peek(1));
    if (negative)
        ++m_pos;
    if (isDigit(peek())) {
        t.hasParam = true;
        qint64 value = 0;
        while (m_pos < m_data.size() && isDigit(m_data[m_pos])) {
            value = qMin<qint64>(value * 10 + (m_data[m_pos] - '0'),
                                 qint64(std::numeric_limits<qint32>::max()) + 1);
            ++m_pos;
        }
        if (negative)
            value = -value;
        t.param = qint32(qBound<qint64>(std::numeric_limits<qint32>::min(), value,
                                        qint64(std::numeric_limits<qint32>::max())));
    }
    if (peek() == ' ')
        ++m_pos; // the delimiter belongs to the word
    if (t.word == "bin" && t.hasParam)
        return binary(t.param);
    return t;
}

Token Tokenizer::controlSymbol()
{
    const char c = m_data[m_pos++];
    if (c == '\'') {
        const int hi = hexValue(peek());
        const int lo = hi < 0 ? -1 : hexValue(peek(1));
        if (hi < 0 || lo < 0) {
            // A broken escape: drop what there is of it, keep the text after it.
            m_pos += hi < 0 ? 0 : 1;
            return make(Token::Text);
        }
        m_pos += 2;
        Token t = make(Token::HexByte);
        t.byte = quint8(hi * 16 + lo);
        return t;
    }
    if (c == '\\' || c == '{' || c == '}') {
        Token t = make(Token::Text);
        t.word = QByteArray(1, c);
        return t;
    }
    Token t = make(Token::ControlSymbol);
    t.word = QByteArray(1, c == '\r' ? '\n' : c); // "\<newline>" is \par
    if (c == '\r' && peek() == '\n')
        ++m_pos;
    return t;
}

Token Tokenizer::text()
{
    Token t = make(Token::Text);
    const qsizetype start = m_pos;
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n' || c == '\0')
            break;
        ++m_pos;
    }
    t.word = m_data.mid(start, m_pos - start);
    return t;
}

Token Tokenizer::binary(qint32 length)
{
    Token t = make(Token::Binary);
    const qsizetype n = qBound<qsizetype>(0, qsizetype(length), m_data.size() - m_pos);
    t.word = m_data.mid(m_pos, n);
    m_pos += n;
    return t;
}

} // namespace orbane::rtf
