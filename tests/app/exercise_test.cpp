// An exercise's rules as the pupil meets them: the settings it fixes and its questions.
#include "app/hintline.h"
#include "app/scenewidget.h"
#include "appfixture.h"
#include "config/configsession.h"
#include "config/configwriter.h"
#include "core/settinglocks.h"
#include "exercises/exercisecommands.h"
#include "exercises/exercisefile.h"
#include "exercises/questionswindow.h"
#include "exercises/richtextfile.h"
#include "platform/announceline.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
#include <optional>

using namespace orbane;
using exercises::ExerciseRules;
using exercises::Setting;

namespace {

struct ExerciseTest : test::AppFixture
{
    exercises::ExerciseCommands &commands()
    {
        return *w->findChild<exercises::ExerciseCommands *>();
    }
    Simulation &sim() { return w->sim(); }

    // A configuration file holding the default controls with these changes.
    QString writeConfig(const QString &name, void (*change)(Controls &))
    {
        Controls c;
        change(c);
        EXPECT_TRUE(config::writeConfig(dir.file(name), c).ok);
        return dir.file(name);
    }
    // Opens an exercise with this statement, configuration (none when empty) and rules.
    void open(const ExerciseRules &rules, const QString &configuration = {})
    {
        QTextDocument statement;
        statement.setPlainText(QStringLiteral("Énoncé"));
        ASSERT_TRUE(rtf::saveFile(statement, dir.file(QStringLiteral("E.RTF"))));
        exercises::ExerciseFile e;
        e.statement = QStringLiteral("E.RTF");
        e.configuration = configuration;
        e.rules = rules;
        ASSERT_TRUE(commands().openExercise(e, dir.file(QStringLiteral("E.E20"))));
    }
    static ExerciseRules fixing(std::initializer_list<Setting> fixed)
    {
        ExerciseRules r;
        for (Setting s : fixed)
            r.free[std::size_t(s)] = false;
        return r;
    }
    // Sets a box's text as an assistive tool does, through the accessibility interface.
    static void setByTool(QLineEdit *box, const QString &text)
    {
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(box);
        ASSERT_TRUE(i && i->editableTextInterface() && i->textInterface());
        i->editableTextInterface()->replaceText(0, i->textInterface()->characterCount(), text);
    }
    QString hintOnEntering(QWidget *control)
    {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(control, &enter);
        return w->info()->text();
    }
};

TEST_F(ExerciseTest, FixedSettingsKeepTheExercisesValuesWhateverThePath)
{
    writeConfig(QStringLiteral("E.P08"), [](Controls &c) {
        c.Combo1 = 1;
        c.Text1 = QStringLiteral("2");
        c.Text4 = QStringLiteral("30");
        c.chrono = QStringLiteral("200");
        c.Check[5] = true;
    });
    open(fixing({Setting::Place, Setting::X0, Setting::Alpha, Setting::Interval, Setting::Vectors}),
         QStringLiteral("E.P08"));
    const Controls exercise = sim().c;
    ASSERT_EQ(exercise.Combo1, 1) << "the exercise's configuration is loaded before the locks";
    ASSERT_EQ(exercise.Text1, QStringLiteral("2,00"));
    ASSERT_TRUE(exercise.Check[5]);
    const auto kept = [&] {
        EXPECT_EQ(sim().c.Combo1, exercise.Combo1);
        EXPECT_EQ(sim().c.Text1, exercise.Text1);
        EXPECT_EQ(sim().c.Text4, exercise.Text4);
        EXPECT_EQ(sim().c.chrono, exercise.chrono);
        EXPECT_EQ(sim().c.Check[5], exercise.Check[5]);
    };

    // The controls are disabled and say why; the free ones are not.
    auto *text1 = child<QLineEdit>("Text1");
    for (QWidget *fixed : {static_cast<QWidget *>(child<QComboBox>("Combo1")),
                           static_cast<QWidget *>(text1), child<QWidget>("Text4"),
                           child<QWidget>("chrono"), child<QWidget>("Check5")}) {
        EXPECT_FALSE(fixed->isEnabled()) << fixed->objectName().toStdString();
        EXPECT_EQ(fixed->toolTip(), fixedSettingHint());
        EXPECT_TRUE(fixed->accessibleDescription().contains(fixedSettingHint()));
        EXPECT_EQ(hintOnEntering(fixed), fixedSettingHint());
    }
    EXPECT_TRUE(text1->accessibleDescription().startsWith(QStringLiteral("Abscisse initiale")));
    for (const char *free : {"Combo2", "Text2", "Text3", "Check1"})
        EXPECT_TRUE(child<QWidget>(free)->isEnabled()) << free;

    // Mouse and keyboard reach the handlers; an assistive tool sets a box's text or ticks a box.
    sim().Combo1_Click(0);
    sim().TextN_Change(4, QStringLiteral("60"));
    sim().TextN_LostFocus(4);
    sim().chrono_Change(QStringLiteral("900"));
    sim().Check_Click(5, false);
    setByTool(text1, QStringLiteral("7"));
    QAccessible::queryAccessibleInterface(child<QCheckBox>("Check5"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    kept();
    EXPECT_EQ(text1->text(), exercise.Text1) << "the box shows the kept value again";
    EXPECT_TRUE(child<QCheckBox>("Check5")->isChecked());
    setByTool(child<QLineEdit>("Text3"), QStringLiteral("9"));
    EXPECT_EQ(sim().c.Text3, QStringLiteral("9")) << "a free box still follows the tool";

    // A drag or the arrow keys on the scene move the start along y only.
    sim().projectile_MouseMove(true, true, 10, 10);
    sim().projectile_MouseMove(true, true, 40, -30);
    sim().projectile_MouseMove(false, false, 40, -30);
    kept();
    EXPECT_GT(sim().y0(), 1.0);
    const QString afterDrag = sim().c.Text2;
    auto *scene = child<SceneWidget>("Picture2");
    scene->setFocus();
    QTest::keyClick(scene, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(scene, Qt::Key_Up, Qt::ShiftModifier);
    kept();
    EXPECT_NE(sim().c.Text2, afterDrag);

    // A configuration opened meanwhile changes only what is free.
    const QString other = writeConfig(QStringLiteral("AUTRE.P08"), [](Controls &c) {
        c.Combo1 = 2;
        c.Text1 = QStringLiteral("5");
        c.Text2 = QStringLiteral("3");
        c.Text4 = QStringLiteral("45");
        c.chrono = QStringLiteral("800");
        c.Combo2 = 0;
    });
    w->findChild<config::ConfigSession *>()->chargeconfig(sim(), other, dialogs);
    kept();
    EXPECT_EQ(sim().c.Text2, QStringLiteral("3,00"));
    EXPECT_EQ(sim().c.Combo2, 0);
}

TEST_F(ExerciseTest, UndoKeepsFixedSettingsAndClosingFreesThem)
{
    sim().Combo1_Click(2);
    QApplication::processEvents(); // the change becomes an undo step
    open(fixing({Setting::Place, Setting::Display}));
    ASSERT_EQ(sim().c.Combo1, 2);
    for (QAction *a : w->actions()) {
        if (a->text().startsWith(QStringLiteral("Annuler"))) {
            EXPECT_TRUE(a->isEnabled()) << "the choice of the place is a step";
            a->trigger();
        }
    }
    EXPECT_EQ(sim().c.Combo1, 2) << "undo does not bring back a fixed place";
    auto *drag = child<QCheckBox>("drag");
    EXPECT_FALSE(drag->isEnabled());

    commands().Closexo_Click();
    EXPECT_TRUE(child<QComboBox>("Combo1")->isEnabled());
    EXPECT_TRUE(child<QComboBox>("Combo1")->toolTip().isEmpty());
    EXPECT_EQ(child<QComboBox>("Combo1")->accessibleDescription(), QStringLiteral("Mars"));
    sim().Combo1_Click(0);
    EXPECT_EQ(sim().c.Combo1, 0);
    sim().Check_Click(1, true);
    EXPECT_TRUE(sim().c.Check[1]);

    // Another exercise replaces the locks of the one before.
    open(fixing({Setting::Projectile}));
    open(ExerciseRules{});
    EXPECT_TRUE(child<QComboBox>("Combo2")->isEnabled());
}

exercises::Question gravity()
{
    return {QStringLiteral("Quelle est la valeur de g sur Mars ?"), 3.71, QStringLiteral("m.s⁻²"),
            5.0};
}

TEST_F(ExerciseTest, QuestionsSayRightOrWrongAtTheEdgesAndRevealAfterThreeTries)
{
    ExerciseRules rules;
    rules.questions = {gravity()};
    rules.revealAfterTries = true;
    open(rules);
    QWidget *window = commands().questionsWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), w.get());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Questions"));
    auto *answer = window->findChild<QLineEdit *>(QStringLiteral("answer1"));
    auto *verify = window->findChild<QPushButton *>(QStringLiteral("verify1"));
    auto *verdict = window->findChild<QLabel *>(QStringLiteral("verdict1"));
    auto *line = w->findChild<AnnounceLine *>();
    ASSERT_TRUE(answer && verify && verdict && line);
    const auto tryAnswer = [&](const char *typed) {
        answer->clear();
        QTest::keyClicks(answer, QString::fromUtf8(typed));
        verify->click();
        EXPECT_EQ(line->accessibleName(), verdict->text()) << "the verdict is announced";
        return verdict->text();
    };
    // 3,71 within 5 %: from 3,5245 to 3,8955.
    EXPECT_EQ(tryAnswer("3,8955"), QStringLiteral("Juste"));
    EXPECT_EQ(verdict->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(tryAnswer("3.5245"), QStringLiteral("Juste"));
    EXPECT_EQ(tryAnswer("3,8956"), QStringLiteral("À revoir : trop grand"));
    EXPECT_EQ(tryAnswer("trois"), QStringLiteral("Ce n'est pas un nombre"));
    EXPECT_EQ(tryAnswer("3,5244"), QStringLiteral("À revoir : trop petit"));
    EXPECT_EQ(tryAnswer("10"), QStringLiteral("À revoir : trop grand. La valeur attendue est "
                                              "3,71 m.s⁻²."));
    QTest::keyClick(answer, Qt::Key_Backspace);
    QTest::keyClick(answer, Qt::Key_Return);
    EXPECT_EQ(verdict->text(), QStringLiteral("À revoir : trop petit. La valeur attendue est "
                                              "3,71 m.s⁻²."))
        << "Enter checks too";

    // Without the reveal, the value is never given; closing the exercise closes its questions.
    rules.revealAfterTries = false;
    open(rules);
    ASSERT_NE(commands().questionsWindow(), window);
    QWidget *again = commands().questionsWindow();
    again->findChild<QLineEdit *>(QStringLiteral("answer1"))->setText(QStringLiteral("1"));
    for (int i = 0; i < 4; ++i)
        commands().questionsWindow()->check(0);
    EXPECT_EQ(again->findChild<QLabel *>(QStringLiteral("verdict1"))->text(),
              QStringLiteral("À revoir : trop petit"));
    commands().Closexo_Click();
    EXPECT_EQ(commands().questionsWindow(), nullptr);
}

} // namespace
