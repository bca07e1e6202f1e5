#include "app/commandline.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orbane;
using Action = CommandLine::Action;

namespace {
CommandLine parse(QStringList args)
{
    args.prepend(QStringLiteral("orbane1s"));
    return parseCommandLine(args);
}
} // namespace

TEST(CommandLine, AFileToOpenHelpAndVersion)
{
    EXPECT_EQ(parse({}).action, Action::Run);
    EXPECT_TRUE(parse({}).file.isEmpty());
    const CommandLine file = parse({QStringLiteral("/tmp/CHUTE.E20")});
    EXPECT_EQ(file.action, Action::Run);
    EXPECT_EQ(file.file, QStringLiteral("/tmp/CHUTE.E20"));
    // A file whose name starts with a dash comes after "--".
    EXPECT_EQ(parse({QStringLiteral("--"), QStringLiteral("-a.P08")}).file, QStringLiteral("-a.P08"));
    EXPECT_EQ(parse({QStringLiteral("--help")}).action, Action::Help);
    EXPECT_EQ(parse({QStringLiteral("-h"), QStringLiteral("x.P08")}).action, Action::Help);
    EXPECT_EQ(parse({QStringLiteral("--version")}).action, Action::Version);
    EXPECT_EQ(parse({QStringLiteral("-v")}).action, Action::Version);
    EXPECT_TRUE(versionText().startsWith(QStringLiteral("Orbane 1S ")));
    EXPECT_EQ(parse({QStringLiteral("--capture"), QStringLiteral("a.png")}).capture, QStringLiteral("a.png"));
}

TEST(CommandLine, UnknownOptionsAndExtraFilesAreRefusedInFrench)
{
    const CommandLine unknown = parse({QStringLiteral("--plein-ecran"), QStringLiteral("a.P08")});
    EXPECT_EQ(unknown.action, Action::Refused);
    EXPECT_EQ(unknown.refusal, QStringLiteral("option inconnue « --plein-ecran »"));
    EXPECT_EQ(parse({QStringLiteral("-x")}).refusal, QStringLiteral("option inconnue « -x »"));
    const CommandLine two = parse({QStringLiteral("a.P08"), QStringLiteral("b.E20")});
    EXPECT_EQ(two.action, Action::Refused);
    EXPECT_TRUE(two.refusal.startsWith(QStringLiteral("un seul fichier")));
    EXPECT_EQ(parse({QStringLiteral("--capture")}).action, Action::Refused);
    // Qt's own options are left for the application object to take.
    EXPECT_TRUE(hasQtOptions({QStringLiteral("orbane1s"), QStringLiteral("-platform"), QStringLiteral("offscreen")}));
    EXPECT_TRUE(hasQtOptions({QStringLiteral("orbane1s"), QStringLiteral("--style=fusion")}));
    EXPECT_FALSE(hasQtOptions({QStringLiteral("orbane1s"), QStringLiteral("--plein-ecran")}));
    EXPECT_FALSE(hasQtOptions({QStringLiteral("orbane1s"), QStringLiteral("--"), QStringLiteral("-style")}));
    // The help names both kinds of file and both options.
    for (const char *word : {"Utilisation : orbane1s", ".P08", ".E20", "--help", "--version"})
        EXPECT_TRUE(helpText().contains(QLatin1String(word))) << word;
    EXPECT_FALSE(helpText().contains(QStringLiteral("--capture")));
}

// --echelle takes a factor with a comma or a point, or "auto"; anything else is refused, and
// the fit to the screen keeps the whole window and its title bar on the three usual screens.
TEST(CommandLine, ScaleFactorAndTheFitToTheScreen)
{
    using display::Scale;
    EXPECT_FALSE(parse({}).scale.has_value());
    EXPECT_EQ(parse({QStringLiteral("--echelle"), QStringLiteral("1,5")}).scale, (Scale{false, 1.5}));
    EXPECT_EQ(parse({QStringLiteral("--echelle=1.5")}).scale, (Scale{false, 1.5}));
    EXPECT_EQ(parse({QStringLiteral("--echelle"), QStringLiteral("2"), QStringLiteral("a.P08")}).file,
              QStringLiteral("a.P08"));
    EXPECT_EQ(parse({QStringLiteral("--echelle"), QStringLiteral("AUTO")}).scale, (Scale{true, 1.0}));
    for (const char *bad : {"0,5", "4", "deux", "1,5x", ""}) {
        const CommandLine refused = parse({QStringLiteral("--echelle"), QString::fromUtf8(bad)});
        EXPECT_EQ(refused.action, Action::Refused) << bad;
        EXPECT_EQ(refused.refusal, QStringLiteral("facteur d'affichage incorrect « %1 » : de 1 à 3 "
                                                  "(par exemple 1,5), ou auto").arg(QString::fromUtf8(bad)));
    }
    EXPECT_EQ(parse({QStringLiteral("--echelle")}).refusal, QStringLiteral("il manque le facteur après --echelle"));
    EXPECT_TRUE(helpText().contains(QStringLiteral("--echelle FACTEUR")));
    EXPECT_EQ(display::scaleText(Scale{false, 1.5}), QStringLiteral("1,5"));
    EXPECT_EQ(display::parseScale(display::scaleText(Scale{true, 1.0})), (Scale{true, 1.0}));

    const std::pair<QSize, double> screens[] = {
        {{1366, 768}, 1.2}, {{1920, 1080}, 1.7}, {{2560, 1440}, 2.3},
        {{1366, 728}, 1.1}, {{1024, 600}, 1.0}, {{3840, 2160}, 3.0}};
    for (const auto &[screen, factor] : screens) {
        EXPECT_DOUBLE_EQ(display::fitFactor(screen), factor) << screen.width() << "x" << screen.height();
        // The window with its title bar and borders fits.
        EXPECT_LE(std::ceil(600 * factor) + 48, std::max(screen.height(), 648)) << screen.height();
        EXPECT_LE(std::ceil(800 * factor) + 16, std::max(screen.width(), 816)) << screen.width();
    }
}
