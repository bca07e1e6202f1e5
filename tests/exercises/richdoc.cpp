#include "exercises/richdoc.h"

#include "exercises/docdump.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <cmath>

namespace orbane::test {

namespace {

QTextCharFormat run(const char *family, double points)
{
    QTextCharFormat f;
    f.setFontFamilies(QStringList{QString::fromLatin1(family)});
    f.setFontPointSize(points);
    return f;
}

QTextBlockFormat paragraph(Qt::Alignment a)
{
    QTextBlockFormat f;
    f.setAlignment(a);
    return f;
}

} // namespace

void buildRichDocument(QTextDocument &doc)
{
    doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
    QTextCursor c(&doc);
    QTextCharFormat title = run("Liberation Sans", 18);
    title.setFontWeight(QFont::Bold);
    title.setForeground(QColor(0, 0, 200));
    c.setBlockFormat(paragraph(Qt::AlignHCenter));
    c.insertText(QStringLiteral("Chute libre"), title);

    QTextCharFormat base = run("Liberation Serif", 12);
    c.insertBlock(paragraph(Qt::AlignLeft), base);
    c.insertText(QStringLiteral("Texte "), base);
    QTextCharFormat f = base;
    f.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("gras"), f);
    f = base;
    f.setFontItalic(true);
    c.insertText(QStringLiteral(" italique"), f);
    f = base;
    f.setFontUnderline(true);
    c.insertText(QStringLiteral(" souligné"), f);
    f = base;
    f.setFontStrikeOut(true);
    c.insertText(QStringLiteral(" barré"), f);
    c.insertText(QStringLiteral(" v"), base);
    f = base;
    f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    c.insertText(QStringLiteral("0"), f);
    c.insertText(QStringLiteral(" m.s"), base);
    f = base;
    f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    c.insertText(QStringLiteral("-2"), f);

    c.insertBlock(paragraph(Qt::AlignRight), base);
    f = base;
    f.setForeground(QColor(255, 0, 0));
    c.insertText(QStringLiteral("rouge"), f);
    f = run("Liberation Mono", 9);
    f.setBackground(QColor(255, 255, 0));
    c.insertText(QStringLiteral(" code surligné"), f);

    QTextBlockFormat justified = paragraph(Qt::AlignJustify);
    justified.setLeftMargin(38);
    justified.setRightMargin(19);
    justified.setTextIndent(-19);
    justified.setTopMargin(11);
    justified.setBottomMargin(8);
    justified.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    c.insertBlock(justified, base);
    c.insertText(QStringLiteral("Paragraphe justifié, retrait négatif de première ligne, "
                                "espacements et interligne de 150 %."),
                 base);

    QTextBlockFormat tabs = paragraph(Qt::AlignLeft);
    tabs.setTabPositions({QTextOption::Tab(113, QTextOption::LeftTab),
                          QTextOption::Tab(302, QTextOption::RightTab)});
    c.insertBlock(tabs, base);
    c.insertText(QStringLiteral("x\ty\tfin") + QChar(QChar::LineSeparator) + QStringLiteral("suite"),
                 base);

    c.insertBlock(paragraph(Qt::AlignLeft), run("Liberation Serif", 24)); // empty, 24 pt
    c.insertBlock(paragraph(Qt::AlignLeft), base);
    c.insertText(QString::fromUtf8("é è à ç œ € … « » ; Δv, α, ω ; 🍎 ; {accolades} \\ "
                                   "insécable\u00A0; césure\u00ADconditionnelle"),
                 base);

    QImage picture(16, 8, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 0));
    QPainter(&picture).fillRect(8, 0, 8, 8, QColor(0, 0, 255));
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("carre")), picture);
    QTextImageFormat image;
    image.setName(QStringLiteral("carre"));
    image.setWidth(64);
    image.setHeight(32);
    c.insertBlock(paragraph(Qt::AlignLeft), base);
    c.insertText(QStringLiteral("Avant "), base);
    c.insertImage(image);
    c.insertText(QStringLiteral(" après."), base);
}

QStringList resolvedRuns(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            QTextCharFormat f = it.fragment().charFormat();
            if (f.isImageFormat()) {
                const QTextImageFormat img = f.toImageFormat();
                out << QStringLiteral("<img %1x%2>")
                           .arg(std::lround(img.width()))
                           .arg(std::lround(img.height()));
                continue;
            }
            if (f.fontFamilies().toStringList().isEmpty())
                f.setFontFamilies(QStringList{doc.defaultFont().family()});
            if (!(f.fontPointSize() > 0))
                f.setFontPointSize(doc.defaultFont().pointSizeF());
            // Fragments split differently on each side: compare character by character.
            const QString attrs = attributes(f);
            for (const QChar ch : it.fragment().text())
                out << QString(ch) + '{' + attrs + '}';
        }
    return out;
}

QStringList paragraphFormats(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        QString s = QString::number(int(f.alignment() & (Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute)));
        for (double v : {f.leftMargin(), f.rightMargin(), f.textIndent(), f.topMargin(),
                         f.bottomMargin()})
            s += ' ' + QString::number(std::lround(v));
        s += QStringLiteral(" lh%1:%2").arg(f.lineHeightType()).arg(std::lround(f.lineHeight()));
        for (const QTextOption::Tab &t : f.tabPositions())
            s += QStringLiteral(" tab%1@%2").arg(int(t.type)).arg(std::lround(t.position));
        out << s;
    }
    return out;
}

QString libreOffice()
{
    return QStandardPaths::findExecutable(QStringLiteral("soffice"));
}

QStringList convertWithLibreOffice(const QStringList &files, const QString &format,
                                   const QString &outDir)
{
    QProcess p;
    // A profile of its own, so that a LibreOffice already open elsewhere does not interfere.
    const QString profile = QUrl::fromLocalFile(outDir + QStringLiteral("/profile")).toString();
    p.start(libreOffice(), QStringList{QStringLiteral("-env:UserInstallation=") + profile,
                                       QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                       format, QStringLiteral("--outdir"), outDir} +
                               files);
    if (!p.waitForFinished(100000) || p.exitCode() != 0)
        return {};
    const QString ext = format.section(QLatin1Char(':'), 0, 0);
    QStringList out;
    for (const QString &file : files) {
        const QString converted = QDir(outDir).filePath(QFileInfo(file).completeBaseName() + '.' + ext);
        if (!QFileInfo::exists(converted))
            return {};
        out << converted;
    }
    return out;
}

} // namespace orbane::test
