#include "config/savename.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orbane::config;

TEST(SaveName, TypedNamesBecomeFullPathsEndingInP08)
{
    const QString folder = QStringLiteral("/home/prof/config");
    const struct
    {
        const char *typed;
        const char *path; // nullptr: no name left
    } rows[] = {
        {"essai", "/home/prof/config/essai.P08"},
        {"  essai  ", "/home/prof/config/essai.P08"},
        {"essai.txt", "/home/prof/config/essai.P08"},
        {"essai.P08", "/home/prof/config/essai.P08"},
        {"essai.old.txt", "/home/prof/config/essai.P08"},
        {"essai .txt", "/home/prof/config/essai.P08"},
        {"/tmp/autre/tir", "/tmp/autre/tir.P08"},
        {"/tmp/autre/tir.P08", "/tmp/autre/tir.P08"},
        // a dot in a folder name is not an extension
        {"/home/prof/my.folder/essai", "/home/prof/my.folder/essai.P08"},
        {"/home/prof/.cache/essai.txt", "/home/prof/.cache/essai.P08"},
        // a relative path goes under the folder shown
        {"sous.dossier/essai", "/home/prof/config/sous.dossier/essai.P08"},
        // nothing left of the name
        {"", nullptr},
        {"    ", nullptr},
        {".P08", nullptr},
        {"..", nullptr},
        {".cache", nullptr},
        {"/home/prof/my.folder/", nullptr},
        {"/home/prof/my.folder/.P08", nullptr},
    };
    for (const auto &row : rows) {
        const auto path = savePath(QString::fromUtf8(row.typed), folder);
        if (row.path)
            EXPECT_EQ(path, std::optional<QString>(QString::fromUtf8(row.path))) << row.typed;
        else
            EXPECT_FALSE(path) << row.typed;
    }
    EXPECT_EQ(savePath(QStringLiteral("essai"), QStringLiteral("/")),
              std::optional<QString>(QStringLiteral("/essai.P08")));
}

TEST(SaveName, AnExistingFileWithTheExtensionInAnotherCaseIsTheOneSavedOver)
{
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("tir.p08"))).open(QIODevice::WriteOnly);
    QFile(dir.filePath(QStringLiteral("Essai.P08"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(existingSpelling(dir.filePath(QStringLiteral("tir.P08"))),
              dir.filePath(QStringLiteral("tir.p08")));
    EXPECT_EQ(existingSpelling(dir.filePath(QStringLiteral("Essai.P08"))),
              dir.filePath(QStringLiteral("Essai.P08")));
    // The name itself keeps its case: essai is another file than Essai.
    EXPECT_EQ(existingSpelling(dir.filePath(QStringLiteral("essai.P08"))),
              dir.filePath(QStringLiteral("essai.P08")));
    EXPECT_EQ(existingSpelling(dir.filePath(QStringLiteral("neuf.P08"))),
              dir.filePath(QStringLiteral("neuf.P08")));
}
