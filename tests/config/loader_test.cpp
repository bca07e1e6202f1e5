#include "config/configfixture.h"
#include "config/configloader.h"
#include "config/configsession.h"
#include "config/configwriter.h"
#include "core/options.h"
#include "core/recordfile.h"
#include "core/tables.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::config;
using test::dataFile;
using test::readBytes;

namespace {

struct ConfigLoader : test::ConfigTest
{
    void expectMessage(const char *prompt, const char *title)
    {
        ASSERT_EQ(dialogs().shown.size(), 1u);
        EXPECT_EQ(dialogs().shown[0].prompt, QString::fromUtf8(prompt));
        EXPECT_EQ(dialogs().shown[0].title, QString::fromUtf8(title));
        EXPECT_EQ(dialogs().shown[0].icon, MsgIcon::Critical);
    }
};

// Values that the boxes' own checks keep as they are.
void changeEverything(Controls &c)
{
    c.Combo1 = 1;
    c.Combo2 = 0;
    c.Text1 = QStringLiteral("4,25");
    c.Text2 = QStringLiteral("1,50");
    c.Text3 = QStringLiteral("9,75");
    c.Text4 = QStringLiteral("-30,00");
    c.VScroll1 = 49;
    c.UpDown1 = 20;
    c.VScroll3 = 0;
    c.chrono = QStringLiteral("5000");
    for (int i = 1; i <= 12; ++i)
        c.Check[i] = !c.Check[i];
    c.speed = true;
    c.secondLaw = true;
    for (int i = 0; i < 9; ++i)
        c.Label4[i] = rgb(10 * i, 255 - 20 * i, 7 * i + 1);
}

} // namespace

TEST_F(ConfigLoader, SaveThenLoadGivesBackEveryControl)
{
    changeEverything(test::controlsOf(sim()));
    const Controls saved = sim().c;
    const QString file = path(QStringLiteral("tout.P08"));
    ASSERT_TRUE(writeConfig(file, saved).ok);

    // A fresh start, then the file.
    test::Rig fresh(dir.path());
    fresh.sim.Form_Load();
    ASSERT_NE(fresh.sim.c, saved);
    // Through the session, which tells the main window the new title.
    ConfigSession session;
    QSignalSpy titles(&session, &ConfigSession::titleChanged);
    const LoadResult r = session.chargeconfig(fresh.sim, file, fresh.dialogs);
    ASSERT_TRUE(r.ok()) << r.detail.toStdString();
    EXPECT_EQ(fresh.sim.c, saved);
    EXPECT_EQ(titles.value(0).value(0).toString(), QStringLiteral("Orbane 1S - ") + file);
    EXPECT_TRUE(fresh.dialogs.shown.empty());
}

TEST_F(ConfigLoader, LoadingRunsThePlaceProjectileAndBoxReactions)
{
    const LoadResult r = loadConfig(dataFile(QStringLiteral("custom.P08")), sim(), dialogs());
    ASSERT_TRUE(r.ok());
    EXPECT_FLOAT_EQ(sim().s.gpes, places()[2].g);
    EXPECT_FLOAT_EQ(sim().s.masse, projectiles()[4].mass);
    EXPECT_TRUE(rig->sound.opened.last().endsWith(QStringLiteral("boum.wav")));
    EXPECT_TRUE(rig->hooks.loaded.last().endsWith(QStringLiteral("mars.jpg")));
    // v = 12.5 at 45 degrees.
    EXPECT_NEAR(sim().s.vox, 12.5 * std::cos(3.1415927 / 4), 1e-4);
    EXPECT_NEAR(sim().s.voy, 12.5 * std::sin(3.1415927 / 4), 1e-4);
    // The projectile stands at x0 = 2.5, y0 = 3, and the read-out says so.
    EXPECT_DOUBLE_EQ(sim().d.projLeft, 14 + 36 * 2.5);
    EXPECT_DOUBLE_EQ(sim().d.projTop, 420 - 36 * 3.0);
    EXPECT_EQ(sim().d.Label1, QStringLiteral("Coordonnées : x = 2,50 m ; y = 3,00 m. "));
    // Option reactions: the grid follows the axes, the construction the variation.
    EXPECT_TRUE(sim().d.check3Enabled);
    EXPECT_TRUE(sim().d.check7Enabled);
    EXPECT_FALSE(sim().d.timer1);
}

TEST_F(ConfigLoader, ValuesTheBoxesRejectAreRejectedAsWhenTyped)
{
    ASSERT_TRUE(loadConfig(dataFile(QStringLiteral("clamped.P08")), sim(), dialogs()).ok());
    EXPECT_EQ(sim().c.Text1, QStringLiteral("10,03"));
    EXPECT_EQ(sim().c.Text2, QStringLiteral("0,00"));
    EXPECT_EQ(sim().c.Text3, QStringLiteral("20,00"));
    EXPECT_EQ(sim().c.Text4, QStringLiteral("0,00"));
    EXPECT_EQ(sim().c.chrono, QStringLiteral("10"));
}

