#include "config/configfixture.h"
#include "config/configformat.h"
#include "config/configwriter.h"
#include "core/recordfile.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::config;
using test::dataFile;
using test::readBytes;

using ConfigWriter = test::ConfigTest;

TEST_F(ConfigWriter, SavingAtStartUpWritesTheLayoutsBytes)
{
    const QString file = path(QStringLiteral("depart.P08"));
    ASSERT_TRUE(writeConfig(file, sim().c).ok);
    const QByteArray bytes = readBytes(file);
    EXPECT_EQ(bytes, readBytes(dataFile(QStringLiteral("startup.P08"))));

    const struct
    {
        int record;
        const char *text;
    } rows[] = {{1, "ORBANE1S"}, {2, " 0"},   {3, " 2"},    {6, "15,00"},
                {7, "77,00"},    {11, "300"}, {25, " 255"}, {29, " 16777215"}};
    for (const auto &row : rows)
        EXPECT_EQ(records::decode(bytes, row.record).text, QString::fromLatin1(row.text))
            << row.record;
    EXPECT_EQ(records::decode(bytes, 34).status, records::Status::Missing);
}

TEST_F(ConfigWriter, ATextOf127CharactersLeavesTheOldFileByteIdentical)
{
    const QString file = copyData(QStringLiteral("custom.P08"), QStringLiteral("ancien.P08"));
    const QByteArray before = readBytes(file);
    sim().TextN_Change(1, QString(127, QLatin1Char('1')));
    const WriteResult r = writeConfig(file, sim().c);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.detail, QStringLiteral("record 4: Text1 does not fit in a record"));
    EXPECT_EQ(readBytes(file), before);
    // No temporary file is left behind either.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("ancien.P08"), QStringLiteral("TEMP1S.TMP")}));

    sim().TextN_Change(1, QString(126, QLatin1Char('1')));
    EXPECT_TRUE(writeConfig(file, sim().c).ok);
    EXPECT_EQ(records::decode(readBytes(file), 4).text.size(), 126);
}

TEST_F(ConfigWriter, ALongerExistingFileKeepsWhatLiesBeyondTheConfiguration)
{
    const QString file = copyData(QStringLiteral("long.P08"));
    const QByteArray old = readBytes(file);
    ASSERT_TRUE(writeConfig(file, sim().c).ok);
    const QByteArray now = readBytes(file);
    ASSERT_EQ(now.size(), old.size());
    EXPECT_EQ(now.left(33 * 128), readBytes(dataFile(QStringLiteral("startup.P08"))));
    EXPECT_EQ(now.mid(33 * 128), old.mid(33 * 128));
    EXPECT_EQ(records::decode(now, 34).text, QStringLiteral("extra 34"));
    EXPECT_EQ(records::decode(now, 36).text, QStringLiteral("extra 36"));
}

// "Afficher m·Δv/Δt" takes record 34 when on; older files, without it, load with it off.
TEST_F(ConfigWriter, TheSecondLawOptionHasARecordThatOlderFilesLack)
{
    const QString file = path(QStringLiteral("loi.P08"));
    Controls c = sim().c;
    c.secondLaw = true;
    ASSERT_TRUE(writeConfig(file, c).ok);
    const QByteArray on = readBytes(file);
    EXPECT_EQ(on.size(), 34 * 128);
    EXPECT_EQ(on.left(33 * 128), readBytes(dataFile(QStringLiteral("startup.P08"))));
    EXPECT_TRUE(decode(on, sim().c).controls->secondLaw);

    c.secondLaw = false;
    ASSERT_TRUE(writeConfig(file, c).ok);
    EXPECT_FALSE(decode(readBytes(file), sim().c).controls->secondLaw);
    Controls base = c;
    base.secondLaw = true;
    EXPECT_FALSE(decode(readBytes(dataFile(QStringLiteral("startup.P08"))), base).controls->secondLaw);
}

// A record that a newer version wrote past the ones this version knows survives every save; the
// later record it left empty reads as absent.
TEST_F(ConfigWriter, ALaterRecordThisVersionDoesNotKnowSurvivesASave)
{
    QByteArray newer = readBytes(dataFile(QStringLiteral("startup.P08")));
    test::patchRecord(newer, 40, "coefficient 0,47");
    const QString file = path(QStringLiteral("futur.P08"));
    ASSERT_TRUE(test::writeBytes(file, newer));
    Controls c = sim().c;
    c.secondLaw = true;
    EXPECT_FALSE(decode(newer, c).controls->secondLaw);

    for (bool on : {true, false}) {
        c.secondLaw = on;
        ASSERT_TRUE(writeConfig(file, c).ok);
        const QByteArray now = readBytes(file);
        ASSERT_EQ(now.size(), 40 * 128);
        EXPECT_EQ(now.left(33 * 128), newer.left(33 * 128));
        EXPECT_EQ(records::decode(now, 34).text, on ? QStringLiteral(" 1") : QStringLiteral(" 0"));
        EXPECT_EQ(now.mid(34 * 128), newer.mid(34 * 128)) << on;
        EXPECT_EQ(decode(now, sim().c).controls->secondLaw, on);
    }
}

TEST_F(ConfigWriter, AShorterExistingFileIsReplacedByAWholeConfiguration)
{
    const QString file = copyData(QStringLiteral("truncated.P08"));
    ASSERT_TRUE(writeConfig(file, sim().c).ok);
    EXPECT_EQ(readBytes(file), readBytes(dataFile(QStringLiteral("startup.P08"))));
}

TEST_F(ConfigWriter, AFileThatCannotBeWrittenIsReported)
{
    const QString missingFolder = path(QStringLiteral("absent/essai.P08"));
    EXPECT_FALSE(writeConfig(missingFolder, sim().c).ok);
    EXPECT_FALSE(QFileInfo::exists(missingFolder));

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("dossier.P08")));
    EXPECT_FALSE(writeConfig(path(QStringLiteral("dossier.P08")), sim().c).ok);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("dossier.P08"))).isDir());
}
