#include "exercises/exerciserig.h"

#include "core/saveplace.h"
#include "exercises/exercisearchive.h"
#include "exercises/fichexowidgets.h"
#include "exercises/preview.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

using namespace orbane;
using namespace orbane::test;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file and link below `root`, hidden ones included, relative to it.
QStringList filesUnder(const QString &root)
{
    QStringList found;
    QDirIterator it(root, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(root).relativeFilePath(it.next());
    found.sort();
    return found;
}

struct Entry
{
    QString name;
    QByteArray bytes;
    mode_t mode = S_IFREG | 0644;
};

// An archive as another program could make it, names and kinds as given.
void writeZip(const QString &path, const std::vector<Entry> &entries)
{
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    ASSERT_NE(zip, nullptr);
    for (const Entry &e : entries) {
        zip_source_t *data = zip_source_buffer(zip, e.bytes.constData(), zip_uint64_t(e.bytes.size()), 0);
        const zip_int64_t index = zip_file_add(zip, e.name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8);
        ASSERT_GE(index, 0) << e.name.toStdString();
        zip_file_set_external_attributes(zip, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                         zip_uint32_t(e.mode) << 16);
    }
    ASSERT_EQ(zip_close(zip), 0);
}

class Archive : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeRtf(r.file("ENONCE.RTF"), "Enonce");
        writeRtf(r.file("CORR.RTF"), "Correction");
        writeRtf(r.file("AUTRE.RTF"), "pas dans l'exercice");
        QFile::copy(QStringLiteral(ORBANE_DATA_DIR "/CHUTE.P08"), r.file("CONF.P08"));
        // The correction's configuration is named but missing: it stays out of the archive.
        writeExerciseFile(r.file("EXO.E20"), {"ENONCE.RTF", "CONF.P08", "CORR.RTF", "CONF2.P08",
                                             "1", "", "Chute", "", "", "", "Titre"});
        r.commands.actions().loadConfig = [this](const QString &path) { r.configs << path; };
    }
    ExerciseRig r;
    QTemporaryDir out;
};

TEST_F(Archive, ExportedThenOpenedFromItsOneFileAsTheOriginalsByteForByte)
{
    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    r.files.answers.push_back(out.filePath(QStringLiteral("envoi")));
    r.commands.exportExercise();
    EXPECT_EQ(r.files.calls.last(), QStringLiteral("save Exercice en un seul fichier|*.e20z e20z"));
    const QString archive = out.filePath(QStringLiteral("envoi.e20z"));
    ASSERT_EQ(r.messages(), 0);
    ASSERT_TRUE(QFileInfo(archive).isFile());

    // The chooser lists it beside the exercise files and previews it unopened.
    QFile::copy(r.file("EXO.E20"), out.filePath(QStringLiteral("AUSSI.E20")));
    exercises::ExerciseFileList list;
    list.setPath(out.path());
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("envoi.e20z"));
    const exercises::Preview preview = exercises::apercu(archive);
    EXPECT_EQ(preview.title, QStringLiteral("Titre"));
    EXPECT_EQ(preview.status, QStringLiteral("Exercice corrigé"));

    const QString folder = SavePlace::shared().ownFolder() + QStringLiteral("/Exercices/envoi");
    const QStringList packed = {"CONF.P08", "CORR.RTF", "ENONCE.RTF", "EXO.E20"};
    for (int opening = 0; opening < 2; ++opening) {
        // The second opening replaces the files of the first, changed meanwhile.
        ASSERT_TRUE(r.commands.ouvreur(archive)) << opening;
        EXPECT_EQ(filesUnder(folder), packed);
        for (const QString &name : packed)
            EXPECT_EQ(bytesOf(folder + '/' + name), bytesOf(r.file(name))) << name.toStdString();
        EXPECT_EQ(r.fich.text(), folder + QStringLiteral("/EXO.E20"));
        EXPECT_EQ(r.supertext.toPlainText(), QStringLiteral("Enonce"));
        EXPECT_EQ(r.configs.last(), folder + QStringLiteral("/CONF.P08"));
        writeRtf(folder + QStringLiteral("/ENONCE.RTF"), "changé");
    }
    EXPECT_EQ(r.messages(), 0);

    // The missing companion says which file, where it was looked for and whose it is.
    r.commands.opencor_Click();
    ASSERT_EQ(r.messages(), 1);
    EXPECT_EQ(r.lastTitle(), QStringLiteral("Fichier absent"));
    EXPECT_EQ(r.rig.dialogs.shown.back().prompt,
              QStringLiteral("Le fichier CONF2.P08 est introuvable dans le dossier %1/ (il accompagne "
                             "l'exercice EXO.E20).")
                  .arg(folder));
}