TEST_F(ConfigLoader, AScaleOrOptionReactsOnlyWhenItsValueChanges)
{
    sim().Check_Click(1, true);
    // Each row changes one value; the reactions that redraw run once for it, the others never.
    const struct
    {
        const char *name;
        void (*change)(Controls &);
        int redraws;
    } rows[] = {
        {"nothing", [](Controls &) {}, 0},
        {"axes off", [](Controls &c) { c.Check[1] = false; }, 1},
        {"grid off", [](Controls &c) { c.Check[3] = !c.Check[3]; }, 1},
        {"centre marks only (no reaction)", [](Controls &c) { c.Check[2] = !c.Check[2]; }, 0},
        {"velocity scale", [](Controls &c) { c.VScroll1 = 12; }, 1},
        {"force scale", [](Controls &c) { c.VScroll3 = 12; }, 1},
        {"velocity interval", [](Controls &c) { c.UpDown1 = 12; }, 1},
        {"a colour (no reaction)", [](Controls &c) { c.Label4[5] = rgb(1, 2, 3); }, 0},
    };
    const QString file = path(QStringLiteral("options.P08"));
    for (const auto &row : rows) {
        Controls c = sim().c;
        row.change(c);
        ASSERT_TRUE(writeConfig(file, c).ok);
        const int redraws = rig->hooks.majaffs;
        ASSERT_TRUE(loadConfig(file, sim(), dialogs()).ok()) << row.name;
        EXPECT_EQ(rig->hooks.majaffs - redraws, row.redraws) << row.name;
        EXPECT_EQ(sim().c, c) << row.name;
    }
    EXPECT_FALSE(sim().d.check3Enabled); // the grid box follows the axes box
}

TEST_F(ConfigLoader, ALowerCaseMagicIsAnotherKindOfFileAndChangesNothing)
{
    const test::Snapshot before = snapshot();
    const LoadResult r = loadConfig(dataFile(QStringLiteral("lowercase.P08")), sim(), dialogs());
    EXPECT_EQ(r.status, LoadStatus::NotConfig);
    expectMessage("Ce fichier ne correspond pas à cette application", "Fichier non valide");
    EXPECT_EQ(snapshot(), before);
}

TEST_F(ConfigLoader, TruncatedOrCorruptFilesChangeNothing)
{
    const QByteArray good = readBytes(dataFile(QStringLiteral("custom.P08")));
    const struct
    {
        const char *name;
        void (*spoil)(QByteArray &);
    } rows[] = {
        {"truncated after 20 records", [](QByteArray &b) { b.truncate(20 * 128); }},
        {"last colour cut", [](QByteArray &b) { b.truncate(32 * 128 + 4); }},
        {"length over 126 in a check", [](QByteArray &b) { test::patchLength(b, 18, 200); }},
        {"place out of range", [](QByteArray &b) { test::patchRecord(b, 2, " 7"); }},
        {"force scale not a number", [](QByteArray &b) { test::patchRecord(b, 10, "x"); }},
        {"last colour out of range", [](QByteArray &b) { test::patchRecord(b, 33, " 99999999"); }},
    };
    for (const auto &row : rows) {
        QByteArray bytes = good;
        row.spoil(bytes);
        const QString file = path(QStringLiteral("abime.P08"));
        ASSERT_TRUE(test::writeBytes(file, bytes));
        dialogs().shown.clear();
        const test::Snapshot before = snapshot();
        const LoadResult r = loadConfig(file, sim(), dialogs());
        EXPECT_EQ(r.status, LoadStatus::Unreadable) << row.name;
        expectMessage("Lecture impossible sur disque", "Erreur lors du chargement du fichier");
        EXPECT_EQ(snapshot(), before) << row.name;
    }
    // The committed truncated file, and files that are not there or not files.
    for (const QString &file : {dataFile(QStringLiteral("truncated.P08")),
                                path(QStringLiteral("absent.P08")), dir.path()}) {
        dialogs().shown.clear();
        const test::Snapshot before = snapshot();
        EXPECT_EQ(loadConfig(file, sim(), dialogs()).status, LoadStatus::Unreadable);
        expectMessage("Lecture impossible sur disque", "Erreur lors du chargement du fichier");
        EXPECT_EQ(snapshot(), before);
    }
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("absent.P08"))));
}

