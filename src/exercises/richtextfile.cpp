#include "exercises/richtextfile.h"

#include "exercises/rtfreader.h"
#include "exercises/rtfwriter.h"

#include <QFile>

namespace orbane::rtf {

bool loadFile(const QString &path, QTextDocument &doc)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return read(f, doc);
}

saving::SaveResult saveFile(const QTextDocument &doc, const QString &path)
{
    return saving::saveFile(path, [&doc](QIODevice &file) { return write(doc, file); });
}

} // namespace orbane::rtf
