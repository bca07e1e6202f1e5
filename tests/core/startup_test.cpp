#include "core/handshake.h"
#include "core/recordfile.h"
#include "core/tables.h"
#include "support/doubles.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace orbane;
using orbane::test::Rig;

namespace {
void touch(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
}
} // namespace

TEST(Startup, DefaultsAfterLoad)
{
    QTemporaryDir dir;
    Rig rig(dir.path());
    rig.sim.Form_Load();
    const Simulation &sim = rig.sim;

    EXPECT_EQ(sim.c.Text1, QStringLiteral("0,00"));
    EXPECT_EQ(sim.c.Text2, QStringLiteral("0,00"));
    EXPECT_EQ(sim.c.Text3, QStringLiteral("15,00"));
    EXPECT_EQ(sim.c.Text4, QStringLiteral("77,00"));
    EXPECT_EQ(sim.c.chrono, QStringLiteral("300"));
    EXPECT_EQ(sim.c.Combo1, 0);
    EXPECT_EQ(sim.c.Combo2, 2);
    EXPECT_FLOAT_EQ(sim.s.gpes, 9.8f);
    EXPECT_FLOAT_EQ(sim.s.masse, 0.45f);
    EXPECT_NEAR(sim.s.vox, 15.0 * std::cos(77.0 * M_PI / 180.0), 1e-5);
    EXPECT_NEAR(sim.s.voy, 15.0 * std::sin(77.0 * M_PI / 180.0), 1e-5);
    EXPECT_EQ(sim.s.temps, 0.0f);
    EXPECT_EQ(sim.s.enrebond, 0);
    EXPECT_FALSE(sim.d.timer1);
    EXPECT_TRUE(sim.d.projVisible);
    EXPECT_EQ(sim.d.projLeft, 14.0);
    EXPECT_EQ(sim.d.projTop, 420.0);
    EXPECT_EQ(sim.c.VScroll1, 30);
    EXPECT_EQ(sim.c.VScroll3, 70);
    EXPECT_EQ(sim.c.UpDown1, 6);
    EXPECT_EQ(sim.d.info,
              QStringLiteral("Vous pouvez modifier les paramètres,\nouvrir une configuration ou un "
                             "exercice"));
    EXPECT_EQ(sim.d.Label3, QStringLiteral(" Date: t = 0,00 s."));
    EXPECT_EQ(sim.d.Label1, QStringLiteral("Coordonnées : x = 0,00 m ; y = 0,00 m. "));

    // The place picture, the ball's sound and the hand-shake record.
    ASSERT_FALSE(rig.hooks.loaded.isEmpty());
    EXPECT_EQ(rig.hooks.loaded.last(), programFile(dir.path(), QStringLiteral("terre.jpg")));
    EXPECT_EQ(rig.sound.opened.last(), programFile(dir.path(), QStringLiteral("bam.wav")));
    EXPECT_EQ(records::readFile(handshake::path(dir.path()), 10).text, QStringLiteral("OUI"));
    EXPECT_TRUE(rig.dialogs.shown.empty());
    EXPECT_GE(rig.hooks.repgraphes, 1);
}

TEST(Startup, MissingPlacePictureIsFatalAndNamesThePath)
{
    QTemporaryDir dir;
    Rig rig(dir.path());
    rig.hooks.requireFiles = true;
    QSignalSpy quit(&rig.sim, &Simulation::quitRequested);
    rig.sim.Form_Load();

    ASSERT_EQ(rig.dialogs.shown.size(), 1u);
    const auto &box = rig.dialogs.shown.front();
    const QString path = programFile(dir.path(), QStringLiteral("terre.jpg"));
    EXPECT_EQ(box.title, QStringLiteral("Erreur fatale"));
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.prompt,
              QStringLiteral("Le fichier ") + path +
                  QStringLiteral(" doit se trouver dans le même répertoire que l'application.\n"
                                 "Ce n'est pas le cas actuellement: sortie de l'application."));
    EXPECT_TRUE(rig.sim.fatalErrorShown());
    EXPECT_EQ(quit.count(), 1);
    // The projectile list was never reached.
    EXPECT_TRUE(rig.sound.opened.isEmpty());
}

TEST(Startup, ChangingPlaceLoadsItsPictureAndFieldAndForgetsMarks)
{
    QTemporaryDir dir;
    for (const char *name : {"terre.jpg", "lune.jpg", "mars.jpg"})
        touch(dir.filePath(QString::fromLatin1(name)));
    Rig rig(dir.path());
    rig.hooks.requireFiles = true;
    rig.sim.Form_Load();
    rig.hooks.marks.add({100, 200, 0, 0, false});
    rig.sim.command15_Click();
    for (int i = 0; i < 5; ++i)
        rig.sim.Timer1_Timer();
    ASSERT_GT(rig.sim.s.temps, 0.0f);

    rig.sim.Combo1_Click(1);
    EXPECT_FLOAT_EQ(rig.sim.s.gpes, 1.62f);
    EXPECT_EQ(rig.hooks.loaded.last(), programFile(dir.path(), QStringLiteral("lune.jpg")));
    EXPECT_EQ(rig.hooks.marks.nbphotos(), 0);
    EXPECT_FALSE(rig.sim.d.timer1);
    EXPECT_EQ(rig.sim.s.temps, 0.0f);
    EXPECT_EQ(rig.sim.d.projTop, 420.0); // back at the initial position
    EXPECT_TRUE(rig.sim.d.projVisible);

    rig.sim.Combo1_Click(2);
    EXPECT_FLOAT_EQ(rig.sim.s.gpes, 3.71f);
    EXPECT_TRUE(rig.dialogs.shown.empty());
}

TEST(Startup, ProjectileChoiceSetsMassAndPreparesItsSound)
{
    QTemporaryDir dir;
    Rig rig(dir.path());
    rig.sim.Form_Load();
    const char *sounds[] = {"pom.wav", "bim.wav", "bam.wav", "bam.wav", "boum.wav"};
    const float masses[] = {0.18f, 0.33f, 0.45f, 0.8f, 1830.0f};
    for (int i = 0; i < 5; ++i) {
        const int closesBefore = rig.sound.closes;
        rig.sim.Combo2_Click(i);
        EXPECT_FLOAT_EQ(rig.sim.s.masse, masses[i]);
        EXPECT_EQ(rig.sound.opened.last(),
                  programFile(dir.path(), QString::fromLatin1(sounds[i])));
        EXPECT_EQ(rig.sound.closes, closesBefore + 1); // the previous sound is released first
    }
}