TEST_F(ConfigLoader, RecordsBeyondTheConfigurationAreNeverRead)
{
    ASSERT_TRUE(loadConfig(dataFile(QStringLiteral("long.P08")), sim(), dialogs()).ok());
    EXPECT_EQ(sim().c.Combo1, 2);
    EXPECT_EQ(sim().c.Label4[8], rgb(17, 34, 51));
}

TEST_F(ConfigLoader, ChargeconfigLoadsFichconfigAndAnnouncesTheTitle)
{
    ConfigSession session;
    QSignalSpy titles(&session, &ConfigSession::titleChanged);
    EXPECT_TRUE(
        session.chargeconfig(sim(), dataFile(QStringLiteral("custom.P08")), dialogs()).ok());
    ASSERT_EQ(titles.size(), 1);
    EXPECT_EQ(titles[0][0].toString(), QStringLiteral("Orbane 1S - ") + session.fichconfig());

    EXPECT_FALSE(
        session.chargeconfig(sim(), dataFile(QStringLiteral("lowercase.P08")), dialogs()).ok());
    EXPECT_EQ(titles.size(), 1);
}

// The air and its law are later records, written only with the air on: an older file (the
// committed one) loads with the air off and the tables' values.
TEST_F(ConfigLoader, TheAirAndItsLawGoThroughAFileAndOlderFilesHaveNone)
{
    Simulation &s = sim();
    s.setOption(*option(QStringLiteral("drag")), true);
    s.dragModel_Click(true);
    s.dragBox_Change(DragBox::K, QStringLiteral("7"));
    s.dragBox_LostFocus(DragBox::K); // brought to its limit
    s.dragBox_Change(DragBox::Cx, QStringLiteral("0,3"));
    s.dragBox_LostFocus(DragBox::Cx);
    EXPECT_EQ(s.c.dragK, QStringLiteral("5,00"));
    const Controls saved = s.c;
    const QString file = path(QStringLiteral("air.P08"));
    ASSERT_TRUE(writeConfig(file, saved).ok);
    EXPECT_EQ(QFileInfo(file).size(), 40 * 128); // ρ at its default is not written

    test::Rig fresh(dir.path());
    fresh.sim.Form_Load();
    ASSERT_TRUE(ConfigSession().chargeconfig(fresh.sim, file, fresh.dialogs).ok());
    EXPECT_EQ(fresh.sim.c, saved);
    EXPECT_EQ(fresh.sim.dragText(DragBox::Rho), QStringLiteral("1,20"));

    ASSERT_TRUE(ConfigSession()
                    .chargeconfig(fresh.sim, dataFile(QStringLiteral("custom.P08")), fresh.dialogs)
                    .ok());
    EXPECT_FALSE(fresh.sim.c.drag);
    EXPECT_EQ(fresh.sim.dragText(DragBox::Rho), QStringLiteral("0,02")); // Mars
}

// "Comparer avec le vide", f and its colour are records 42, 43 and 44, past the air's law; each
// one on makes the file reach it, and a file without them (the committed one) loads them off,
// f in its default colour.
TEST_F(ConfigLoader, TheVacuumComparisonTheDragForceAndItsColourGoThroughAFile)
{
    Simulation &s = sim();
    s.setOption(*option(QStringLiteral("drag")), true);
    const QString file = path(QStringLiteral("air.P08"));
    for (const auto &[name, size] : {std::pair{"vacuumGhost", 42}, std::pair{"dragForce", 43}}) {
        s.setOption(*option(QString::fromLatin1(name)), true);
        ASSERT_TRUE(writeConfig(file, s.c).ok);
        EXPECT_EQ(QFileInfo(file).size(), size * 128) << name;
    }
    s.Label4_Chosen(Controls::kDragForceSwatch, rgb(10, 20, 30));
    const Controls saved = s.c;
    ASSERT_TRUE(writeConfig(file, saved).ok);
    const QByteArray bytes = readBytes(file);
    EXPECT_EQ(bytes.size(), 44 * 128);
    EXPECT_EQ(records::decode(bytes, 43).text, QStringLiteral(" 1"));
    EXPECT_EQ(records::decode(bytes, 44).text, QStringLiteral(" 1971210"));

    test::Rig fresh(dir.path());
    fresh.sim.Form_Load();
    ASSERT_TRUE(ConfigSession().chargeconfig(fresh.sim, file, fresh.dialogs).ok());
    EXPECT_EQ(fresh.sim.c, saved);
    ASSERT_TRUE(ConfigSession()
                    .chargeconfig(fresh.sim, dataFile(QStringLiteral("custom.P08")), fresh.dialogs)
                    .ok());
    EXPECT_FALSE(fresh.sim.c.vacuumGhost);
    EXPECT_FALSE(fresh.sim.c.dragForce);
    EXPECT_EQ(fresh.sim.c.dragForceColour, Controls::kDragForceColour);
}
