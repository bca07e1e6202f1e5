#include "exercises/rtfreader.h"

#include "exercises/rtfreaderimpl.h"

#include <QBuffer>
#include <QImageReader>
#include <QTextDocument>
#include <QUrl>

namespace orbane::rtf {

namespace {
constexpr int kMaxColours = 4096;
constexpr qint64 kMaxPicturePixels = 6000LL * 6000LL;

// Twips to the document's pixels (96 per inch).
double pixels(int twips) { return twips / 15.0; }

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Lone surrogates and control characters cannot go into a document.
QString cleaned(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1].unicode())) {
            out.append(text[i]);
            out.append(text[++i]);
        } else if (isHighSurrogate(c) || isLowSurrogate(c)) {
            out.append(QChar(QChar::ReplacementCharacter));
        } else if (c == '\t' || c == QChar::LineSeparator || c >= 0x20) {
            out.append(c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter
                           ? QChar(u' ')
                           : text[i]);
        }
    }
    return out;
}
} // namespace

// Where "{\rtf" starts, after a byte-order mark and blanks; -1 when it does not.
static qsizetype headerStart(const QByteArray &data)
{
    qsizetype i = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' ||
                               data[i] == '\n'))
        ++i;
    return data.mid(i, 5) == "{\\rtf" ? i : -1;
}

bool read(const QByteArray &data, QTextDocument &doc, Progress *progress)
{
    const qsizetype start = headerStart(data);
    if (start < 0)
        return false;
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false); // also forgets the previous text's history
    doc.clear();
    {
        Reader reader(doc, progress);
        reader.run(start == 0 ? data : data.mid(start));
    }
    doc.setUndoRedoEnabled(undo);
    doc.setModified(false);
    return true;
}

bool read(QIODevice &device, QTextDocument &doc)
{
    if (!device.isReadable() || device.size() > kMaxTextSize)
        return false;
    const QByteArray data = device.read(kMaxTextSize + 1);
    return data.size() <= kMaxTextSize && read(data, doc);
}

Reader::Reader(QTextDocument &doc, Progress *progress)
    : m_doc(doc), m_progress(progress), m_cursor(&doc)
{
    m_stack.reserve(kMaxDepth + 1);
}

void Reader::run(const QByteArray &data)
{
    Tokenizer tokenizer(data);
    m_cursor.beginEditBlock();
    m_stack.emplace_back(); // outside every group
    resetCharFormat();
    for (Token t = tokenizer.next(); t.type != Token::End && !m_done; t = tokenizer.next()) {
        work(1 + t.word.size());
        token(t);
    }
    flush(true);
    m_cursor.endEditBlock();
}

void Reader::token(const Token &t)
{
    switch (t.type) {
    case Token::GroupStart:
        flush();
        groupStart();
        break;
    case Token::GroupEnd:
        flush();
        groupEnd();
        break;
    case Token::ControlWord:
        controlWord(t);
        break;
    case Token::ControlSymbol:
        controlSymbol(t.word.at(0));
        break;
    case Token::Text:
        text(t.word);
        break;
    case Token::HexByte:
        hexByte(t.byte);
        break;
    case Token::Binary:
        if (state().dest == Destination::Picture)
            picture.binary += t.word;
        break;
    case Token::End:
        break;
    }
}

void Reader::groupStart()
{
    m_ucSkip = 0;
    if (starPending) { // "{\*{": an ignorable group that names no destination
        starPending = false;
        state().dest = Destination::Skip;
    }
    if (int(m_stack.size()) > kMaxDepth) {
        ++m_overflow;
        return;
    }
    work(1 + m_stack.back().tabs.size());
    m_stack.push_back(m_stack.back());
}

void Reader::groupEnd()
{
    m_ucSkip = 0;
    starPending = false;
    if (m_overflow > 0) {
        --m_overflow;
        return;
    }
    if (m_stack.size() <= 1) // a stray "}": nothing to close
        return;
    const GroupState closed = m_stack.back();
    m_stack.pop_back();
    if (closed.dest == Destination::FontTable) {
        finishFontEntry();
        if (state().dest != Destination::FontTable)
            setFont(state().font); // \deff came before the table that defines it
    }
    if (closed.dest == Destination::Picture && state().dest != Destination::Picture)
        finishPicture();
    if (m_stack.size() == 1)
        m_done = true; // the document's group is closed
}

void Reader::controlWord(const Token &t)
{
    if (t.word == "u" && t.hasParam) {
        appendUnicode(t.param);
        return;
    }
    if (m_ucSkip > 0) {
        --m_ucSkip; // a control word is one fallback character
        return;
    }
    flush();
    const bool star = starPending;
    starPending = false;
    if (star) {
        // Only a few starred destinations hold something to show; \ud is the Unicode
        // version of the text that \upr hides.
        if (t.word == "ud" || (t.word == "shppict" && state().dest != Destination::Skip))
            dispatchControlWord(*this, t);
        else
            state().dest = Destination::Skip;
        return;
    }
    if (state().dest == Destination::Skip)
        return;
    dispatchControlWord(*this, t);
}

