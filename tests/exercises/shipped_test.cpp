// The exercises that ship: each opens, loads its configuration and its correction, and the
// flights their texts describe stay on the scene with the numbers the texts give.
#include "exercises/exerciserig.h"

#include "config/configloader.h"
#include "config/configsession.h"
#include "core/drag.h"
#include "core/simulation.h"
#include "exercises/exercisefile.h"

#include <QDir>
#include <QTextBlock>
#include <QTextDocument>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::test;

namespace {

QStringList shippedExercises()
{
    return QDir(QStringLiteral(ORBANE_DATA_DIR)).entryList({QStringLiteral("*.E20")}, QDir::Files);
}

// The configurations that fly in the air; every other one flies in the vacuum.
bool inTheAir(const QString &config)
{
    static const QStringList air{QStringLiteral("AIR.P08"), QStringLiteral("AIRC.P08"),
                                 QStringLiteral("OPTIMUMC.P08")};
    return air.contains(config);
}

QString firstParagraph(const QTextEdit &box)
{
    return box.document()->begin().text().replace(QChar(0x2019), QLatin1Char('\''));
}

TEST(ShippedExercises, CatalogueCoversTheProgramme)
{
    const QStringList names = shippedExercises();
    ASSERT_GE(names.size(), 8);
    int corrected = 0;
    QSet<int> levels;
    for (const QString &name : names) {
        const auto e = exercises::readExercise(QStringLiteral(ORBANE_DATA_DIR "/") + name);
        ASSERT_TRUE(e) << name.toStdString();
        EXPECT_FALSE(e->title.isEmpty()) << name.toStdString();
        EXPECT_FALSE(e->notions.isEmpty()) << name.toStdString();
        EXPECT_TRUE(e->level >= 0 && e->level <= 3) << name.toStdString();
        EXPECT_FALSE(e->configuration.isEmpty()) << name.toStdString();
        corrected += e->corrected() ? 1 : 0;
        levels << e->level;
    }
    EXPECT_GT(corrected, names.size() / 2);
    EXPECT_EQ(levels, (QSet<int>{0, 1, 2, 3}));
    EXPECT_TRUE(exercises::readExercise(QStringLiteral(ORBANE_DATA_DIR "/ORBANE.PEM")));
}

// What this version writes of an exercise is what it read; a plain one is what every older
// version wrote.
TEST(ShippedExercises, ReadAndWrittenBackAreTheSameBytesAndPlain)
{
    const QStringList names = shippedExercises() << QStringLiteral("ORBANE.PEM");
    ASSERT_GE(names.size(), 9);
    for (const QString &name : names) {
        const QByteArray bytes = bytesOf(QStringLiteral(ORBANE_DATA_DIR "/") + name);
        const auto e = exercises::parseExercise(bytes);
        ASSERT_TRUE(e) << name.toStdString();
        // The two written in the program itself carry a teacher's rules; the others are plain.
        const bool teacher = name == QStringLiteral("PLANETE.E20") || name == QStringLiteral("MYSTERE.E20");
        EXPECT_EQ(e->rules.plain(), !teacher) << name.toStdString();
        EXPECT_EQ(exercises::buildExercise(*e), bytes) << name.toStdString();
    }
}

class EveryExercise : public ::testing::TestWithParam<QString>
{};

TEST_P(EveryExercise, OpensLoadsItsConfigurationAndItsCorrection)
{
    ExerciseRig r(ExerciseRig::allDataFiles());
    r.commands.actions().loadConfig = [&r](const QString &path) {
        const config::LoadResult result = r.session.chargeconfig(r.rig.sim, path, r.rig.dialogs);
        EXPECT_TRUE(result.ok()) << path.toStdString();
        r.configs << path;
    };
    const QString path = r.file(GetParam());
    const auto e = exercises::readExercise(path);
    ASSERT_TRUE(e);
    ASSERT_TRUE(r.commands.ouvreur(path));
    EXPECT_EQ(r.messages(), 0);
    EXPECT_EQ(firstParagraph(r.supertext), e->title);
    EXPECT_EQ(r.configs, QStringList{r.file(e->configuration)});
    EXPECT_EQ(r.rig.sim.dragActive(), inTheAir(e->configuration));
    EXPECT_EQ(r.rig.sim.s.exocharge, e->corrected() ? 1 : 0);
    EXPECT_FALSE(r.supertext.isReadOnly());
    if (!e->corrected())
        return;
    r.commands.opencor_Click();
    EXPECT_EQ(r.messages(), 0);
    EXPECT_EQ(firstParagraph(r.supertext), e->title + QStringLiteral(" : correction"));
    EXPECT_TRUE(r.supertext.isReadOnly());
    EXPECT_EQ(r.configs.size(), e->correctionConfiguration.isEmpty() ? 1 : 2);
    if (!e->correctionConfiguration.isEmpty()) {
        EXPECT_EQ(r.rig.sim.dragActive(), inTheAir(e->correctionConfiguration));
    }
}

INSTANTIATE_TEST_SUITE_P(Data, EveryExercise, ::testing::ValuesIn(shippedExercises()),
                         [](const auto &p) {
                             return p.param.section('.', 0, 0).toStdString();
                         });

TEST(ShippedExercises, GettingStartedOpensFromTheMenu)
{
    ExerciseRig r(ExerciseRig::allDataFiles());
    r.commands.actions().loadConfig = [&r](const QString &path) {
        EXPECT_TRUE(r.session.chargeconfig(r.rig.sim, path, r.rig.dialogs).ok());
    };
    r.commands.PRISENMAIN_Click();
    EXPECT_EQ(r.messages(), 0);
    EXPECT_EQ(r.fich.text(), r.file("ORBANE.PEM"));
    EXPECT_EQ(firstParagraph(r.supertext), QStringLiteral("Prise en main d'Orbane 1S"));
    EXPECT_EQ(r.rig.sim.c.Combo2, 2); // the ballon
}

// ---- the flights the texts describe --------------------------------------------------------

struct Flight
{
    bool exited = false;
    double x = 0;                // where it ended
    std::vector<double> peaks;   // heights at the tops of the arcs
    double landing = NAN;        // the first ground contact of a flight in the air
};

Flight fly(const QString &config, const std::function<void(Simulation &)> &change)
{
    ProgramDir program(ExerciseRig::allDataFiles());
    Rig rig(program.path());
    rig.sim.Form_Load();
    config::ConfigSession session;
    EXPECT_TRUE(session.chargeconfig(rig.sim, program.file(config), rig.dialogs).ok())
        << config.toStdString();
    if (change)
        change(rig.sim);
    rig.sim.command15_Click();
    Flight f;
    double last = rig.sim.s.xy[1];
    bool rising = false;
    for (int n = 0; rig.sim.d.timer1 && n < 40000; ++n) {
        rig.sim.Timer1_Timer();
        const double y = rig.sim.s.xy[1];
        if (rising && y < last)
            f.peaks.push_back(last);
        rising = y > last;
        last = y;
        f.x = rig.sim.s.xy[0];
        if (const DragFlight *air = rig.sim.airFlight(); air && air->landed())
            f.landing = air->contacts().front().x;
    }
    EXPECT_FALSE(rig.sim.d.timer1) << "never landed";
    f.exited = rig.beeper.beeps > 0;
    return f;
}

void set(Simulation &sim, int box, const char *value)
{
    sim.TextN_Change(box, QString::fromUtf8(value));
    sim.TextN_LostFocus(box);
}

void place(Simulation &sim, int index)
{
    sim.Combo1_Click(index);
}

struct FlightCase
{
    const char *name;
    const char *config;
    std::function<void(Simulation &)> change;
    double x = NAN, xTolerance = 0;   // where the text says it lands
    double peak = NAN, peakTolerance = 0;
    double landing = NAN, landingTolerance = 0;
};

void PrintTo(const FlightCase &c, std::ostream *os) { *os << c.name; }

class TextFlights : public ::testing::TestWithParam<FlightCase>
{};

TEST_P(TextFlights, StayOnTheSceneWithTheTextsNumbers)
{
    const FlightCase &c = GetParam();
    const Flight f = fly(QString::fromLatin1(c.config), c.change);
    EXPECT_FALSE(f.exited);
    if (!std::isnan(c.x)) {
        EXPECT_NEAR(f.x, c.x, c.xTolerance);
    }
    if (!std::isnan(c.peak)) {
        ASSERT_FALSE(f.peaks.empty());
        EXPECT_NEAR(f.peaks.front(), c.peak, c.peakTolerance);
    }
    if (!std::isnan(c.landing)) {
        EXPECT_NEAR(f.landing, c.landing, c.landingTolerance);
    }
}

// Slow motion (0,005 s a tick) lands within a few centimetres; normal speed (0,04 s) may
// overshoot by the distance of one tick.
const FlightCase kFlights[] = {
    {"TourOnTheEarth", "ORBANE.P08", {}, NAN, 0, 2.00, 0.02},
    {"TourOnTheMoon", "ORBANE.P08", [](Simulation &s) { place(s, 1); }},
    {"FreeFall", "CHUTE.P08", {}, 5.00, 0.001},
    {"HorizontalLaunch", "HORIZ.P08", {}, 5.05, 0.21},
    {"HorizontalLaunchSlow", "HORIZC.P08", {}, 5.05, 0.03},
    {"HorizontalLaunchToEightMetres", "HORIZ.P08", [](Simulation &s) { set(s, 3, "7,92"); }, 8.00, 0.33},
    {"VerticalOnTheMoon", "ASTRES.P08", {}, NAN, 0, 7.72, 0.02},
    {"VerticalOnTheEarth", "ASTRES.P08", [](Simulation &s) { place(s, 0); }, NAN, 0, 1.28, 0.02},
    {"VerticalOnMars", "ASTRES.P08", [](Simulation &s) { place(s, 2); }, NAN, 0, 3.37, 0.02},
    {"ObliqueOnTheMoon", "ASTRESC.P08", {}, 9.88, 0.12},
    {"ObliqueOnTheEarth", "ASTRESC.P08", [](Simulation &s) { place(s, 0); }, 1.63, 0.12},
    {"GraphsFlight", "GRAPHES.P08", {}, 7.18, 0.21, 2.92, 0.02},
    {"Range15", "PORTEE.P08", [](Simulation &s) { set(s, 4, "15"); }, 4.13, 0.05, 0.28, 0.01},
    {"Range30", "PORTEE.P08", [](Simulation &s) { set(s, 4, "30"); }, 7.16, 0.05, 1.03, 0.01},
    {"Range45", "PORTEE.P08", {}, 8.27, 0.05, 2.07, 0.01},
    {"Range60", "PORTEE.P08", [](Simulation &s) { set(s, 4, "60"); }, 7.16, 0.05, 3.10, 0.01},
    {"Range75", "PORTEE.P08", [](Simulation &s) { set(s, 4, "75"); }, 4.13, 0.05, 3.86, 0.01},
    {"RangeFromTwoMetresAt38", "PORTEEC.P08", {}, 8.29, 0.05},
    {"RangeFromTwoMetresAt45", "PORTEEC.P08", [](Simulation &s) { set(s, 4, "45"); }, 8.14, 0.05},
    {"EnergyFlight", "ENERGIE.P08", {}, 6.55, 0.25, 4.46, 0.02},
    {"EnergyDownwards", "ENERGIE.P08", [](Simulation &s) { set(s, 4, "-30"); }, 3.37, 0.25},
    {"EnergySteep", "ENERGIE.P08", [](Simulation &s) { set(s, 4, "60"); }, 4.73, 0.25},
    {"VelocityVariation", "DELTAV.P08", {}, 5.66, 0.2, 2.45, 0.02},
    {"VelocityVariationOnMars", "DELTAV.P08", [](Simulation &s) { set(s, 3, "4"); place(s, 2); }, 3.73, 0.1},
    {"VelocityVariationOnTheMoon", "DELTAV.P08", [](Simulation &s) { set(s, 3, "4"); place(s, 1); }, 8.55, 0.1},
    {"Bounces", "REBOND.P08", {}, NAN, 0, 2.50, 0.06},
    {"Petanque", "PETANQUE.P08", [](Simulation &s) { set(s, 3, "7,10"); }, 6.00, 0.05, 2.29, 0.01},
    // In the air the contact is integrated, not met by a tick: it is as exact as the text.
    {"BallonInTheAir", "AIR.P08", {}, NAN, 0, 2.33, 0.01, 5.11, 0.005},
    {"BallonInTheAirQuadratic", "AIRC.P08", {}, NAN, 0, 2.36, 0.01, 5.29, 0.005},
    {"WallAt45", "OPTIMUM.P08", {}, 7.11, 0.05},
    {"WallAtItsBestAngle", "OPTIMUM.P08", [](Simulation &s) { set(s, 4, "34"); }, 7.42, 0.05},
    {"LongKickAtItsBestAngle", "OPTIMUMC.P08", {}, NAN, 0, NAN, 0, 29.71, 0.005},
    {"LongKickAt45", "OPTIMUMC.P08", [](Simulation &s) { set(s, 4, "45"); }, NAN, 0, NAN, 0, 29.62, 0.005},
};

INSTANTIATE_TEST_SUITE_P(Data, TextFlights, ::testing::ValuesIn(kFlights),
                         [](const auto &p) { return std::string(p.param.name); });

TEST(ShippedExercises, BouncesKeepAboutHalfTheirHeight)
{
    const Flight f = fly(QStringLiteral("REBOND.P08"), {});
    ASSERT_GE(f.peaks.size(), 3u);
    EXPECT_NEAR(f.peaks[1] / f.peaks[0], 0.49, 0.02);
    EXPECT_NEAR(f.peaks[2] / f.peaks[1], 0.49, 0.02);
    EXPECT_EQ(f.peaks.size(), 4u); // the ball stops at its fifth contact
}

} // namespace
