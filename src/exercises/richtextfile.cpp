#include "exercises/richtextfile.h"

#include "exercises/rtfreader.h"
#include "exercises/rtfwriter.h"

#include <QFile>
#include <QSaveFile>

namespace orbane::rtf {

bool loadFile(const QString &path, QTextDocument &doc)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return read(f, doc);
}

bool saveFile(const QTextDocument &doc, const QString &path)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (!write(doc, f)) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

} // namespace orbane::rtf
