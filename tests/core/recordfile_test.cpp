#include "core/cp1252.h"
#include "core/handshake.h"
#include "core/recordfile.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orbane;
using records::Status;

TEST(RecordFile, ImageRoundTripsTextsWithAccentsAndWindowsCharacters)
{
    records::Image image;
    ASSERT_TRUE(image.set(1, QStringLiteral("ORBANE1S")));
    ASSERT_TRUE(image.set(3, QStringLiteral("boule de pétanque — 10 €")));
    ASSERT_TRUE(image.set(2, QString()));
    EXPECT_EQ(image.bytes().size(), 3 * records::kRecordSize);
    // Length prefix is 16-bit little endian.
    EXPECT_EQ(image.bytes()[0], char(8));
    EXPECT_EQ(image.bytes()[1], char(0));
    EXPECT_EQ(records::decode(image.bytes(), 1).text, QStringLiteral("ORBANE1S"));
    EXPECT_EQ(records::decode(image.bytes(), 2).text, QString());
    EXPECT_EQ(records::decode(image.bytes(), 3).text, QStringLiteral("boule de pétanque — 10 €"));
    EXPECT_EQ(cp1252::encode(QStringLiteral("é€")), QByteArray("\xE9\x80"));
    // Every byte survives a decode and an encode, the undefined ones included.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);
}

TEST(RecordFile, TextLongerThanARecordIsRefusedAndLeavesTheImageAlone)
{
    records::Image image;
    ASSERT_TRUE(image.set(1, QString(126, QLatin1Char('a'))));
    const QByteArray before = image.bytes();
    EXPECT_FALSE(image.set(1, QString(127, QLatin1Char('b'))));
    EXPECT_FALSE(image.set(0, QStringLiteral("x")));
    EXPECT_EQ(image.bytes(), before);
    EXPECT_EQ(records::decode(before, 1).text.size(), 126);
}

TEST(RecordFile, ReaderNeverTrustsTheLengthField)
{
    QByteArray bad(records::kRecordSize, '\0');
    bad[0] = char(127); // one more than a record can hold
    EXPECT_EQ(records::decode(bad, 1).status, Status::Corrupt);
    bad[0] = char(0xFF);
    bad[1] = char(0xFF);
    EXPECT_EQ(records::decode(bad, 1).status, Status::Corrupt);
    EXPECT_EQ(records::decode(bad, 2).status, Status::Missing);
    EXPECT_EQ(records::decode(bad, 0).status, Status::Missing);
    EXPECT_EQ(records::decode(bad, -5).status, Status::Missing);
}

TEST(RecordFile, EveryTruncationOfAFileReadsSafely)
{
    records::Image image;
    image.set(1, QStringLiteral("premier"));
    image.set(2, QString(126, QLatin1Char('z')));
    const QByteArray full = image.bytes();
    for (int len = 0; len <= full.size(); ++len) {
        const QByteArray cut = full.left(len);
        const records::Record first = records::decode(cut, 1);
        const records::Record second = records::decode(cut, 2);
        if (len == 0)
            EXPECT_EQ(first.status, Status::Missing);
        else if (len < 2 + 7)
            EXPECT_EQ(first.status, Status::Corrupt) << len;
        else
            EXPECT_EQ(first.text, QStringLiteral("premier")) << len;
        if (len <= 128)
            EXPECT_EQ(second.status, Status::Missing) << len;
        else if (len < 256)
            EXPECT_EQ(second.status, Status::Corrupt) << len;
        else
            EXPECT_EQ(second.text.size(), 126);
        EXPECT_EQ(records::decode(cut, 3).status, Status::Missing);
    }
}

TEST(RecordFile, WritingARecordCreatesTheFileAndKeepsTheOthers)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.rec"));
    ASSERT_TRUE(records::writeFile(path, 31, QStringLiteral("exo.E20")));
    EXPECT_EQ(QFile(path).size(), 31 * records::kRecordSize);
    ASSERT_TRUE(records::writeFile(path, 10, QStringLiteral("OUI")));
    EXPECT_EQ(QFile(path).size(), 31 * records::kRecordSize); // never truncated
    EXPECT_EQ(records::readFile(path, 31).text, QStringLiteral("exo.E20"));
    EXPECT_EQ(records::readFile(path, 10).text, QStringLiteral("OUI"));
    // Records in the gap read as empty, not as garbage.
    EXPECT_EQ(records::readFile(path, 5).text, QString());
    EXPECT_TRUE(records::readFile(path, 5).ok());
    EXPECT_EQ(records::readFile(path, 40).status, Status::Missing);
}

TEST(RecordFile, DeviceReadOfAShortLastRecord)
{
    // A record file written by another program may end right after the last text.
    QByteArray data(records::kRecordSize, '\0');
    data.append(char(3)).append(char(0)).append("NON");
    QBuffer buffer(&data);
    ASSERT_TRUE(buffer.open(QIODevice::ReadWrite));
    EXPECT_EQ(records::read(buffer, 2).text, QStringLiteral("NON"));
    data.chop(1);
    QBuffer cut(&data);
    ASSERT_TRUE(cut.open(QIODevice::ReadOnly));
    EXPECT_EQ(records::read(cut, 2).status, Status::Corrupt);
}

TEST(Handshake, RunningFlagAndExerciseHandOver)
{
    QTemporaryDir dir;
    const QString file = handshake::path(dir.path());
    EXPECT_TRUE(file.endsWith(QStringLiteral("/TEMP1S.TMP")));

    // A missing file is created and reads as an empty hand-over.
    handshake::HandOver handOver;
    EXPECT_EQ(handOver.take(dir.path()).name, QString());
    EXPECT_TRUE(QFile::exists(file));

    handshake::markRunning(dir.path());
    EXPECT_EQ(records::readFile(file, 10).text, QStringLiteral("OUI"));

    records::writeFile(file, 31, QStringLiteral("CHUTE.E20"));
    EXPECT_EQ(handOver.take(dir.path()).name, QStringLiteral("CHUTE.E20"));
    EXPECT_EQ(handOver.take(dir.path()).name, QString()); // emptied after reading
    EXPECT_EQ(records::readFile(file, 10).text, QStringLiteral("OUI"));

    handshake::markStopped(dir.path());
    EXPECT_EQ(records::readFile(file, 10).text, QStringLiteral("NON"));
}

TEST(Handshake, AnInstalledCopyKeepsItInTheUsersDataFolder)
{
    QTemporaryDir program, home;
    QFile mark(program.filePath(QLatin1String(handshake::kInstalledMark)));
    ASSERT_TRUE(mark.open(QIODevice::WriteOnly));
    mark.close();
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());

    handshake::markRunning(program.path());
    records::writeFile(handshake::path(program.path()), 31, QStringLiteral("CHUTE.E20"));
    handshake::HandOver handOver;
    const QString handedOver = handOver.take(program.path()).name;
    const QString file = home.filePath(QStringLiteral("orbane1s/TEMP1S.TMP"));
    const bool written = QFile::exists(file);
    const QString running = records::readFile(file, 10).text;
    qputenv("XDG_DATA_HOME", saved);
    if (saved.isEmpty())
        qunsetenv("XDG_DATA_HOME");

    EXPECT_TRUE(written);
    EXPECT_EQ(running, QStringLiteral("OUI"));
    EXPECT_EQ(handedOver, QStringLiteral("CHUTE.E20"));
    EXPECT_FALSE(QFile::exists(program.filePath(QStringLiteral("TEMP1S.TMP"))));
}
