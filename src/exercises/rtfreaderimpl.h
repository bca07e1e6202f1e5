#pragma once

// Internals of the RTF reader, shared by the reader and its table of control words.

#include "exercises/rtfcodepage.h"
#include "exercises/rtfreader.h"
#include "exercises/rtftokenizer.h"

#include <QColor>
#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <map>
#include <optional>
#include <vector>

class QTextDocument;

namespace orbane::rtf {

enum class Destination { Text, FontTable, ColorTable, Picture, Skip };

// Everything a group scopes: "{" pushes a copy, "}" pops it.
struct GroupState
{
    Destination dest = Destination::Text;
    Destination resume = Destination::Skip; // where \ud returns to, inside \upr
    QTextCharFormat chr;
    QTextBlockFormat par;
    int font = -1;
    int codePage = 0; // 0: the document's
    int uc = 1;
    bool hidden = false;
    bool inTable = false;
    QList<QTextOption::Tab> tabs;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    int lineSpacing = 0; // \sl, twips: > 0 at least, < 0 exactly
};

struct FontEntry
{
    QString name;
    int codePage = 0;
};

struct PictureData
{
    QByteArray hex;
    QByteArray binary;
    int picw = 0, pich = 0, goalw = 0, goalh = 0;
    int scalex = 100, scaley = 100;
    bool supported = false; // PNG or JPEG
};

class Reader
{
public:
    static constexpr int kMaxDepth = 200;
    static constexpr std::size_t kMaxCells = 64;

    Reader(QTextDocument &doc, Progress *progress);
    void run(const QByteArray &data);

    // Counts work done on the input.
    void work(qint64 n) const
    {
        if (m_progress)
            m_progress->add(n);
    }

    // Used by the control-word handlers.
    GroupState &state() { return m_stack.back(); }
    void flush(bool final = false);
    void appendChar(char16_t c);
    void appendUnicode(int value);
    void paragraphEnd();
    void cellEnd();
    void rowEnd();
    void startDestination(Destination d);
    void startPicture();
    void setFont(int index);
    void setDefaultFont(int index) { m_deff = index; }
    void setAnsiCodePage(int page) { m_ansiCodePage = page; }
    std::optional<QColor> colour(int index) const;
    void resetCharFormat();
    void resetParagraph();
    // A row has at most kMaxCells cells; further boundaries (kept until the next row
    // definition) are ignored.
    void addCellBoundary(int twips);
    void clearCellBoundaries();

    // Font and colour tables.
    void fontTableIndex(int index);
    void fontTableCharset(int charset);
    void colourComponent(int which, int value);

    PictureData picture;
    bool starPending = false;

private:
    void token(const Token &t);
    void controlWord(const Token &t);
    void controlSymbol(char c);
    void text(const QByteArray &bytes);
    void hexByte(quint8 b);
    void groupStart();
    void groupEnd();
    void fontTableText(const QByteArray &bytes);
    void colourTableText(const QByteArray &bytes);
    void finishFontEntry();
    void finishPicture();
    void decodePendingBytes();
    void cellTabs();
    void materialiseParagraph();
    QTextCharFormat effectiveFormat() const;
    QTextBlockFormat effectiveBlockFormat() const;
    int effectiveCodePage() const;

    QTextDocument &m_doc;
    Progress *m_progress;
    QTextCursor m_cursor;
    std::vector<GroupState> m_stack;
    int m_overflow = 0; // groups opened beyond kMaxDepth
    bool m_done = false;

    CodePageDecoder m_decoder;
    QByteArray m_bytes; // pending text in m_bytesPage
    int m_bytesPage = 0;
    QString m_text;     // pending decoded text
    int m_ucSkip = 0;

    bool m_pendingPar = false;
    bool m_lastWasCell = false;
    int m_deff = -1;
    int m_ansiCodePage = kDefaultCodePage;
    std::map<int, FontEntry> m_fonts;
    int m_fontEntry = -1;
    QByteArray m_fontName;
    int m_fontCodePage = 0;
    std::vector<std::optional<QColor>> m_colours;
    int m_rgb[3] = {-1, -1, -1};
    std::vector<int> m_cellx;
    QList<QTextOption::Tab> m_cellTabs; // the tab stops the boundaries make
    int m_images = 0;
};

// The control-word table: true when the word was known.
bool dispatchControlWord(Reader &reader, const Token &t);

} // namespace orbane::rtf
