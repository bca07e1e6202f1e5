#include "config/configfixture.h"
#include "config/configformat.h"
#include "config/laterrecords.h"
#include "core/recordfile.h"

#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::config;
using test::dataFile;
using test::readBytes;

namespace {

// The start-up controls as the main window shows them once loaded.
Controls startupControls()
{
    Controls c;
    c.Text1 = QStringLiteral("0,00");
    c.Text2 = QStringLiteral("0,00");
    return c;
}

// The values that custom.P08 holds (see data/make_files.py).
Controls customControls()
{
    Controls c;
    c.Combo1 = 2;
    c.Combo2 = 4;
    c.Text1 = QStringLiteral("2,50");
    c.Text2 = QStringLiteral("3,00");
    c.Text3 = QStringLiteral("12,50");
    c.Text4 = QStringLiteral("45,00");
    c.VScroll1 = 10;
    c.UpDown1 = 3;
    c.VScroll3 = 80;
    c.chrono = QStringLiteral("150");
    const bool checks[] = {1, 1, 0, 0, 1, 1, 0, 1, 0, 0, 1, 1};
    for (int i = 1; i <= 12; ++i)
        c.Check[i] = checks[i - 1];
    c.speed = true;
    c.Label4 = {rgb(128, 0, 0),  rgb(0, 128, 0),     rgb(0, 0, 128),
                rgb(10, 20, 30), rgb(0, 0, 0),       rgb(200, 100, 50),
                rgb(1, 2, 3),    rgb(255, 255, 254), rgb(17, 34, 51)};
    return c;
}

} // namespace

TEST(ConfigFormat, SpacedDecimalsPutABlankBeforeNumbersThatAreNotNegative)
{
    const struct
    {
        qint64 n;
        const char *text;
    } rows[] = {{0, " 0"}, {2, " 2"}, {-1, "-1"}, {49, " 49"}, {16777215, " 16777215"}};
    for (const auto &row : rows)
        EXPECT_EQ(spacedDecimal(row.n), QString::fromLatin1(row.text)) << row.n;
}

TEST(ConfigFormat, ColoursAreStoredWithRedInTheLowByte)
{
    EXPECT_EQ(toFileColour(rgb(255, 0, 0)), 255u);
    EXPECT_EQ(toFileColour(rgb(0, 0, 255)), 0xFF0000u);
    EXPECT_EQ(toFileColour(rgb(1, 2, 3)), 0x030201u);
    EXPECT_EQ(toFileColour(rgb(255, 255, 255)), 16777215u);
    for (Rgb c : Controls::defaultColours())
        EXPECT_EQ(fromFileColour(toFileColour(c)), c);
}

