#include "exercises/richtextfile.h"

#include "exercises/rtfreader.h"
#include "exercises/rtfwriter.h"


namespace orbane::rtf {

LoadResult loadFile(const QString &path, QTextDocument &doc, Progress *progress)
{
    LoadResult result;
    const files::ReadResult file = files::readAll(path, kMaxTextSize);
    if (!file.ok()) {
        result.problem = file.problem;
        result.reason = file.reason();
    } else if (!read(file.data, doc, progress)) {
        result.notRtf = true;
        result.reason = QStringLiteral("ce n'est pas un texte au format RTF");
    }
    return result;
}

saving::SaveResult saveFile(const QTextDocument &doc, const QString &path)
{
    return saving::saveFile(path, [&doc](QIODevice &file) { return write(doc, file); });
}

} // namespace orbane::rtf
