#include "exercises/rtfwriter.h"

#include "core/cp1252.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QIODevice>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <cmath>

namespace orbane::rtf {

namespace {

int twips(double pixels) { return int(std::lround(pixels * 15.0)); }

QString familyOf(const QTextCharFormat &f, const QTextDocument &doc)
{
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    return doc.defaultFont().family();
}

double pointSizeOf(const QTextCharFormat &f, const QTextDocument &doc)
{
    if (f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0)
        return f.fontPointSize();
    if (f.hasProperty(QTextFormat::FontPixelSize) && f.intProperty(QTextFormat::FontPixelSize) > 0)
        return f.intProperty(QTextFormat::FontPixelSize) * 0.75;
    const double p = doc.defaultFont().pointSizeF();
    return p > 0 ? p : 12.0;
}

// Text in RTF: 7-bit characters as they are, code page 1252 as \'hh, the rest as \uN?.
void escape(QByteArray &out, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const char16_t u = ch.unicode();
        switch (u) {
        case '\\': out += "\\\\"; continue;
        case '{': out += "\\{"; continue;
        case '}': out += "\\}"; continue;
        case '\t': out += "\\tab "; continue;
        case 0x00A0: out += "\\~"; continue;
        case 0x00AD: out += "\\-"; continue;
        case 0x2011: out += "\\_"; continue;
        case QChar::LineSeparator: out += "\\line "; continue;
        case QChar::ParagraphSeparator: out += "\\par "; continue;
        default: break;
        }
        if (u >= 0x20 && u < 0x80) {
            out += char(u);
            continue;
        }
        if (u < 0x20)
            continue;
        const QByteArray b = cp1252::encode(QString(ch));
        if (b != "?") {
            out += "\\'" + b.toHex();
            continue;
        }
        out += "\\u" + QByteArray::number(u > 0x7FFF ? int(u) - 65536 : int(u)) + '?';
    }
}

class Writer
{
public:
    explicit Writer(const QTextDocument &doc) : m_doc(doc) {}
    QByteArray run();

private:
    void collect(const QTextCharFormat &f);
    void collectFrame(QTextFrame *frame);
    void collectBlock(const QTextBlock &block);
    int fontIndex(const QString &family) const { return int(m_fonts.indexOf(family)); }
    int colourIndex(const QColor &c) const { return int(m_colours.indexOf(c.rgb())) + 1; }
    QByteArray header() const;
    QByteArray charProps(const QTextCharFormat &f) const;
    QByteArray paraProps(const QTextBlockFormat &f) const;
    void frame(QTextFrame *frame);
    void table(QTextTable *table);
    void blockRuns(const QTextBlock &block);
    void block(const QTextBlock &block);
    void image(const QTextImageFormat &f);

    const QTextDocument &m_doc;
    QStringList m_fonts;
    QList<QRgb> m_colours;
    QByteArray m_out;
};

void Writer::collect(const QTextCharFormat &f)
{
    const QString family = familyOf(f, m_doc);
    if (!m_fonts.contains(family))
        m_fonts.append(family);
    for (const QBrush &b : {f.foreground(), f.background()})
        if (b.style() != Qt::NoBrush && !m_colours.contains(b.color().rgb()))
            m_colours.append(b.color().rgb());
}

void Writer::collectBlock(const QTextBlock &block)
{
    collect(block.charFormat());
    for (auto it = block.begin(); !it.atEnd(); ++it)
        collect(it.fragment().charFormat());
}

void Writer::collectFrame(QTextFrame *f)
{
    for (auto it = f->begin(); !it.atEnd(); ++it) {
        if (QTextFrame *child = it.currentFrame())
            collectFrame(child);
        else
            collectBlock(it.currentBlock());
    }
}

QByteArray Writer::header() const
{
    QByteArray h = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i) {
        QString name = m_fonts[i];
        name.remove(QLatin1Char(';'));
        h += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        escape(h, name);
        h += ";}";
    }
    h += "}\n{\\colortbl;";
    for (QRgb c : m_colours)
        h += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) +
             "\\blue" + QByteArray::number(qBlue(c)) + ';';
    h += "}\n\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\n";
    return h;
}

QByteArray Writer::charProps(const QTextCharFormat &f) const
{
    QByteArray p = "\\f" + QByteArray::number(fontIndex(familyOf(f, m_doc)));
    p += "\\fs" + QByteArray::number(int(std::lround(pointSizeOf(f, m_doc) * 2)));
    if (f.fontWeight() >= QFont::DemiBold)
        p += "\\b";
    if (f.fontItalic())
        p += "\\i";
    if (f.fontUnderline())
        p += "\\ul";
    if (f.fontStrikeOut())
        p += "\\strike";
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        p += "\\super";
    else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        p += "\\sub";
    if (f.foreground().style() != Qt::NoBrush)
        p += "\\cf" + QByteArray::number(colourIndex(f.foreground().color()));
    if (f.background().style() != Qt::NoBrush)
        p += "\\chcbpat" + QByteArray::number(colourIndex(f.background().color()));
    return p;
}

