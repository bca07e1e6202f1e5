#include "calc/machine.h"
#include "support/doubles.h"

#include "printers.h"
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

using namespace orbane;
using namespace orbane::calc;

namespace {
struct MachineTest : ::testing::Test
{
    test::ScriptedDialogs dialogs;
    test::CountingBeeper beeper;
    std::unique_ptr<Machine> w;
    QLineEdit *z1 = nullptr;

    void SetUp() override
    {
        memoire = 0.0;
        open();
    }
    void open()
    {
        w = std::make_unique<Machine>(nullptr, Services{&dialogs, nullptr, &beeper});
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        z1 = w->findChild<QLineEdit *>(QStringLiteral("z1"));
        ASSERT_TRUE(z1);
    }
    void click(const QStringList &names)
    {
        for (const QString &name : names) {
            auto *button = w->findChild<QPushButton *>(name);
            ASSERT_TRUE(button) << qPrintable(name);
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    QRadioButton *option(const char *name)
    {
        return w->findChild<QRadioButton *>(QLatin1String(name));
    }
    void choose(const char *name)
    {
        QRadioButton *r = option(name);
        ASSERT_TRUE(r) << name;
        QTest::mouseClick(r, Qt::LeftButton);
        ASSERT_TRUE(r->isChecked()) << name;
    }
    QString display() const { return z1->text(); }
};
} // namespace

TEST_F(MachineTest, ProductThenTheAnswerRuleTakesTheLastAnswer)
{
    click({"B2", "multip", "B3", "EXE"});
    EXPECT_EQ(display(), QStringLiteral(" 6"));
    click({"multip", "B4"});
    EXPECT_EQ(display(), QStringLiteral("6 * 4"));
    click({"EXE"});
    EXPECT_EQ(display(), QStringLiteral(" 24"));
    EXPECT_EQ(beeper.beeps, 0);
    EXPECT_TRUE(z1->hasFocus());
    EXPECT_EQ(z1->cursorPosition(), display().size());
}

TEST_F(MachineTest, ExeOnAnEmptyExpressionShowsZero)
{
    click({"EXE"});
    EXPECT_EQ(display(), QStringLiteral(" 0"));
}

TEST_F(MachineTest, ScientificModeThenStandardShowsTheAnswerAgain)
{
    choose("C(0)");
    click({"B1", "B2", "B3", "B4", "Bpoint", "B5", "EXE"});
    EXPECT_EQ(display(), QStringLiteral("1.2345E+03"));
    choose("C(1)");
    EXPECT_EQ(display(), QStringLiteral(" 1234.5"));
    choose("C(0)");
    EXPECT_EQ(display(), QStringLiteral("1.2345E+03"));
}

TEST_F(MachineTest, AngleModeFollowsTheOptions)
{
    choose("angle(1)");
    click({"invsin", "B1", "EXE"});
    EXPECT_EQ(display(), QStringLiteral(" 1.5707963267949"));
    choose("angle(0)");
    click({"invsin", "B1", "EXE"});
    EXPECT_EQ(display(), QStringLiteral(" 90"));
    click({"bsin", "B3", "B0", "plus", "Blog", "B1", "B0", "B0", "B0", "EXE"});
    EXPECT_EQ(display(), QStringLiteral(" 3.5"));
}

TEST_F(MachineTest, PrefixRuleInsertsAProductBeforeANewOperand)
{
    click({"B2", "bsin", "B3", "B0"});
    EXPECT_EQ(display(), QStringLiteral("2 * sin 30"));
    click({"EXE"});
    EXPECT_EQ(display(), QStringLiteral(" 1"));
    click({"Bpo", "bsin"});
    EXPECT_EQ(display(), QStringLiteral("(sin "));
}

TEST_F(MachineTest, MinusKeyHasThreeForms)
{
    click({"moins"});
    EXPECT_EQ(display(), QStringLiteral("-"));
    click({"RAZ", "B5", "moins"});
    EXPECT_EQ(display(), QStringLiteral("5 - "));
    click({"RAZ", "B1", "BtoEXP", "moins", "B3", "EXE"});
    EXPECT_EQ(display(), QStringLiteral(" .001"));
}

TEST_F(MachineTest, BackspaceRemovesWordsAndOperatorTokens)
{
    click({"B2", "multip", "Bcos"});
    EXPECT_EQ(display(), QStringLiteral("2 * cos "));
    click({"EFFACE"});
    EXPECT_EQ(display(), QStringLiteral("2 * "));
    click({"EFFACE"});
    EXPECT_EQ(display(), QStringLiteral("2"));
    click({"RAZ", "B1", "B2", "EFFACE"});
    EXPECT_EQ(display(), QStringLiteral("1"));
}

TEST_F(MachineTest, ErrorsShowTheirMessageBeepAndKeepTheExpression)
{
    struct Row
    {
        QStringList keys;
        QString message, kept;
    };
    const Row rows[] = {
        {{"B5", "div", "B0"}, "Calcul impossible", "5 / 0"},
        {{"Bpo", "B2", "plus", "B3"}, "Erreur saisie: revoir les parenthèses", "(2 + 3"},
        {{"B2", "multip", "multip", "B3"},
         "Erreur saisie: incompréhension sur opérateurs: ^ * / + -",
         "2 *  * 3"},
        {{"bsin"}, "Calcul impossible", "sin "},
    };
    int beeps = 0;
    for (const Row &row : rows) {
        click({"RAZ"});
        click(row.keys);
        click({"EXE"});
        EXPECT_EQ(display(), row.message);
        EXPECT_EQ(beeper.beeps, ++beeps);
        // ANS after an error adds nothing; the next key continues the kept expression.
        click({"ANS"});
        EXPECT_EQ(display(), row.kept);
        click({"B1"});
        EXPECT_EQ(display(), row.kept + QLatin1Char('1'));
    }
    EXPECT_TRUE(dialogs.shown.empty()); // errors go to the display, never to a message box
}

TEST_F(MachineTest, MemoryKeepsItsValueAcrossOpenings)
{
    click({"B2", "multip", "B3", "EXE", "Command1", "Command3"});
    EXPECT_EQ(display(), QStringLiteral("6"));
    w->close();
    open();
    EXPECT_TRUE(display().isEmpty());
    click({"Command3", "plus", "Command2", "Command3"});
    EXPECT_EQ(display(), QStringLiteral("6 + 0"));
    click({"RAZ", "B5", "Command1", "Command4", "RAZ", "Command3"});
    EXPECT_EQ(display(), QStringLiteral("0"));
}

TEST_F(MachineTest, OpeningAgainResetsTheInputAndOptionsButKeepsTheAnswer)
{
    choose("angle(1)");
    choose("C(0)");
    click({"B5", "EXE", "B7"});
    EXPECT_EQ(display(), QStringLiteral("7"));
    w->hide();
    w->show();
    EXPECT_TRUE(display().isEmpty());
    EXPECT_TRUE(option("angle(0)")->isChecked());
    EXPECT_TRUE(option("C(1)")->isChecked());
    click({"ANS", "plus", "B1", "EXE"});
    EXPECT_EQ(display(), QStringLiteral(" 6"));
}

TEST_F(MachineTest, KeyboardActsThroughTheKeyTable)
{
    QTest::keyClicks(z1, QStringLiteral("(1+2)^2"));
    EXPECT_EQ(display(), QStringLiteral("(1 + 2) ^ 2"));
    QTest::keyClick(z1, Qt::Key_Return);
    EXPECT_EQ(display(), QStringLiteral(" 9"));
    QTest::keyClicks(z1, QStringLiteral("1d3e2Dx-"));
    EXPECT_EQ(display(), QStringLiteral("1E3E2E-"));
    QTest::keyClick(z1, Qt::Key_Backspace);
    EXPECT_EQ(display(), QStringLiteral("1E3E2E"));
    // Editing the display by other means does not change the expression.
    QTest::keyClick(z1, Qt::Key_Home);
    QTest::keyClick(z1, Qt::Key_Delete);
    EXPECT_EQ(display(), QStringLiteral("1E3E2E"));
    QTest::keyClick(z1, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(MachineTest, EveryKeyIsThereWithItsFace)
{
    const QStringList names = {"B0",
                               "B1",
                               "B2",
                               "B3",
                               "B4",
                               "B5",
                               "B6",
                               "B7",
                               "B8",
                               "B9",
                               "Bpoint",
                               "BtoEXP",
                               "kilo",
                               "mega",
                               "giga",
                               "tera",
                               "mil",
                               "micro",
                               "nano",
                               "pico",
                               "pi",
                               "Bpo",
                               "bpf",
                               "bsin",
                               "Bcos",
                               "Btan",
                               "invsin",
                               "invcos",
                               "Btoncommande3",
                               "Bln",
                               "Blog",
                               "Bexp",
                               "B10x",
                               "racine",
                               "Command5",
                               "puissance",
                               "btcarre",
                               "multip",
                               "div",
                               "plus",
                               "moins",
                               "ANS",
                               "EFFACE",
                               "RAZ",
                               "EXE",
                               "Command1",
                               "Command2",
                               "Command3",
                               "Command4"};
    const QRect window = w->rect();
    for (const QString &name : names) {
        auto *b = w->findChild<QPushButton *>(name);
        ASSERT_TRUE(b) << qPrintable(name);
        EXPECT_TRUE(!b->text().isEmpty() || !b->icon().isNull()) << qPrintable(name);
        EXPECT_TRUE(window.contains(b->geometry())) << qPrintable(name);
    }
    const auto buttons = w->findChildren<QPushButton *>();
    EXPECT_EQ(buttons.size(), names.size());
    for (int i = 0; i < buttons.size(); ++i)
        for (int j = i + 1; j < buttons.size(); ++j)
            EXPECT_FALSE(buttons[i]->geometry().intersects(buttons[j]->geometry()))
                << qPrintable(buttons[i]->objectName()) << " / "
                << qPrintable(buttons[j]->objectName());

    // Captions and tool tips with accents, symbols and mnemonics, as the user reads them.
    const std::tuple<const char *, const char *, const char *> faces[] = {
        {"BtoEXP", "EXP", "x 10ª"},
        {"mega", "M", "Méga"},
        {"micro", "µ", "micro"},
        {"pi", "π", "3.1415927"},
        {"invsin", "INV S&IN", "Inverse sinus"},
        {"racine", "√", "Racine carré"},
        {"div", "÷", ""},
        {"EFFACE", "←", "Effacer dernier caractère"},
        {"Command1", "M+", "Ajouter à la méoire"},
        {"Command3", "RM", "Rappel mémoire"},
    };
    for (const auto &[name, caption, tooltip] : faces) {
        auto *b = w->findChild<QPushButton *>(QLatin1String(name));
        EXPECT_EQ(b->text(), QString::fromUtf8(caption)) << name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(tooltip)) << name;
    }

    EXPECT_EQ(w->objectName(), QStringLiteral("Machine"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Machine à calculer"));
    EXPECT_TRUE(w->isModal());
    const std::pair<const char *, const char *> options[] = {{"angle(0)", "Degrés"},
                                                             {"angle(1)", "Radians"},
                                                             {"C(0)", "Scientifique"},
                                                             {"C(1)", "Standard"}};
    for (const auto &[name, caption] : options) {
        ASSERT_TRUE(option(name)) << name;
        EXPECT_EQ(option(name)->text(), QString::fromUtf8(caption));
    }
    EXPECT_TRUE(option("angle(0)")->isChecked());
    EXPECT_TRUE(option("C(1)")->isChecked());
    QStringList frames;
    for (const QGroupBox *g : w->findChildren<QGroupBox *>())
        frames << g->title();
    frames.sort();
    EXPECT_EQ(frames, QStringList({"Affichage", "Angles"}));
}

TEST_F(MachineTest, BackgroundIsPaintedAsDesigned)
{
    const QImage img = w->grab().toImage();
    ASSERT_GE(img.width(), 302);
    ASSERT_GE(img.height(), 430);
    EXPECT_EQ(img.pixelColor(0, 200), QColor(200, 250, 250));
    EXPECT_EQ(img.pixelColor(300, 200), QColor(50, 100, 100));
    EXPECT_EQ(img.pixelColor(150, 1), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(1, 200), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(150, 2), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(83, 291), QColor(0, 128, 128));  // teal panel, left of the 7
    EXPECT_EQ(img.pixelColor(123, 300), QColor(0, 128, 128)); // between two digit keys
    EXPECT_EQ(img.pixelColor(206, 421), QColor(Qt::white));   // its white edge
}