void Reader::controlSymbol(char c)
{
    if (m_ucSkip > 0 && c != '*') {
        --m_ucSkip;
        return;
    }
    switch (c) {
    case '*':
        flush();
        starPending = true;
        break;
    case '~':
        appendChar(0x00A0);
        break;
    case '-':
        appendChar(0x00AD);
        break;
    case '_':
        appendChar(0x2011);
        break;
    case '\n':
        paragraphEnd();
        break;
    case '\t':
        appendChar('\t');
        break;
    default:
        break; // \| \: and unknown symbols
    }
}

void Reader::text(const QByteArray &bytes)
{
    QByteArray rest = bytes;
    if (m_ucSkip > 0) {
        const int n = int(qMin<qsizetype>(m_ucSkip, rest.size()));
        rest.remove(0, n);
        m_ucSkip -= n;
    }
    if (rest.isEmpty() || m_stack.size() == 1) // nothing lies outside the document's group
        return;
    switch (state().dest) {
    case Destination::Text:
        if (state().hidden)
            return;
        if (!m_bytes.isEmpty() && m_bytesPage != effectiveCodePage())
            decodePendingBytes();
        m_bytesPage = effectiveCodePage();
        m_bytes += rest;
        break;
    case Destination::FontTable:
        fontTableText(rest);
        break;
    case Destination::ColorTable:
        colourTableText(rest);
        break;
    case Destination::Picture:
        picture.hex += rest;
        break;
    case Destination::Skip:
        break;
    }
}

void Reader::hexByte(quint8 b)
{
    if (m_ucSkip > 0) {
        --m_ucSkip;
        return;
    }
    const QByteArray one(1, char(b));
    if (state().dest == Destination::Picture)
        picture.binary += one; // a picture written as escapes
    else
        text(one);
}

void Reader::appendChar(char16_t c)
{
    if (state().dest != Destination::Text || state().hidden)
        return;
    decodePendingBytes();
    m_text.append(QChar(c));
}

void Reader::appendUnicode(int value)
{
    if (m_ucSkip > 0) { // \u inside another's fallback counts as one character
        --m_ucSkip;
        return;
    }
    if (state().dest == Destination::Text && !state().hidden) {
        decodePendingBytes();
        const int unit = value < 0 ? value + 65536 : value;
        if (unit >= 0 && unit <= 0xFFFF)
            m_text.append(QChar(char16_t(unit)));
    }
    m_ucSkip = state().uc;
}

void Reader::decodePendingBytes()
{
    if (m_bytes.isEmpty())
        return;
    m_text += m_decoder.decode(m_bytes, m_bytesPage);
    m_bytes.clear();
}

int Reader::effectiveCodePage() const
{
    const int page = m_stack.back().codePage;
    return page != 0 ? page : m_ansiCodePage;
}

void Reader::materialiseParagraph()
{
    if (m_pendingPar) {
        m_cursor.insertBlock();
        m_pendingPar = false;
    }
    m_cursor.setBlockFormat(effectiveBlockFormat());
}

void Reader::flush(bool final)
{
    decodePendingBytes();
    if (m_text.isEmpty())
        return;
    // A high surrogate waits for its other half, which may come after a control word.
    QString held;
    if (!final && isHighSurrogate(m_text.back().unicode())) {
        held = m_text.back();
        m_text.chop(1);
    }
    work(m_text.size());
    const QString text = cleaned(m_text);
    m_text = held;
    if (text.isEmpty())
        return;
    materialiseParagraph();
    m_cursor.insertText(text, effectiveFormat());
    m_lastWasCell = false;
}

void Reader::paragraphEnd()
{
    if (state().dest != Destination::Text)
        return;
    flush();
    if (m_pendingPar)
        materialiseParagraph(); // an empty paragraph
    m_cursor.setBlockFormat(effectiveBlockFormat());
    m_cursor.setBlockCharFormat(effectiveFormat());
    m_pendingPar = true;
    m_lastWasCell = false;
}

// Tables are read as text: cells apart by tabs, one paragraph per row.
void Reader::cellEnd()
{
    if (state().dest != Destination::Text || state().hidden)
        return;
    appendChar('\t');
    flush();
    m_lastWasCell = true;
}

void Reader::rowEnd()
{
    if (state().dest != Destination::Text)
        return;
    flush();
    if (m_lastWasCell && !m_pendingPar)
        m_cursor.deletePreviousChar(); // no tab after the last cell
    m_lastWasCell = false;
    paragraphEnd();
}

void Reader::startDestination(Destination d)
{
    if (state().dest == Destination::Skip)
        return;
    state().dest = d;
    if (d == Destination::FontTable) {
        m_fontEntry = -1;
        m_fontName.clear();
    }
}

void Reader::startPicture()
{
    if (state().dest == Destination::Skip)
        return;
    picture = PictureData{};
    state().dest = Destination::Picture;
}

