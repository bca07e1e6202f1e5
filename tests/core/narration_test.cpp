#include "core/narration.h"
#include "core/drag.h"
#include "core/numberformat.h"
#include "core/options.h"
#include "support/doubles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orbane;
using orbane::test::Rig;

namespace {

struct NarrationTest : ::testing::Test
{
    QTemporaryDir dir;
    Rig rig{dir.path()};
    Simulation &sim = rig.sim;
    Announcer announcer{sim};
    QStringList heard;

    void SetUp() override
    {
        sim.Form_Load();
        QObject::connect(&announcer, &Announcer::announce,
                         [this](const QString &text) { heard << text; });
    }
    // A launch from the origin at v (m.s-1) under alpha (°), the given options alone ticked.
    void aim(int place, const char *v, const char *alpha, std::initializer_list<const char *> ticked)
    {
        sim.Combo1_Click(place);
        for (const Option &o : options())
            sim.setOption(o, false);
        for (const char *name : ticked)
            sim.setOption(*option(QString::fromLatin1(name)), true);
        sim.TextN_Change(3, QString::fromLatin1(v));
        sim.TextN_Change(4, QString::fromLatin1(alpha));
        sim.voxvoy();
        sim.command18_Click();
    }
    void tickTo(double t)
    {
        sim.command15_Click();
        while (sim.d.timer1 && sim.s.temps < t - 1e-4)
            sim.Timer1_Timer();
    }
};

} // namespace

// On the Moon, 3 m.s-1 under 45°: vox = voy = 2,121 m.s-1, g = 1,62 m.s-2.
TEST_F(NarrationTest, SceneOnTheMoonBeforeInAndAfterTheFlight)
{
    aim(test::kMoon, "3", "45", {"Check8", "Check5"});
    const QString head = QStringLiteral(
        "Lune, ballon de 450 g, lancé de x = 0,00 m, y = 0,00 m à 3,00 m.s⁻¹ sous 45,00°. ");
    const QString options = QStringLiteral(" Options : trajectoire, vecteur vitesse.");
    EXPECT_EQ(announcer.describe(), head + QStringLiteral("Prêt au lancer.") + options);

    // t = 2 s: x = 4,24 m, y = 4,243 - 3,240 m, vy = -1,119 m.s-1, |v| = 2,40 m.s-1.
    tickTo(2.0);
    const QString at2 =
        QStringLiteral("descente : t = 2,00 s, x = 4,24 m, y = 1,00 m, vitesse 2,4 m.s⁻¹.");
    EXPECT_EQ(announcer.describe(), head + QStringLiteral("En vol, ") + at2 + options);
    sim.command16_Click();
    EXPECT_EQ(announcer.describe(), head + QStringLiteral("En pause, ") + at2 + options);

    // The landing clears the trajectory; the ballon rests after its bounce, then Reset.
    sim.command15_Click();
    rig.runUntilStopped();
    EXPECT_EQ(announcer.describe(),
              head + QStringLiteral("Au repos, dernier impact à x = 8,45 m, t = 4,60 s. "
                                    "Options : vecteur vitesse."));
    sim.command18_Click();
    EXPECT_TRUE(announcer.describe().contains(QStringLiteral("Prêt au lancer.")));

    sim.command12_Click();
    sim.Timer1_Timer();
    EXPECT_TRUE(announcer.describe().endsWith(
        QStringLiteral("Options : vecteur vitesse, chronophotographie toutes les 300 ms.")));
}

// In the air the figures are those of the integrated flight.
TEST_F(NarrationTest, SceneOnTheEarthInTheAir)
{
    aim(0, "8", "60", {"drag", "Check1", "Check3"});
    ASSERT_TRUE(sim.dragActive());
    tickTo(0.4);
    const Flight f = sim.flight();
    const auto m = [](double v) { return numfmt::readout(v) + QStringLiteral(" m"); };
    EXPECT_EQ(announcer.describe(),
              QStringLiteral("Terre, ballon de 450 g, avec frottements de l'air, lancé de x = "
                             "0,00 m, y = 0,00 m à 8,00 m.s⁻¹ sous 60,00°. En vol, montée : "
                             "t = 0,40 s, x = %1, y = %2, vitesse %3 m.s⁻¹. Options : repère, "
                             "grille.")
                  .arg(m(f.x(0.4)), m(f.y(0.4)), numfmt::fixed(f.speed(0.4), 1)));
    rig.runUntilStopped();
    const GroundContact last = f.air->contacts().back();
    EXPECT_TRUE(announcer.describe().contains(
        QStringLiteral("Au repos, dernier impact à x = %1, t = %2 s.")
            .arg(m(last.x), numfmt::readout(last.t))));
}

// The apex and the contacts are the motion law's, not the ticks': the apex t = voy/g, the
// landing at 2·voy/g; the bounce arc leaves from the tick after the landing (2,68 s, x of the
// landing tick 5,60 m) with 0,7 of the vertical speed and lands 1,92 s later.
TEST_F(NarrationTest, EventsOfABouncingFlightInOrder)
{
    aim(test::kMoon, "3", "45", {});
    sim.command12_Click(); // chronophotography, every 300 ms from t = 0
    rig.runUntilStopped();
    EXPECT_EQ(heard, QStringList({
                         QStringLiteral("Lancer."),
                         QStringLiteral("Sommet : y = 1,39 m à t = 1,31 s."),
                         QStringLiteral("Impact : x = 5,56 m à t = 2,62 s."),
                         QStringLiteral("Rebond 1 : x = 8,45 m à t = 4,60 s."),
                         QStringLiteral("Fin de la chronophotographie : 16 photographies."),
                     }));

    heard.clear();
    announcer.setMode(Announcer::Mode::LandingOnly);
    sim.command18_Click();
    sim.command15_Click();
    rig.runUntilStopped();
    EXPECT_EQ(heard, QStringList({QStringLiteral("Impact : x = 5,56 m à t = 2,62 s.")}));

    // On the Earth at 15 m.s-1 the ballon leaves the scene (past x = 10,5 m) before its apex.
    heard.clear();
    announcer.setMode(Announcer::Mode::All);
    aim(0, "15", "45", {"Check4"});
    sim.command15_Click();
    rig.runUntilStopped();
    EXPECT_EQ(heard, QStringList({QStringLiteral("Lancer."), QStringLiteral("Sortie de la scène.")}));
}
