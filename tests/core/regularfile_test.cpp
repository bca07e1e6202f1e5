#include "core/regularfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orbane;

// Each refused path says why in words, never by the system's error number.
TEST(RegularFile, EachFailedCheckNamesItsCause)
{
    QTemporaryDir dir;
    const QString loop = dir.filePath(QStringLiteral("boucle.P08"));
    const QString pipe = dir.filePath(QStringLiteral("tube.P08"));
    const QString locked = dir.filePath(QStringLiteral("fermé"));
    ASSERT_EQ(::symlink("boucle.P08", QFile::encodeName(loop).constData()), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("fermé")));
    QFile inside(locked + QStringLiteral("/CONF.P08"));
    ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
    inside.close();
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);

    const struct
    {
        QString path;
        files::Problem problem;
        QString reason;
    } cases[] = {
        {loop, files::Problem::Unreadable, QStringLiteral("les liens symboliques forment une boucle")},
        {pipe, files::Problem::Special, QStringLiteral("ce n'est pas un fichier ordinaire")},
        {dir.filePath(QString(300, u'a')), files::Problem::Unreadable,
         QStringLiteral("le nom est trop long")},
        {dir.path(), files::Problem::Folder, QStringLiteral("ce nom désigne un dossier")},
        {dir.filePath(QStringLiteral("absent")), files::Problem::Missing,
         QStringLiteral("le fichier n'existe pas")},
        // Root reads through any permission.
        {inside.fileName(), ::geteuid() == 0 ? files::Problem::None : files::Problem::Unreadable,
         ::geteuid() == 0 ? QString() : QStringLiteral("l'accès est refusé")},
    };
    for (const auto &c : cases) {
        const files::ReadResult read = files::readAll(c.path, 1024);
        EXPECT_EQ(read.problem, c.problem) << c.path.toStdString();
        EXPECT_TRUE(read.reason().startsWith(c.reason)) << read.reason().toStdString();
        EXPECT_EQ(files::examine(c.path).reason(), read.reason()) << c.path.toStdString();
    }
    ::chmod(QFile::encodeName(locked).constData(), 0755);
}