QByteArray Writer::paraProps(const QTextBlockFormat &f) const
{
    QByteArray p = "\\pard";
    const Qt::Alignment a = f.alignment();
    if (a & Qt::AlignHCenter)
        p += "\\qc";
    else if (a & Qt::AlignRight)
        p += "\\qr";
    else if (a & Qt::AlignJustify)
        p += "\\qj";
    else
        p += "\\ql";
    const auto number = [&p](const char *word, double pixels) {
        if (const int t = twips(pixels))
            p += QByteArray(word) + QByteArray::number(t);
    };
    number("\\li", f.leftMargin());
    number("\\ri", f.rightMargin());
    number("\\fi", f.textIndent());
    number("\\sb", f.topMargin());
    number("\\sa", f.bottomMargin());
    switch (f.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        if (f.lineHeight() != 100)
            p += "\\sl" + QByteArray::number(int(std::lround(f.lineHeight() * 2.4))) + "\\slmult1";
        break;
    case QTextBlockFormat::MinimumHeight:
        p += "\\sl" + QByteArray::number(twips(f.lineHeight())) + "\\slmult0";
        break;
    case QTextBlockFormat::FixedHeight:
        p += "\\sl-" + QByteArray::number(twips(f.lineHeight())) + "\\slmult0";
        break;
    default:
        break;
    }
    for (const QTextOption::Tab &tab : f.tabPositions()) {
        if (tab.type == QTextOption::RightTab)
            p += "\\tqr";
        else if (tab.type == QTextOption::CenterTab)
            p += "\\tqc";
        else if (tab.type == QTextOption::DelimiterTab)
            p += "\\tqdec";
        p += "\\tx" + QByteArray::number(twips(tab.position));
    }
    return p;
}

void Writer::image(const QTextImageFormat &f)
{
    const QVariant res = m_doc.resource(QTextDocument::ImageResource, QUrl(f.name()));
    QImage img;
    if (res.canConvert<QImage>())
        img = res.value<QImage>();
    else if (res.canConvert<QPixmap>())
        img = res.value<QPixmap>().toImage();
    else if (res.canConvert<QByteArray>())
        img = QImage::fromData(res.toByteArray());
    if (img.isNull())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!img.save(&buffer, "PNG"))
        return;
    const double w = f.width() > 0 ? f.width() : img.width();
    const double h = f.height() > 0 ? f.height() : img.height();
    m_out += "{\\pict\\pngblip\\picw" + QByteArray::number(img.width()) + "\\pich" +
             QByteArray::number(img.height()) + "\\picwgoal" + QByteArray::number(twips(w)) +
             "\\pichgoal" + QByteArray::number(twips(h)) + '\n';
    const QByteArray hex = png.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128)
        m_out += hex.mid(i, 128) + '\n';
    m_out += '}';
}

void Writer::blockRuns(const QTextBlock &b)
{
    if (const QTextList *list = b.textList()) {
        // Lists are written as their visible marker: every reader shows it the same way.
        const QTextListFormat::Style style = list->format().style();
        const bool numbered = style <= QTextListFormat::ListDecimal &&
                              style >= QTextListFormat::ListUpperRoman;
        m_out += '{' + charProps(b.charFormat()) + ' ';
        escape(m_out, numbered ? list->itemText(b) : QStringLiteral("\u2022"));
        m_out += "\\tab}";
    }
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment frag = it.fragment();
        const QTextCharFormat f = frag.charFormat();
        if (f.isImageFormat()) {
            for (qsizetype i = 0; i < frag.length(); ++i)
                image(f.toImageFormat());
            continue;
        }
        m_out += '{' + charProps(f) + ' ';
        escape(m_out, frag.text());
        m_out += '}';
    }
}

void Writer::block(const QTextBlock &b)
{
    QTextBlockFormat f = b.blockFormat();
    if (const QTextList *list = b.textList(); list && f.leftMargin() == 0)
        f.setLeftMargin(list->format().indent() * m_doc.indentWidth());
    m_out += paraProps(f) + ' ';
    blockRuns(b);
    // The paragraph mark carries the format of an empty line.
    m_out += '{' + charProps(b.charFormat()) + "\\par}\n";
}

// Tables are written as text: one paragraph per row, cells apart by tabs.
void Writer::table(QTextTable *t)
{
    for (int row = 0; row < t->rows(); ++row) {
        QTextBlockFormat rowFormat;
        m_out += paraProps(rowFormat) + ' ';
        for (int col = 0; col < t->columns(); ++col) {
            const QTextTableCell cell = t->cellAt(row, col);
            if (col > 0)
                m_out += "\\tab ";
            if (!cell.isValid() || cell.column() != col || cell.row() != row)
                continue; // spanned
            bool first = true;
            for (auto it = cell.begin(); !it.atEnd(); ++it) {
                if (it.currentFrame())
                    continue;
                if (!first)
                    m_out += "\\line ";
                blockRuns(it.currentBlock());
                first = false;
            }
        }
        m_out += "\\par\n";
    }
}

void Writer::frame(QTextFrame *f)
{
    for (auto it = f->begin(); !it.atEnd(); ++it) {
        if (QTextFrame *child = it.currentFrame()) {
            if (auto *t = qobject_cast<QTextTable *>(child))
                table(t);
            else
                frame(child);
        } else {
            block(it.currentBlock());
        }
    }
}

QByteArray Writer::run()
{
    m_fonts.append(m_doc.defaultFont().family());
    collectFrame(m_doc.rootFrame());
    m_out = header();
    frame(m_doc.rootFrame());
    m_out += "}\n";
    return m_out;
}

} // namespace

QByteArray write(const QTextDocument &doc) { return Writer(doc).run(); }

bool write(const QTextDocument &doc, QIODevice &device)
{
    const QByteArray data = write(doc);
    return device.write(data) == data.size();
}

} // namespace orbane::rtf
