#include "calc/calculatormodel.h"
#include "support/doubles.h"

#include "printers.h"
#include <QStringList>

#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::calc;

namespace {
struct CalcModel : ::testing::Test
{
    test::ScriptedDialogs dialogs;
    test::CountingBeeper beeper;
    CalculatorModel model{Services{&dialogs, nullptr, &beeper}};
    QStringList shown;

    void SetUp() override
    {
        memoire = 0.0;
        model.setDisplayListener([this](const QString &t) { shown << t; });
        model.Form_Load();
    }
    void keys(const QStringList &names)
    {
        for (const QString &name : names)
            ASSERT_TRUE(model.press(name)) << qPrintable(name);
    }
    void type(const QString &chars)
    {
        for (const QChar c : chars)
            model.z1_KeyPress(c);
    }
};
} // namespace

TEST_F(CalcModel, ExeShowsTheWaitingTextDuringTheEvaluation)
{
    keys({"B7", "multip", "B6", "EXE"});
    ASSERT_GE(shown.size(), 2);
    EXPECT_EQ(shown[shown.size() - 2], texts::patience);
    EXPECT_EQ(shown.back(), QStringLiteral(" 42"));
    EXPECT_EQ(model.reponse(), QStringLiteral(" 42"));
    EXPECT_TRUE(model.saisie().isEmpty());
    EXPECT_EQ(beeper.beeps, 0);
}

TEST_F(CalcModel, ResultPastTheLargestDoubleIsAnOverflow)
{
    // The product is the largest double; its 15-digit text reads back as too large.
    type(QStringLiteral("1.7976931348623157e308*1"));
    keys({"EXE"});
    EXPECT_EQ(model.affichage(), texts::depassement);
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_EQ(model.saisie(), QStringLiteral("1.7976931348623157E308 * 1"));
    // The message is no answer: ANS after it adds nothing.
    keys({"RAZ", "ANS"});
    EXPECT_TRUE(model.saisie().isEmpty());
    // Nor is there a last answer to show again in another display mode.
    model.C_Click(0);
    EXPECT_TRUE(model.affichage().isEmpty());
}

TEST_F(CalcModel, MemoryThatWouldOverflowIsKeptAndAMessageSaysSo)
{
    type(QStringLiteral("1E308"));
    keys({"Command1", "Command1"});
    EXPECT_DOUBLE_EQ(memoire, 1e308);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, texts::depassement);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Machine à calculer"));

    keys({"Command2"});
    EXPECT_DOUBLE_EQ(memoire, 0.0);
    keys({"RAZ", "B2", "Command2", "Command3"});
    EXPECT_EQ(model.saisie(), QStringLiteral("2-2"));
}

TEST_F(CalcModel, KeysAndTheirTexts)
{
    // Each row: keys pressed from an empty expression, then the expression they build.
    const std::pair<QStringList, const char *> cases[] = {
        {{"B1", "kilo", "plus", "B2", "mega"}, "1E+3 + 2E+6"},
        {{"B1", "BtoEXP", "plus", "B3"}, "1E+3"},
        {{"B5", "nano", "moins", "B1", "pico"}, "5E-9 - 1E-12"},
        {{"B2", "tera", "mil", "micro", "giga"}, "2E+12E-3E-6E+9"},
        {{"B2", "pi"}, "2 * 3.14159265358979"},
        {{"B2", "Bpo", "B3", "bpf", "Bpo"}, "2 * (3) * ("},
        {{"moins", "bsin"}, "-sin "},
        {{"Bcos", "Btan", "invsin", "invcos", "Btoncommande3"}, "cos tan invSIN invCOS invTAN "},
        {{"B3", "Bln", "Blog", "Bexp", "B10x", "racine", "Command5"},
         "3 * ln log exp 10 ^ SQR 1 / "},
        {{"B3", "puissance", "B2", "btcarre"}, "3 ^ 2 ^ 2"},
        {{"B9", "div", "B3", "moins", "moins"}, "9 / 3 - -"},
        {{"B8", "moins", "moins", "moins"}, "8 - - -"},
        {{"multip", "div", "plus"}, ""}, // nothing on the display: nothing to operate on
    };
    for (const auto &[names, expected] : cases) {
        model.RAZ_Click();
        keys(names);
        EXPECT_EQ(model.saisie(), QString::fromUtf8(expected)) << expected;
        EXPECT_EQ(model.affichage(), model.saisie());
    }
    EXPECT_FALSE(model.press(QStringLiteral("x")));    // a caption is no key name
    EXPECT_FALSE(model.press(QStringLiteral("EXE "))); // nor is a near miss
}

TEST_F(CalcModel, TypedCommaIsTheDecimalMark)
{
    type(QStringLiteral("9,8*2"));
    EXPECT_EQ(model.saisie(), QStringLiteral("9.8 * 2"));
    type(QString(QChar(13)));
    EXPECT_EQ(model.reponse(), QStringLiteral(" 19.6"));
    EXPECT_EQ(beeper.beeps, 0);
}

TEST_F(CalcModel, BackspaceRemovesWholeTokens)
{
    const std::pair<const char *, const char *> cases[] = {
        {"2 * cos ", "2 * "}, {"2 * ", "2"},   {"12", "1"},   {"(invSIN ", "("}, {"log ", ""},
        {"1 / ", "1"},        {"10 ^ ", "10"}, {"1E-", "1E"}, {"-", ""},         {"5 - -", "5 - "},
        {"3 ^ 2", "3 ^ "},
    };
    for (const auto &[before, after] : cases) {
        model.RAZ_Click();
        model.appendKey(QString::fromLatin1(before));
        model.EFFACE_Click();
        EXPECT_EQ(model.saisie(), QString::fromLatin1(after)) << before;
        EXPECT_EQ(model.affichage(), model.saisie());
    }
    model.RAZ_Click();
    shown.clear();
    model.EFFACE_Click(); // nothing to remove: nothing happens
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(CalcModel, ClickingADisplayModeAfterAClearedErrorShowsNothing)
{
    keys({"B5", "div", "B0", "EXE"});
    EXPECT_EQ(model.affichage(), texts::impossible);
    keys({"RAZ"});
    model.C_Click(0);
    EXPECT_TRUE(model.affichage().isEmpty());
    keys({"B4", "EXE"});
    model.C_Click(0);
    EXPECT_EQ(model.affichage(), QStringLiteral("4.E+00"));
}
