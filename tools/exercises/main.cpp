// genexo: writes the exercises that ship (texts, configurations, exercise files) into a folder.
//   genexo <folder>                 writes every file
//   genexo --compare <a> <b>        exit status 1 when a file of the catalogue differs
#include "catalogue.h"
#include "markup.h"

#include "config/configwriter.h"
#include "exercises/exercisefile.h"
#include "exercises/rtfwriter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextDocument>
#include <cstdio>
#include <set>

using namespace orbane;

namespace {

bool save(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

bool writeText(const QDir &out, const genexo::Text &t)
{
    QFile source(QStringLiteral(GENEXO_CONTENT_DIR "/") + t.source);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "genexo: cannot read %s\n", qPrintable(source.fileName()));
        return false;
    }
    QTextDocument doc;
    genexo::fillDocument(doc, QString::fromUtf8(source.readAll()));
    return save(out.filePath(t.file), rtf::write(doc));
}

bool writeExercise(const QDir &out, const genexo::Exercise &e)
{
    bool ok = writeText(out, e.statement);
    ok = config::writeConfig(out.filePath(e.configuration.file), e.configuration.controls).ok && ok;
    exercises::ExerciseFile file;
    file.statement = e.statement.file;
    file.configuration = e.configuration.file;
    if (e.correction) {
        ok = writeText(out, *e.correction) && ok;
        file.correction = e.correction->file;
    }
    if (e.correctionConfiguration) {
        ok = config::writeConfig(out.filePath(e.correctionConfiguration->file),
                                 e.correctionConfiguration->controls).ok && ok;
        file.correctionConfiguration = e.correctionConfiguration->file;
    }
    file.level = e.level;
    file.notions = e.notions;
    file.title = e.title;
    const auto image = exercises::buildExercise(file);
    if (!image) {
        std::fprintf(stderr, "genexo: %s does not fit in its records\n", qPrintable(e.file));
        return false;
    }
    return save(out.filePath(e.file), *image) && ok;
}

std::set<QString> files()
{
    std::set<QString> names;
    for (const genexo::Exercise &e : genexo::catalogue()) {
        names.insert(e.file);
        names.insert(e.statement.file);
        names.insert(e.configuration.file);
        if (e.correction)
            names.insert(e.correction->file);
        if (e.correctionConfiguration)
            names.insert(e.correctionConfiguration->file);
    }
    return names;
}

int compare(const QDir &a, const QDir &b)
{
    int differences = 0;
    for (const QString &name : files()) {
        QFile fa(a.filePath(name)), fb(b.filePath(name));
        if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) ||
            fa.readAll() != fb.readAll()) {
            std::fprintf(stderr, "genexo: %s differs\n", qPrintable(name));
            ++differences;
        }
    }
    std::printf("%zu files compared, %d different\n", files().size(), differences);
    return differences == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv); // fonts for the documents
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--compare"))
        return compare(QDir(args[2]), QDir(args[3]));
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: genexo <folder> | genexo --compare <a> <b>\n");
        return 2;
    }
    QDir out(args[1]);
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "genexo: cannot create %s\n", qPrintable(args[1]));
        return 1;
    }
    bool ok = true;
    for (const genexo::Exercise &e : genexo::catalogue())
        ok = writeExercise(out, e) && ok;
    std::printf("%zu files written in %s\n", files().size(), qPrintable(out.absolutePath()));
    return ok ? 0 : 1;
}