TEST_F(Archive, HostileArchivesAreRefusedNamingThemAndWriteNothing)
{
    const QByteArray exercise = bytesOf(r.file("EXO.E20"));
    std::vector<Entry> many;
    for (int i = 0; i <= exercises::kMaxArchiveEntries; ++i)
        many.push_back({QStringLiteral("F%1.RTF").arg(i), "x"});
    many.push_back({"EXO.E20", exercise});
    const struct
    {
        const char *name;
        std::vector<Entry> entries;
        const char *cause;
    } cases[] = {
        {"parent", {{"../EVADE.E20", exercise}}, "« ../EVADE.E20 » n'est pas un simple nom de fichier"},
        {"absolute", {{"/tmp/EVADE.E20", exercise}}, "« /tmp/EVADE.E20 » n'est pas un simple nom"},
        {"folder", {{"sous/EXO.E20", exercise}}, "« sous/EXO.E20 » n'est pas un simple nom"},
        {"hidden", {{"EXO.E20", exercise}, {".profile", "x"}}, "« .profile » n'est pas un simple nom"},
        {"many", many, "elle contient plus de 8 fichiers"},
        {"link", {{"EXO.E20", exercise}, {"ENONCE.RTF", "/etc/passwd", S_IFLNK | 0777}},
         "« ENONCE.RTF » n'est pas un fichier ordinaire"},
        {"bomb", {{"EXO.E20", exercise}, {"ENONCE.RTF", QByteArray(5 * 1024 * 1024, '\0')}},
         "« ENONCE.RTF » dépasse la taille maximale de 4 Mo"},
        {"twice", {{"EXO.E20", exercise}, {"exo.e20", exercise}}, "deux fichiers s'appellent « exo.e20 »"},
        {"none", {{"ENONCE.RTF", "x"}}, "elle ne contient aucun exercice (.E20)"},
    };
    const QString place = out.filePath(QStringLiteral("place"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString archive = out.filePath(QString::fromLatin1(c.name) + QStringLiteral(".e20z"));
        writeZip(archive, c.entries);
        const QStringList before = filesUnder(out.path());
        QString refusal;
        EXPECT_FALSE(exercises::unpackArchive(archive, exercises::unpackFolder(place, archive), &refusal));
        EXPECT_TRUE(refusal.startsWith(QStringLiteral("L'archive %1 ne peut pas être ouverte : ").arg(archive)))
            << refusal.toStdString();
        EXPECT_TRUE(refusal.contains(QString::fromUtf8(c.cause))) << refusal.toStdString();
        EXPECT_EQ(filesUnder(out.path()), before);
    }
    EXPECT_FALSE(QFileInfo::exists(out.filePath(QStringLiteral("EVADE.E20"))));

    // A link planted in the folder is not followed to replace what it points to.
    const QString archive = out.filePath(QStringLiteral("sain.e20z"));
    writeZip(archive, {{"EXO.E20", exercise}});
    const QString folder = exercises::unpackFolder(place, archive);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString target = out.filePath(QStringLiteral("ailleurs.txt"));
    writeRtf(target, "intact");
    ASSERT_TRUE(QFile::link(target, folder + QStringLiteral("/EXO.E20")));
    QString refusal;
    EXPECT_FALSE(exercises::unpackArchive(archive, folder, &refusal));
    EXPECT_TRUE(refusal.endsWith(QStringLiteral("existe et n'est pas un fichier ordinaire.")))
        << refusal.toStdString();
    EXPECT_EQ(bytesOf(target), QByteArray("{\\rtf1\\ansi intact}"));

    // Through the commands, as the chooser or the command line opens it.
    EXPECT_FALSE(r.commands.ouvreur(out.filePath(QStringLiteral("parent.e20z"))));
    ASSERT_EQ(r.messages(), 1);
    EXPECT_EQ(r.lastTitle(), QStringLiteral("Lecture impossible"));
    EXPECT_TRUE(r.rig.dialogs.shown.back().prompt.contains(QStringLiteral("parent.e20z")));
    EXPECT_EQ(r.supertext.toPlainText(), QStringLiteral("Bienvenue"));
}

} // namespace