TEST(ConfigFormat, LeadingNumbersTakeTheNumberTheTextStartsWith)
{
    const struct
    {
        const char *text;
        std::optional<qint64> value;
    } rows[] = {
        {" 0", 0},
        {"-1", -1},
        {"2", 2},
        {"  4 ", 4},
        {"1 (oui)", 1},
        {" +7", 7},
        {"0.4", 0},
        {"2.5", 2},
        {"3.5", 4},
        {".5", 0},
        {" 16777215", 16777215},
        // must fail: no number at the start
        {"", {}},
        {"   ", {}},
        {"abc", {}},
        {"-", {}},
        {"oui 1", {}},
        {"1e400", 1},
        {"99999999999999999999", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(leadingInteger(QString::fromLatin1(row.text)), row.value) << row.text;
}

TEST(ConfigFormat, WholeNumbersMustBeTheWholeText)
{
    const struct
    {
        const char *text;
        std::optional<qint64> value;
    } rows[] = {
        {" 30", 30},
        {"30", 30},
        {"10,4", 10},
        {"10.5", 10},
        {"11,5", 12},
        {"-3", -3},
        // must fail
        {"", {}},
        {"abc", {}},
        {"30abc", {}},
        {"-", {}},
        {"1e999", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(wholeInteger(QString::fromLatin1(row.text)), row.value) << row.text;
}

TEST(ConfigFormat, StartupValuesEncodeToTheLayoutsBytes)
{
    const auto image = encode(startupControls());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->bytes(), readBytes(dataFile(QStringLiteral("startup.P08"))));
    EXPECT_EQ(image->bytes().size(), 33 * 128);
}

TEST(ConfigFormat, CommittedFilesDecodeFieldByField)
{
    const Decoded startup = decode(readBytes(dataFile(QStringLiteral("startup.P08"))), Controls{});
    ASSERT_TRUE(startup.controls) << startup.detail.toStdString();
    EXPECT_EQ(*startup.controls, startupControls());

    const Decoded custom = decode(readBytes(dataFile(QStringLiteral("custom.P08"))), Controls{});
    ASSERT_TRUE(custom.controls) << custom.detail.toStdString();
    const Controls &c = *custom.controls;
    const Controls want = customControls();
    EXPECT_EQ(c.Combo1, 2);
    EXPECT_EQ(c.Combo2, 4);
    EXPECT_EQ(c.Text3, QStringLiteral("12,50"));
    EXPECT_EQ(c.chrono, QStringLiteral("150"));
    EXPECT_EQ(c.Label4[0], rgb(128, 0, 0));
    EXPECT_EQ(c.Label4[8], rgb(17, 34, 51));
    EXPECT_EQ(c, want);
}

TEST(ConfigFormat, ControlsTheFileDoesNotHoldComeFromTheBase)
{
    Controls base;
    base.Check13 = {true, false, true, false, false, false, false, true};
    const Decoded d = decode(readBytes(dataFile(QStringLiteral("custom.P08"))), base);
    ASSERT_TRUE(d.controls);
    EXPECT_EQ(d.controls->Check13, base.Check13);
}

TEST(ConfigFormat, HandEditedNumbersAreReadAsTheProgramReadsThem)
{
    const Decoded d = decode(readBytes(dataFile(QStringLiteral("lenient.P08"))), Controls{});
    ASSERT_TRUE(d.controls) << d.detail.toStdString();
    EXPECT_EQ(d.controls->Combo1, 2);
    EXPECT_EQ(d.controls->Combo2, 4);
    EXPECT_EQ(d.controls->VScroll1, 10);
    EXPECT_TRUE(d.controls->Check[1]);
    EXPECT_FALSE(d.controls->speed);
    // The last record is not padded to its full length.
    EXPECT_EQ(d.controls->Label4[8], rgb(17, 34, 51));
}

TEST(ConfigFormat, BadFilesAreRefusedNamingTheRecord)
{
    const QByteArray good = readBytes(dataFile(QStringLiteral("custom.P08")));
    const struct
    {
        const char *name;
        void (*spoil)(QByteArray &);
        DecodeError error;
        int record;
    } rows[] = {
        {"lower-case magic", [](QByteArray &b) { test::patchRecord(b, 1, "orbane1s"); },
         DecodeError::NotConfig, 1},
        {"magic with a blank", [](QByteArray &b) { test::patchRecord(b, 1, "ORBANE1S "); },
         DecodeError::NotConfig, 1},
        {"empty file", [](QByteArray &b) { b.clear(); }, DecodeError::NotConfig, 1},
        {"magic length too big", [](QByteArray &b) { test::patchLength(b, 1, 300); },
         DecodeError::NotConfig, 1},
        {"20 records", [](QByteArray &b) { b.truncate(20 * 128); }, DecodeError::Unreadable, 21},
        {"32 records", [](QByteArray &b) { b.truncate(32 * 128); }, DecodeError::Unreadable, 33},
        {"last text cut", [](QByteArray &b) { b.truncate(32 * 128 + 5); }, DecodeError::Unreadable,
         33},
        {"length over 126", [](QByteArray &b) { test::patchLength(b, 12, 127); },
         DecodeError::Unreadable, 12},
        {"length 0xFFFF", [](QByteArray &b) { test::patchLength(b, 4, 0xFFFF); },
         DecodeError::Unreadable, 4},
        {"place 3", [](QByteArray &b) { test::patchRecord(b, 2, " 3"); }, DecodeError::Unreadable,
         2},
        {"place -1", [](QByteArray &b) { test::patchRecord(b, 2, "-1"); }, DecodeError::Unreadable,
         2},
        {"projectile 5", [](QByteArray &b) { test::patchRecord(b, 3, " 5"); },
         DecodeError::Unreadable, 3},
        {"velocity scale 50", [](QByteArray &b) { test::patchRecord(b, 8, " 50"); },
         DecodeError::Unreadable, 8},
        {"interval 0", [](QByteArray &b) { test::patchRecord(b, 9, " 0"); },
         DecodeError::Unreadable, 9},
        {"interval 21", [](QByteArray &b) { test::patchRecord(b, 9, " 21"); },
         DecodeError::Unreadable, 9},
        {"force scale letters", [](QByteArray &b) { test::patchRecord(b, 10, "abc"); },
         DecodeError::Unreadable, 10},
        {"force scale 91", [](QByteArray &b) { test::patchRecord(b, 10, " 91"); },
         DecodeError::Unreadable, 10},
        {"check 2", [](QByteArray &b) { test::patchRecord(b, 15, " 2"); }, DecodeError::Unreadable,
         15},
        {"check blank", [](QByteArray &b) { test::patchRecord(b, 20, ""); },
         DecodeError::Unreadable, 20},
        {"slow motion -1", [](QByteArray &b) { test::patchRecord(b, 24, "-1"); },
         DecodeError::Unreadable, 24},
        {"colour over 24 bits", [](QByteArray &b) { test::patchRecord(b, 30, " 16777216"); },
         DecodeError::Unreadable, 30},
        {"colour -1", [](QByteArray &b) { test::patchRecord(b, 25, "-1"); },
         DecodeError::Unreadable, 25},
        {"colour huge", [](QByteArray &b) { test::patchRecord(b, 33, " 4294967296"); },
         DecodeError::Unreadable, 33},
    };
    for (const auto &row : rows) {
        QByteArray bytes = good;
        row.spoil(bytes);
        const Decoded d = decode(bytes, Controls{});
        EXPECT_FALSE(d.controls) << row.name;
        EXPECT_EQ(d.error, row.error) << row.name;
        EXPECT_TRUE(d.detail.startsWith(QStringLiteral("record %1:").arg(row.record)))
            << row.name << ": " << d.detail.toStdString();
    }
}

TEST(ConfigFormat, EveryPrefixOfAFileIsRefusedUntilTheLastRecordIsWhole)
{
    const QByteArray full = readBytes(dataFile(QStringLiteral("custom.P08")));
    // Record 33 holds " 3351057" (0x332211): 2 + 8 bytes.
    const int complete = 32 * 128 + 2 + 8;
    for (int len = 0; len <= full.size(); ++len) {
        const Decoded d = decode(full.left(len), Controls{});
        if (len < complete) {
            EXPECT_FALSE(d.controls) << len;
            EXPECT_EQ(d.error, len < 2 + 8 ? DecodeError::NotConfig : DecodeError::Unreadable)
                << len;
        } else {
            EXPECT_TRUE(d.controls) << len;
        }
    }
}

TEST(ConfigFormat, ATextThatDoesNotFitInARecordIsRefusedByTheEncoder)
{
    Controls c = startupControls();
    c.chrono = QString(126, QLatin1Char('9'));
    EXPECT_TRUE(encode(c));
    c.chrono = QString(127, QLatin1Char('9'));
    QString detail;
    EXPECT_FALSE(encode(c, &detail));
    EXPECT_EQ(detail, QStringLiteral("record 11: chrono does not fit in a record"));
}

TEST(ConfigFormat, EncodeThenDecodeGivesTheControlsBack)
{
    Controls c = customControls();
    c.Text1 = QStringLiteral("héhé €"); // code page 1252 characters survive
    const auto image = encode(c);
    ASSERT_TRUE(image);
    const Decoded d = decode(image->bytes(), Controls{});
    ASSERT_TRUE(d.controls);
    EXPECT_EQ(*d.controls, c);
}

// A later record written while one before it holds its absent value writes that value, so every
// record stays at its number; a missing or unreadable record reads as the absent value.
TEST(ConfigFormat, LaterRecordsAreWrittenUpToTheLastOneThatIsNotAbsent)
{
    const std::vector<LaterRecord> rows = {LaterRecord(*option(QStringLiteral("secondLaw"))),
                                           LaterRecord(35, option(QStringLiteral("speed"))->field, true)};
    using Texts = std::vector<std::pair<int, QString>>;
    Controls c;
    EXPECT_EQ(laterTexts(rows, c), (Texts{{34, QStringLiteral(" 0")}, {35, QStringLiteral(" 0")}}));
    c.speed = true;
    EXPECT_EQ(laterTexts(rows, c), Texts{});
    c.secondLaw = true;
    EXPECT_EQ(laterTexts(rows, c), (Texts{{34, QStringLiteral(" 1")}}));

    const struct
    {
        records::Record rec;
        bool absentOff, absentOn; // the flag read by each row
    } reads[] = {
        {{QStringLiteral(" 1")}, true, true},
        {{QStringLiteral("1 (oui)")}, true, true},
        {{QStringLiteral(" 0")}, false, false},
        {{QStringLiteral(" 2")}, false, true},
        {{QStringLiteral("extra 34")}, false, true},
        {{{}, records::Status::Missing}, false, true},
        {{{}, records::Status::Corrupt}, false, true},
    };
    for (const auto &r : reads) {
        Controls d;
        d.secondLaw = !r.absentOff;
        d.speed = !r.absentOn;
        readLater(rows[0], r.rec, d);
        readLater(rows[1], r.rec, d);
        EXPECT_EQ(d.secondLaw, r.absentOff) << r.rec.text.toStdString();
        EXPECT_EQ(d.speed, r.absentOn) << r.rec.text.toStdString();
    }
}

// The colour of m·Δv/Δt is record 35, written only when it is not the default: older files,
// without it, load the default, and files at the default keep the older layouts byte for byte.
TEST(ConfigFormat, TheSecondLawColourIsALaterRecord)
{
    Controls c = startupControls();
    c.secondLaw = true;
    const auto atDefault = encode(c);
    ASSERT_TRUE(atDefault);
    EXPECT_EQ(atDefault->bytes().size(), 34 * records::kRecordSize);

    c.secondLawColour = rgb(10, 20, 30);
    const auto chosen = encode(c);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->bytes().size(), 35 * records::kRecordSize);
    EXPECT_EQ(chosen->bytes().left(34 * records::kRecordSize), atDefault->bytes());
    EXPECT_EQ(records::decode(chosen->bytes(), 35).text, QStringLiteral(" 1971210"));
    const Decoded back = decode(chosen->bytes(), Controls{});
    ASSERT_TRUE(back.controls);
    EXPECT_EQ(*back.controls, c);

    const Decoded older = decode(atDefault->bytes(), Controls{});
    ASSERT_TRUE(older.controls);
    EXPECT_EQ(older.controls->secondLawColour, Controls::kSecondLawColour);
    records::Image unreadable = *chosen;
    ASSERT_TRUE(unreadable.set(35, QStringLiteral("orange")));
    EXPECT_EQ(decode(unreadable.bytes(), Controls{}).controls->secondLawColour,
              Controls::kSecondLawColour);
}
