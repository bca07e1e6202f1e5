#include "exercises/docdump.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

namespace orbane::test {

QString attributes(const QTextCharFormat &f)
{
    QStringList a;
    if (f.fontWeight() >= QFont::DemiBold)
        a << "b";
    if (f.fontItalic())
        a << "i";
    if (f.fontUnderline())
        a << "u";
    if (f.fontStrikeOut())
        a << "s";
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        a << "sup";
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        a << "sub";
    if (f.foreground().style() != Qt::NoBrush)
        a << "fg=" + f.foreground().color().name();
    if (f.background().style() != Qt::NoBrush)
        a << "bg=" + f.background().color().name();
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty())
        a << "font=" + families.first();
    if (f.fontPointSize() > 0 && f.fontPointSize() != 12)
        a << "pt=" + QString::number(f.fontPointSize());
    return a.join(',');
}

static QString alignment(const QTextBlockFormat &f)
{
    const Qt::Alignment a = f.alignment();
    if (a & Qt::AlignHCenter)
        return "[c]";
    if (a & Qt::AlignRight)
        return "[r]";
    if (a & Qt::AlignJustify)
        return "[j]";
    return {};
}

QString dump(const QTextDocument &doc)
{
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString s = alignment(b.blockFormat());
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (frag.charFormat().isImageFormat()) {
                s += "<img>";
                continue;
            }
            const QString attrs = attributes(frag.charFormat());
            s += frag.text();
            if (!attrs.isEmpty())
                s += '{' + attrs + '}';
        }
        blocks << s;
    }
    return blocks.join(" / ");
}

} // namespace orbane::test
