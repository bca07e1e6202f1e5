#include "markup.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTextDocument>

namespace orbane::genexo {

namespace {

const QString kTitle = QStringLiteral(
    "<p align=\"center\" style=\"margin-top:0px; margin-bottom:6px;\">"
    "<span style=\"font-size:13pt; font-weight:600; color:#0000c8;\">%1</span></p>");
const QString kHeading = QStringLiteral(
    "<p style=\"margin-top:8px; margin-bottom:2px;\">"
    "<span style=\"font-size:10.5pt; font-weight:600; color:#a00000;\">%1</span></p>");
const QString kParagraph =
    QStringLiteral("<p style=\"margin-top:2px; margin-bottom:3px;\">%1</p>");
const QString kQuestion = QStringLiteral(
    "<p style=\"margin-top:3px; margin-bottom:3px; margin-left:18px; text-indent:-18px;\">"
    "<span style=\"font-weight:600; color:#0000c8;\">%1.</span>&nbsp;&nbsp;%2</p>");
const QString kItem = QStringLiteral(
    "<p style=\"margin-top:1px; margin-bottom:1px; margin-left:30px; text-indent:-12px;\">"
    "\u2013&nbsp;%1</p>");
const QString kNote = QStringLiteral(
    "<p style=\"margin-top:3px; margin-bottom:3px; margin-left:12px;\">"
    "<span style=\"font-style:italic; color:#505050;\">%1</span></p>");
const QString kFormula = QStringLiteral(
    "<p align=\"center\" style=\"margin-top:3px; margin-bottom:3px;\">"
    "<span style=\"font-weight:600; color:#006000;\">%1</span></p>");

QString inlineHtml(const QString &text)
{
    QString s = text.toHtmlEscaped();
    static const QList<QPair<QRegularExpression, QString>> rules = {
        {QRegularExpression(QStringLiteral("\\*\\*(.+?)\\*\\*")), QStringLiteral("<b>\\1</b>")},
        {QRegularExpression(QStringLiteral("\\*(.+?)\\*")), QStringLiteral("<i>\\1</i>")},
        {QRegularExpression(QStringLiteral("_\\{(.+?)\\}")), QStringLiteral("<sub>\\1</sub>")},
        {QRegularExpression(QStringLiteral("\\^\\{(.+?)\\}")), QStringLiteral("<sup>\\1</sup>")},
        {QRegularExpression(QStringLiteral("\\[\\[(.+?)\\]\\]")),
         QStringLiteral("<span style=\"font-weight:600; color:#000080;\">\\1</span>")},
    };
    for (const auto &[re, html] : rules)
        s.replace(re, html);
    // Runs of blanks are kept (HTML would fold them): they space out formulas.
    s.replace(QStringLiteral("  "), QStringLiteral("&nbsp; "));
    return s;
}

struct Block
{
    QString kind; // "#", "##", "1", "-", ">", "!", "" (paragraph)
    QString number;
    QString text;
};

QList<Block> blocks(const QString &markup)
{
    static const QRegularExpression question(QStringLiteral("^(\\d+)\\.\\s+(.*)$"));
    QList<Block> out;
    bool open = false;
    for (const QString &raw : markup.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            open = false;
            continue;
        }
        Block b;
        if (line.startsWith(QLatin1String("## ")))
            b = {QStringLiteral("##"), {}, line.mid(3)};
        else if (line.startsWith(QLatin1String("# ")))
            b = {QStringLiteral("#"), {}, line.mid(2)};
        else if (line.startsWith(QLatin1String("- ")))
            b = {QStringLiteral("-"), {}, line.mid(2)};
        else if (line.startsWith(QLatin1String("> ")))
            b = {QStringLiteral(">"), {}, line.mid(2)};
        else if (line.startsWith(QLatin1String("! ")))
            b = {QStringLiteral("!"), {}, line.mid(2)};
        else if (const auto m = question.match(line); m.hasMatch())
            b = {QStringLiteral("1"), m.captured(1), m.captured(2)};
        else if (open) {
            out.last().text += QLatin1Char(' ') + line; // the paragraph goes on
            continue;
        } else
            b = {QString(), {}, line};
        out << b;
        // Titles, headings and formulas are one line each.
        open = b.kind != QLatin1String("#") && b.kind != QLatin1String("##") &&
               b.kind != QLatin1String("!");
    }
    return out;
}

} // namespace

QString toHtml(const QString &markup)
{
    QString html = QStringLiteral("<html><body>");
    for (const Block &b : blocks(markup)) {
        const QString text = inlineHtml(b.text);
        if (b.kind == QLatin1String("#"))
            html += kTitle.arg(text);
        else if (b.kind == QLatin1String("##"))
            html += kHeading.arg(text);
        else if (b.kind == QLatin1String("1"))
            html += kQuestion.arg(b.number, text);
        else if (b.kind == QLatin1String("-"))
            html += kItem.arg(text);
        else if (b.kind == QLatin1String(">"))
            html += kNote.arg(text);
        else if (b.kind == QLatin1String("!"))
            html += kFormula.arg(text);
        else
            html += kParagraph.arg(text);
    }
    return html + QStringLiteral("</body></html>");
}

void fillDocument(QTextDocument &doc, const QString &markup)
{
    doc.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    doc.setHtml(toHtml(markup));
}

} // namespace orbane::genexo
