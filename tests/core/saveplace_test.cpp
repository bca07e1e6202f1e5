#include "core/saveplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orbane {
namespace {

TEST(SavePlace, OpensInItsOwnDocumentsFolderMadeAtTheFirstSaveThenWhereTheUserLastSaved)
{
    const QTemporaryDir home;
    const QString documents = home.filePath(QStringLiteral("Documents"));
    SavePlace place(documents);
    const QString own = documents + QStringLiteral("/Orbane 1S");
    EXPECT_FALSE(QFileInfo::exists(documents)); // nothing made before a save window opens

    EXPECT_EQ(place.suggested(QStringLiteral("valeurs.csv")), own + QStringLiteral("/valeurs.csv"));
    EXPECT_TRUE(QFileInfo(own).isDir());

    const QString elsewhere = home.filePath(QStringLiteral("classe"));
    QDir().mkpath(elsewhere);
    place.remember(elsewhere + QStringLiteral("/pointage.py"));
    EXPECT_EQ(place.folder(), elsewhere);
    // A remembered folder removed since falls back to the documents.
    QDir(elsewhere).removeRecursively();
    EXPECT_EQ(place.folder(), own);
}

TEST(SavePlace, FallsBackToTheDocumentsThenHomeWhenItsFolderCannotBeMade)
{
    const QTemporaryDir home;
    // A file where the program's folder should go.
    QFile blocker(home.filePath(QStringLiteral("Orbane 1S")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(SavePlace(home.path()).folder(), home.path());

    // A file where the documents folder should be.
    EXPECT_EQ(SavePlace(blocker.fileName()).folder(), QDir::homePath());
}

} // namespace
} // namespace orbane
