#pragma once

#include <QByteArray>
#include <QtGlobal>

// Splits RTF bytes into tokens, one at a time. It never fails: whatever it does not
// recognise comes back as text or is dropped, and it always reaches End.
namespace orbane::rtf {

struct Token
{
    enum Type {
        End,
        GroupStart,
        GroupEnd,
        ControlWord,   // word, optional signed parameter
        ControlSymbol, // \* \~ \- \_ \| \: and the line-break forms
        Text,          // literal bytes in the current code page
        HexByte,       // \'hh, a byte in the current code page
        Binary,        // the data of \binN
    };
    Type type = End;
    QByteArray word; // control word name, symbol, text bytes or binary data
    bool hasParam = false;
    qint32 param = 0;
    quint8 byte = 0; // HexByte
};

class Tokenizer
{
public:
    explicit Tokenizer(const QByteArray &data) : m_data(data) {}
    Token next();
    bool atEnd() const { return m_pos >= m_data.size(); }

private:
    Token controlWord();
    Token controlSymbol();
    Token text();
    Token binary(qint32 length);
    char peek(qsizetype ahead = 0) const;

    QByteArray m_data;
    qsizetype m_pos = 0;
};

} // namespace orbane::rtf