void Reader::setFont(int index)
{
    if (state().dest == Destination::FontTable) {
        fontTableIndex(index);
        return;
    }
    const auto it = m_fonts.find(index);
    state().codePage = it != m_fonts.end() ? it->second.codePage : 0;
    // Symbol-font letters become Greek characters, shown in the text's own font.
    if (state().codePage != kSymbolCodePage)
        state().font = index;
}

void Reader::fontTableIndex(int index)
{
    finishFontEntry();
    m_fontEntry = index;
    m_fontCodePage = 0;
}

void Reader::fontTableCharset(int charset)
{
    if (state().dest == Destination::FontTable)
        m_fontCodePage = codePageOfCharset(charset);
}

void Reader::fontTableText(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (c == ';')
            finishFontEntry();
        else if (m_fontEntry >= 0 && m_fontName.size() < 256)
            m_fontName += c;
    }
}

void Reader::finishFontEntry()
{
    if (m_fontEntry >= 0 && !m_fonts.count(m_fontEntry) && m_fonts.size() < 4096) {
        const QString name = m_decoder.decode(m_fontName, m_ansiCodePage).trimmed();
        m_fonts[m_fontEntry] = FontEntry{name, m_fontCodePage};
    }
    m_fontEntry = -1;
    m_fontName.clear();
    m_fontCodePage = 0;
}

void Reader::colourComponent(int which, int value)
{
    if (state().dest == Destination::ColorTable)
        m_rgb[which] = qBound(0, value, 255);
}

void Reader::colourTableText(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (c != ';' || int(m_colours.size()) >= kMaxColours)
            continue;
        if (m_rgb[0] < 0 && m_rgb[1] < 0 && m_rgb[2] < 0)
            m_colours.emplace_back(); // "auto"
        else
            m_colours.emplace_back(QColor(qMax(0, m_rgb[0]), qMax(0, m_rgb[1]), qMax(0, m_rgb[2])));
        m_rgb[0] = m_rgb[1] = m_rgb[2] = -1;
    }
}

std::optional<QColor> Reader::colour(int index) const
{
    if (index < 0 || index >= int(m_colours.size()))
        return std::nullopt;
    return m_colours[index];
}

void Reader::resetCharFormat()
{
    QTextCharFormat f;
    f.setFontPointSize(12);
    state().chr = f;
    state().hidden = false;
    setFont(m_deff);
}

void Reader::resetParagraph()
{
    state().par = QTextBlockFormat();
    state().tabs.clear();
    state().inTable = false;
}

QTextCharFormat Reader::effectiveFormat() const
{
    QTextCharFormat f = m_stack.back().chr;
    const auto it = m_fonts.find(m_stack.back().font);
    if (it != m_fonts.end() && !it->second.name.isEmpty())
        f.setFontFamilies(QStringList{it->second.name});
    return f;
}

QTextBlockFormat Reader::effectiveBlockFormat() const
{
    const GroupState &s = m_stack.back();
    QTextBlockFormat f = s.par;
    // A row read as text: its cells line up on the cell boundaries.
    const QList<QTextOption::Tab> &tabs = s.tabs.isEmpty() && s.inTable ? m_cellTabs : s.tabs;
    if (!tabs.isEmpty())
        f.setTabPositions(tabs);
    return f;
}

void Reader::addCellBoundary(int twips)
{
    if (m_cellx.size() >= kMaxCells)
        return;
    m_cellx.push_back(twips);
    cellTabs();
}

void Reader::clearCellBoundaries()
{
    m_cellx.clear();
    m_cellTabs.clear();
}

// The tab stops of a table row, worked out once per boundary rather than for each paragraph.
void Reader::cellTabs()
{
    work(qint64(m_cellx.size()));
    m_cellTabs.clear();
    int previous = 0;
    for (int x : m_cellx) {
        if (x > previous)
            m_cellTabs.append(QTextOption::Tab(pixels(x), QTextOption::LeftTab));
        previous = x;
    }
    if (!m_cellTabs.isEmpty())
        m_cellTabs.removeLast();
}

void Reader::finishPicture()
{
    work(picture.binary.size() + picture.hex.size());
    QByteArray data = picture.binary;
    if (!picture.hex.isEmpty())
        data += QByteArray::fromHex(picture.hex); // skips anything that is not a hex digit
    if (!picture.supported || data.isEmpty())
        return;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPicturePixels)
        return;
    const QImage image = reader.read();
    if (image.isNull())
        return;
    const QString name = QStringLiteral("rtf-image-%1").arg(++m_images);
    m_doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat f;
    f.setName(name);
    // Shown size: the wanted size in twips when given, scaled in percent.
    const double w = picture.goalw > 0 ? pixels(picture.goalw) : image.width();
    const double h = picture.goalh > 0 ? pixels(picture.goalh) : image.height();
    f.setWidth(qBound(1.0, w * qBound(1, picture.scalex, 1000) / 100.0, 10000.0));
    f.setHeight(qBound(1.0, h * qBound(1, picture.scaley, 1000) / 100.0, 10000.0));
    materialiseParagraph();
    m_cursor.insertImage(f);
    m_lastWasCell = false;
}

} // namespace orbane::rtf
