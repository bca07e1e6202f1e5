#include "app/commandline.h"

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
