#include "core/savefile.h"
#include "support/doubles.h"
#include "support/programdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orbane;
using test::bytesOf;

namespace {

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QStringList entries(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// Writes like a PDF or text stream does: many small writes, answers ignored.
bool careless(QIODevice &device)
{
    for (int i = 0; i < 500; ++i)
        device.write(QByteArray(10, 'x'));
    return true;
}

} // namespace

TEST(SaveFile, AWriteFailingPartWayOrAFailedRenamingLeavesTheOldFileAndNoTemporary)
{
    const struct
    {
        const char *name;
        qint64 room;
        int renameError;
        const char *reason;
    } faults[] = {
        {"disk full after 4 KB", 4096, 0, "le disque est plein"},
        {"disk full from the start", 0, 0, "le disque est plein"},
        {"renaming fails", -1, EIO, "erreur de lecture ou d'écriture du support"},
    };
    for (const auto &fault : faults) {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("essai.P08"));
        put(file, "the old content");
        test::FaultyDisk disk;
        disk.room = fault.room;
        disk.renameError = fault.renameError;
        saving::UseDisk use(disk);
        const saving::SaveResult r = saving::saveFile(file, careless);
        EXPECT_FALSE(r.ok) << fault.name;
        EXPECT_EQ(r.reason, QString::fromUtf8(fault.reason)) << fault.name;
        EXPECT_EQ(bytesOf(file), QByteArray("the old content")) << fault.name;
        EXPECT_EQ(entries(dir), QStringList{QStringLiteral("essai.P08")}) << fault.name;
    }
}

TEST(SaveFile, ASaveKeepsTheModeAndSweepsOnlyTheTemporariesOfDeadRuns)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("essai.P08"));
    put(file, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0640), 0);

    // A killed run's temporary file, a running program's, and files that are not ours.
    QProcess done;
    done.start(QStringLiteral("true"), {});
    ASSERT_TRUE(done.waitForStarted());
    const qint64 deadPid = done.processId();
    ASSERT_TRUE(done.waitForFinished());
    const QString ours = saving::temporaryName(file);
    const auto ofProcess = [&](qint64 pid) {
        return ours.left(ours.lastIndexOf(QString::number(::getpid()))) + QString::number(pid) +
               QStringLiteral(".tmp");
    };
    const QString dead = ofProcess(deadPid);
    const QString alive = ofProcess(::getppid());
    const QString other = dir.filePath(QStringLiteral("essai.P08.AbC123"));
    const QString otherTarget = QString(dead).replace(QStringLiteral("essai"), QStringLiteral("autre"));
    for (const QString &path : {dead, alive, other, otherTarget})
        put(path, "left over");

    const saving::SaveResult r = saving::saveFile(file, [](QIODevice &d) {
        return d.write("new") == 3;
    });
    ASSERT_TRUE(r.ok) << r.reason.toStdString();
    EXPECT_EQ(bytesOf(file), QByteArray("new"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_FALSE(QFile::exists(dead));
    for (const QString &kept : {alive, other, otherTarget})
        EXPECT_TRUE(QFile::exists(kept)) << kept.toStdString();
}

TEST(SaveFile, AFolderOrAPipeIsNeverSavedOver)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("dossier.P08"));
    const QString pipe = dir.filePath(QStringLiteral("tube.P08"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("dossier.P08")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    EXPECT_EQ(saving::saveFile(folder, careless).reason, QStringLiteral("ce nom désigne un dossier"));
    EXPECT_FALSE(saving::saveFile(pipe, careless).ok);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(entries(dir), QStringList{QStringLiteral("tube.P08")});
}

namespace {

// A disk whose n-th renaming fails, as one that gives up in the middle of a save of several files.
class RenameFailsOnce final : public saving::Disk
{
public:
    explicit RenameFailsOnce(int failing) : m_failing(failing) {}
    int rename(const char *from, const char *to) override
    {
        if (++m_calls == m_failing) {
            errno = EIO;
            return -1;
        }
        return Disk::rename(from, to);
    }

private:
    int m_failing;
    int m_calls = 0;
};

} // namespace

TEST(SaveFile, ASaveOfSeveralFilesReplacesThemAllOrLeavesThemAllAsTheyWere)
{
    // Two old files set aside and three new ones put in place: five renamings; the sixth
    // never comes.
    for (int failing = 1; failing <= 6; ++failing) {
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("a.E20"));
        const QString b = dir.filePath(QStringLiteral("b.RTF"));
        const QString c = dir.filePath(QStringLiteral("c.P08"));
        put(a, "old a");
        put(c, "old c");
        RenameFailsOnce disk(failing);
        saving::UseDisk use(disk);
        QString fault;
        const saving::SaveResult r =
            saving::saveAll({{a, "new a"}, {b, "new b"}, {c, "new c"}}, &fault);
        if (failing == 6) {
            ASSERT_TRUE(r.ok) << r.reason.toStdString();
            EXPECT_EQ(bytesOf(a) + bytesOf(b) + bytesOf(c), QByteArray("new anew bnew c"));
            EXPECT_EQ(entries(dir).size(), 3);
            continue;
        }
        EXPECT_FALSE(r.ok) << failing;
        EXPECT_EQ(r.reason, QStringLiteral("erreur de lecture ou d'écriture du support"))
            << failing;
        EXPECT_EQ(fault, failing <= 2 ? a : failing == 3 ? b : c) << failing;
        EXPECT_EQ(bytesOf(a), QByteArray("old a")) << failing;
        EXPECT_EQ(bytesOf(c), QByteArray("old c")) << failing;
        EXPECT_EQ(entries(dir), (QStringList{QStringLiteral("a.E20"), QStringLiteral("c.P08")}))
            << failing;
    }
}
