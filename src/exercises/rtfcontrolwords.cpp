// The reader's table of control words: name -> what it does to the reader's state.

#include "exercises/rtfreaderimpl.h"

#include <QBrush>
#include <string_view>
#include <unordered_map>

namespace orbane::rtf {

namespace {

using Handler = void (*)(Reader &, const Token &);

bool on(const Token &t) { return !t.hasParam || t.param != 0; }
int param(const Token &t, int fallback = 0) { return t.hasParam ? t.param : fallback; }
// Twips to document pixels, bounded so that no margin or indent runs away.
double px(const Token &t, double low, double high)
{
    return qBound(low, param(t) / 15.0, high);
}

QTextCharFormat &chr(Reader &r) { return r.state().chr; }
QTextBlockFormat &par(Reader &r) { return r.state().par; }

void character(Reader &r, char16_t c) { r.appendChar(c); }

void setVertical(Reader &r, QTextCharFormat::VerticalAlignment a)
{
    chr(r).setVerticalAlignment(a);
}

void setBackground(Reader &r, const Token &t)
{
    if (const auto c = r.colour(param(t)); c && param(t) != 0)
        chr(r).setBackground(QBrush(*c));
    else
        chr(r).clearBackground();
}

void setLineSpacing(Reader &r, bool multiple)
{
    QTextBlockFormat &f = par(r);
    const int sl = r.state().lineSpacing;
    if (sl == 0) {
        f.setLineHeight(100, QTextBlockFormat::SingleHeight);
    } else if (multiple) {
        f.setLineHeight(qBound(10.0, qAbs(sl) / 240.0 * 100.0, 1000.0),
                        QTextBlockFormat::ProportionalHeight);
    } else {
        f.setLineHeight(qBound(1.0, qAbs(sl) / 15.0, 1000.0),
                        sl > 0 ? QTextBlockFormat::MinimumHeight : QTextBlockFormat::FixedHeight);
    }
}

void addTab(Reader &r, const Token &t)
{
    GroupState &s = r.state();
    if (s.tabs.size() < 64)
        s.tabs.append(QTextOption::Tab(px(t, 0, 10000), s.nextTabType));
    s.nextTabType = QTextOption::LeftTab;
}

void skip(Reader &r, const Token &) { r.startDestination(Destination::Skip); }

const std::unordered_map<std::string_view, Handler> &table()
{
    static const std::unordered_map<std::string_view, Handler> kTable = {
        // Document.
        {"ansi", [](Reader &r, const Token &) { r.setAnsiCodePage(1252); }},
        {"mac", [](Reader &r, const Token &) { r.setAnsiCodePage(10000); }},
        {"pc", [](Reader &r, const Token &) { r.setAnsiCodePage(437); }},
        {"pca", [](Reader &r, const Token &) { r.setAnsiCodePage(850); }},
        {"ansicpg", [](Reader &r, const Token &t) { r.setAnsiCodePage(param(t, 1252)); }},
        {"deff", [](Reader &r, const Token &t) { r.setDefaultFont(param(t)); r.setFont(param(t)); }},
        {"uc", [](Reader &r, const Token &t) { r.state().uc = qBound(0, param(t, 1), 8); }},

        // Destinations.
        {"fonttbl", [](Reader &r, const Token &) { r.startDestination(Destination::FontTable); }},
        {"colortbl", [](Reader &r, const Token &) { r.startDestination(Destination::ColorTable); }},
        {"pict", [](Reader &r, const Token &) { r.startPicture(); }},
        {"shppict", [](Reader &, const Token &) {}}, // holds the picture to show
        {"upr", [](Reader &r, const Token &) {
             r.state().resume = r.state().dest;
             r.startDestination(Destination::Skip);
         }},
        {"ud", [](Reader &r, const Token &) { r.state().dest = r.state().resume; }},
        {"stylesheet", skip}, {"info", skip}, {"header", skip}, {"headerl", skip},
        {"headerr", skip}, {"headerf", skip}, {"footer", skip}, {"footerl", skip},
        {"footerr", skip}, {"footerf", skip}, {"footnote", skip}, {"annotation", skip},
        {"xe", skip}, {"tc", skip}, {"txe", skip}, {"rxe", skip}, {"listtable", skip},
        {"listoverridetable", skip}, {"revtbl", skip}, {"rsidtbl", skip}, {"nonshppict", skip},
        {"template", skip}, {"filetbl", skip}, {"fldinst", skip}, {"objdata", skip},
        {"objclass", skip}, {"themedata", skip}, {"colorschememapping", skip},
        {"latentstyles", skip}, {"datastore", skip}, {"generator", skip}, {"pgdsctbl", skip},
        {"pn", skip}, {"bkmkstart", skip}, {"bkmkend", skip}, {"do", skip}, {"private", skip},
        {"userprops", skip}, {"docvar", skip}, {"xmlnstbl", skip}, {"shpinst", skip},

        // Characters.
        {"plain", [](Reader &r, const Token &) { r.resetCharFormat(); }},
        {"b", [](Reader &r, const Token &t) { chr(r).setFontWeight(on(t) ? QFont::Bold : QFont::Normal); }},
        {"i", [](Reader &r, const Token &t) { chr(r).setFontItalic(on(t)); }},
        {"ul", [](Reader &r, const Token &t) { chr(r).setFontUnderline(on(t)); }},
        {"uld", [](Reader &r, const Token &t) { chr(r).setFontUnderline(on(t)); }},
        {"uldb", [](Reader &r, const Token &t) { chr(r).setFontUnderline(on(t)); }},
        {"uldash", [](Reader &r, const Token &t) { chr(r).setFontUnderline(on(t)); }},
        {"ulw", [](Reader &r, const Token &t) { chr(r).setFontUnderline(on(t)); }},
        {"ulwave", [](Reader &r, const Token &t) { chr(r).setFontUnderline(on(t)); }},
        {"ulth", [](Reader &r, const Token &t) { chr(r).setFontUnderline(on(t)); }},
        {"ulnone", [](Reader &r, const Token &) { chr(r).setFontUnderline(false); }},
        {"strike", [](Reader &r, const Token &t) { chr(r).setFontStrikeOut(on(t)); }},
        {"striked", [](Reader &r, const Token &t) { chr(r).setFontStrikeOut(on(t)); }},
        {"super", [](Reader &r, const Token &) { setVertical(r, QTextCharFormat::AlignSuperScript); }},
        {"sub", [](Reader &r, const Token &) { setVertical(r, QTextCharFormat::AlignSubScript); }},
        {"nosupersub", [](Reader &r, const Token &) { setVertical(r, QTextCharFormat::AlignNormal); }},
        {"up", [](Reader &r, const Token &t) {
             setVertical(r, param(t, 6) > 0 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignNormal);
         }},
        {"dn", [](Reader &r, const Token &t) {
             setVertical(r, param(t, 6) > 0 ? QTextCharFormat::AlignSubScript : QTextCharFormat::AlignNormal);
         }},
        {"f", [](Reader &r, const Token &t) { r.setFont(param(t)); }},
        {"fcharset", [](Reader &r, const Token &t) { r.fontTableCharset(param(t)); }},
        {"fs", [](Reader &r, const Token &t) {
             if (param(t) > 0)
                 chr(r).setFontPointSize(qBound(1.0, param(t) / 2.0, 1638.0));
         }},
        {"cf", [](Reader &r, const Token &t) {
             if (const auto c = r.colour(param(t)))
                 chr(r).setForeground(QBrush(*c));
             else
                 chr(r).clearForeground();
         }},
        {"cb", setBackground}, {"highlight", setBackground}, {"chcbpat", setBackground},
        {"v", [](Reader &r, const Token &t) { r.state().hidden = on(t); }},
        {"red", [](Reader &r, const Token &t) { r.colourComponent(0, param(t)); }},
        {"green", [](Reader &r, const Token &t) { r.colourComponent(1, param(t)); }},
        {"blue", [](Reader &r, const Token &t) { r.colourComponent(2, param(t)); }},

        // Paragraphs.
        {"pard", [](Reader &r, const Token &) { r.resetParagraph(); }},
        {"ql", [](Reader &r, const Token &) { par(r).setAlignment(Qt::AlignLeft); }},
        {"qc", [](Reader &r, const Token &) { par(r).setAlignment(Qt::AlignHCenter); }},
        {"qr", [](Reader &r, const Token &) { par(r).setAlignment(Qt::AlignRight); }},
        {"qj", [](Reader &r, const Token &) { par(r).setAlignment(Qt::AlignJustify); }},
        {"qd", [](Reader &r, const Token &) { par(r).setAlignment(Qt::AlignJustify); }},
        {"li", [](Reader &r, const Token &t) { par(r).setLeftMargin(px(t, 0, 5000)); }},
        {"lin", [](Reader &r, const Token &t) { par(r).setLeftMargin(px(t, 0, 5000)); }},
        {"ri", [](Reader &r, const Token &t) { par(r).setRightMargin(px(t, 0, 5000)); }},
        {"rin", [](Reader &r, const Token &t) { par(r).setRightMargin(px(t, 0, 5000)); }},
        {"fi", [](Reader &r, const Token &t) { par(r).setTextIndent(px(t, -5000, 5000)); }},
        {"sb", [](Reader &r, const Token &t) { par(r).setTopMargin(px(t, 0, 5000)); }},
        {"sa", [](Reader &r, const Token &t) { par(r).setBottomMargin(px(t, 0, 5000)); }},
        {"sl", [](Reader &r, const Token &t) {
             r.state().lineSpacing = qBound(-30000, param(t), 30000);
             setLineSpacing(r, false);
         }},
        {"slmult", [](Reader &r, const Token &t) { setLineSpacing(r, on(t)); }},
        {"tx", addTab},
        {"tqr", [](Reader &r, const Token &) { r.state().nextTabType = QTextOption::RightTab; }},
        {"tqc", [](Reader &r, const Token &) { r.state().nextTabType = QTextOption::CenterTab; }},
        {"tqdec", [](Reader &r, const Token &) { r.state().nextTabType = QTextOption::DelimiterTab; }},

        // Tables, read as text.
        {"intbl", [](Reader &r, const Token &) { r.state().inTable = true; }},
        {"trowd", [](Reader &r, const Token &) { r.clearCellBoundaries(); }},
        {"cellx", [](Reader &r, const Token &t) { r.addCellBoundary(param(t)); }},
        {"cell", [](Reader &r, const Token &) { r.cellEnd(); }},
        {"nestcell", [](Reader &r, const Token &) { r.cellEnd(); }},
        {"row", [](Reader &r, const Token &) { r.rowEnd(); }},
        {"nestrow", [](Reader &r, const Token &) { r.rowEnd(); }},

        // Breaks and special characters.
        {"par", [](Reader &r, const Token &) { r.paragraphEnd(); }},
        {"sect", [](Reader &r, const Token &) { r.paragraphEnd(); }},
        {"page", [](Reader &r, const Token &) { r.paragraphEnd(); }},
        {"line", [](Reader &r, const Token &) { character(r, QChar::LineSeparator); }},
        {"tab", [](Reader &r, const Token &) { character(r, '\t'); }},
        {"emdash", [](Reader &r, const Token &) { character(r, 0x2014); }},
        {"endash", [](Reader &r, const Token &) { character(r, 0x2013); }},
        {"bullet", [](Reader &r, const Token &) { character(r, 0x2022); }},
        {"lquote", [](Reader &r, const Token &) { character(r, 0x2018); }},
        {"rquote", [](Reader &r, const Token &) { character(r, 0x2019); }},
        {"ldblquote", [](Reader &r, const Token &) { character(r, 0x201C); }},
        {"rdblquote", [](Reader &r, const Token &) { character(r, 0x201D); }},
        {"emspace", [](Reader &r, const Token &) { character(r, 0x2003); }},
        {"enspace", [](Reader &r, const Token &) { character(r, 0x2002); }},
        {"qmspace", [](Reader &r, const Token &) { character(r, 0x2005); }},
        {"zwj", [](Reader &r, const Token &) { character(r, 0x200D); }},
        {"zwnj", [](Reader &r, const Token &) { character(r, 0x200C); }},

        // Picture properties.
        {"pngblip", [](Reader &r, const Token &) { r.picture.supported = true; }},
        {"jpegblip", [](Reader &r, const Token &) { r.picture.supported = true; }},
        {"picw", [](Reader &r, const Token &t) { r.picture.picw = param(t); }},
        {"pich", [](Reader &r, const Token &t) { r.picture.pich = param(t); }},
        {"picwgoal", [](Reader &r, const Token &t) { r.picture.goalw = qBound(0, param(t), 150000); }},
        {"pichgoal", [](Reader &r, const Token &t) { r.picture.goalh = qBound(0, param(t), 150000); }},
        {"picscalex", [](Reader &r, const Token &t) { r.picture.scalex = param(t, 100); }},
        {"picscaley", [](Reader &r, const Token &t) { r.picture.scaley = param(t, 100); }},
    };
    return kTable;
}

} // namespace

bool dispatchControlWord(Reader &reader, const Token &t)
{
    const auto &words = table();
    const auto it = words.find(std::string_view(t.word.constData(), std::size_t(t.word.size())));
    if (it == words.end())
        return false;
    it->second(reader, t);
    return true;
}

} // namespace orbane::rtf
