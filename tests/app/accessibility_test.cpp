#include "app/hintline.h"
#include "app/scenewidget.h"
#include "app/smallwidgets.h"
#include "app/tabstrip.h"
#include "appfixture.h"
#include "calc/calculatormodel.h"
#include "calc/machine.h"
#include "config/configsession.h"
#include "config/enregistrer.h"
#include "config/ouvrir.h"
#include "core/numberformat.h"
#include "exchange/exportdialog.h"
#include "exchange/tables.h"
#include "exercises/questionswindow.h"
#include "graphs/graphes.h"
#include "graphs/graphesparts.h"
#include "platform/updown.h"
#include "print/confimp.h"
#include "print/printdoubles.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTableWidget>
#include <QToolButton>

using namespace orbane;
using AccessibilityTest = orbane::test::AppFixture;

namespace {

bool interactive(QAccessible::Role role)
{
    static const QSet<QAccessible::Role> roles = {
        QAccessible::CheckBox,   QAccessible::RadioButton, QAccessible::PushButton,
        QAccessible::Button,     QAccessible::ComboBox,    QAccessible::EditableText,
        QAccessible::SpinBox,    QAccessible::ScrollBar,   QAccessible::Slider,
        QAccessible::PageTab,    QAccessible::List,        QAccessible::Table,
        QAccessible::ButtonMenu, QAccessible::ButtonDropDown};
    return roles.contains(role);
}

struct Reached
{
    QSet<QObject *> objects;  // the widgets reached by walking the tree
    QStringList unnamed;      // interactive ones without a name
    int named = 0;
};

// What a screen reader finds walking the tree from a window, skipping what is not shown.
void walk(QAccessibleInterface *node, Reached &out, int depth = 0)
{
    if (!node || node->state().invisible || depth > 40)
        return;
    if (node->object())
        out.objects.insert(node->object());
    if (interactive(node->role())) {
        if (node->text(QAccessible::Name).trimmed().isEmpty())
            out.unnamed << (node->object() ? node->object()->objectName() : QStringLiteral("?")) +
                               QStringLiteral(" (role %1)").arg(int(node->role()));
        else
            ++out.named;
    }
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), out, depth + 1);
}

Reached walkFrom(QWidget *window)
{
    Reached r;
    walk(QAccessible::queryAccessibleInterface(window), r);
    return r;
}

void expectAllNamed(QWidget *window)
{
    window->show();
    QApplication::processEvents();
    const Reached r = walkFrom(window);
    EXPECT_GT(r.named, 3) << window->objectName().toStdString();
    EXPECT_TRUE(r.unnamed.isEmpty())
        << window->objectName().toStdString() << ": " << r.unnamed.join(u", ").toStdString();
}

QAccessibleInterface *of(QObject *o) { return QAccessible::queryAccessibleInterface(o); }

// Runs an action as an assistive tool would; a pressed button is released a moment later.
void act(QObject *o, const QString &action)
{
    QAccessibleInterface *i = of(o);
    ASSERT_TRUE(i && i->actionInterface()) << o->objectName().toStdString();
    ASSERT_TRUE(i->actionInterface()->actionNames().contains(action))
        << o->objectName().toStdString() << " " << action.toStdString();
    i->actionInterface()->doAction(action);
    if (auto *button = qobject_cast<QAbstractButton *>(o))
        for (int n = 0; n < 100 && button->isDown(); ++n)
            QTest::qWait(10);
}

} // namespace

TEST_F(AccessibilityTest, EveryWindowNamesEveryControlItShows)
{
    for (int tab = 1; tab <= TabGeometry::kTabs; ++tab) {
        w->onglets()->setOnglet(tab);
        expectAllNamed(w.get());
    }
    graphs::Graphes graph(w->sim(), {}, w.get());
    expectAllNamed(&graph);
    calc::Machine machine(w.get(), services);
    expectAllNamed(&machine);
    config::ConfigSession session;
    config::Ouvrir open(w->sim(), session, dialogs, w.get());
    expectAllNamed(&open);
    config::Enregistrer save(w->sim(), session, dialogs, w.get());
    expectAllNamed(&save);
    print::test::RecordingPrinter printer;
    print::Confimp printWindow(printer, {}, w.get());
    expectAllNamed(&printWindow);
    exchange::ExportDialog exporter(
        w.get(), QStringLiteral("Exporter les valeurs"),
        [this](int) { return exchange::flightTable(w->sim().flight(), 0.3); }, dialogs, 300);
    expectAllNamed(&exporter);
    exercises::ExerciseRules rules;
    rules.questions = {{QStringLiteral("Que vaut g ?"), 9.8, QStringLiteral("m.s⁻²"), 5.0},
                       {QStringLiteral("Que vaut la portée ?"), 12.0, QStringLiteral("m"), 5.0}};
    exercises::QuestionsWindow questions(rules, {}, w.get());
    expectAllNamed(&questions);
}

TEST_F(AccessibilityTest, EachPanelIsReachedOnlyWhileItsTabIsSelected)
{
    // A control of each panel, by tab.
    const char *const controls[] = {"Combo1", "Check10", "VScroll1", "chrono", "Command3"};
    for (int tab = 1; tab <= TabGeometry::kTabs; ++tab) {
        w->onglets()->setOnglet(tab);
        w->onglets()->repaint();
        const Reached r = walkFrom(w.get());
        for (int other = 1; other <= TabGeometry::kTabs; ++other) {
            QObject *control = w->findChild<QObject *>(QLatin1String(controls[other - 1]));
            EXPECT_EQ(r.objects.contains(control), other == tab) << tab << " " << other;
        }
    }
}

// Accessibility actions and values end where the mouse would: the option is on and its drawing
// made, the scale and the interval follow.
TEST_F(AccessibilityTest, ActionsDriveTheSimulationAsTheMouseDoes)
{
    w->onglets()->setOnglet(2);
    act(child<QCheckBox>("Check8"), QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(w->sim().c.Check[8]);
    act(child<QToolButton>("command15"), QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(w->sim().d.timer1);
    w->timer1().stop();
    for (int i = 0; i < 10; ++i)
        w->sim().Timer1_Timer();
    // The trajectory, in its colour, joins the launch point to the projectile.
    const QImage scene = w->renderer().canvas().composed();
    const QColor trajectory = QColor::fromRgb(w->sim().c.Label4[5]);
    int drawn = 0;
    for (int x = 30; x < 120; ++x)
        for (int y = 200; y < 437; ++y)
            drawn += scene.pixelColor(x, y) == trajectory;
    EXPECT_GT(drawn, 20);

    w->onglets()->setOnglet(3);
    of(child<QScrollBar>("VScroll1"))->valueInterface()->setCurrentValue(40);
    EXPECT_EQ(w->sim().c.VScroll1, 40);
    EXPECT_EQ(child<QScrollBar>("VScroll1")->accessibleName(),
              QStringLiteral("Échelle du vecteur vitesse : 1 m·s⁻¹ pour 10 pixels"));
    auto *interval = child<UpDown>("UpDown1");
    of(interval)->valueInterface()->setCurrentValue(9);
    EXPECT_EQ(w->sim().c.UpDown1, 9);
    EXPECT_EQ(of(interval)->text(QAccessible::Value), QStringLiteral("900 ms"));
    act(element<Swatch>("Label4", 0), QAccessibleActionInterface::pressAction());
    EXPECT_EQ(chooser.asked, 1);
}

TEST_F(AccessibilityTest, CalculatorAndGraphWindowFollowTheirOptionsHoweverChosen)
{
    calc::Machine machine(w.get(), services);
    machine.show();
    QApplication::processEvents();
    act(machine.findChild<QRadioButton *>(QStringLiteral("angle(1)")),
        QAccessibleActionInterface::toggleAction());
    for (const char *key : {"bsin", "B3", "B0", "EXE"})
        act(machine.findChild<QPushButton *>(QLatin1String(key)),
            QAccessibleActionInterface::pressAction());
    EXPECT_EQ(machine.findChild<QLineEdit *>(QStringLiteral("z1"))->text(),
              QStringLiteral("-.988031624092862"));

    // One group of curves at a time, whichever way the boxes are ticked.
    test::controlsOf(w->sim()).Check13 = {1, 0, 0, 0, 0, 0, 0, 0};
    graphs::Graphes graph(w->sim(), {}, w.get());
    act(graph.toolBar()->box(1), QAccessibleActionInterface::toggleAction());
    graph.toolBar()->box(4)->setChecked(true);
    EXPECT_EQ(graph.choice(), (graphs::Choice{0, 0, 0, 0, 1, 0, 0, 0}));
    for (int i = 0; i < kQuantities; ++i)
        EXPECT_EQ(graph.toolBar()->box(i)->isChecked(), graph.choice()[std::size_t(i)]) << i;
}

TEST_F(AccessibilityTest, HintLineSaysTheHintUnderThePointerAndReadoutsDoNotFlood)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(child<QWidget>("Check4"), &enter);
    EXPECT_EQ(of(w->info())->text(QAccessible::Name),
              QStringLiteral("Si cette case est cochée, l'animation sera stoppée si le "
                             "projectile sort de l'écran."));
    QApplication::sendEvent(w->centralWidget(), &enter);
    EXPECT_EQ(of(w->info())->text(QAccessible::Name),
              QStringLiteral("Vous pouvez modifier les paramètres, ouvrir une configuration ou "
                             "un exercice"));

    // Twenty ticks in well under a second: the read-out changes at every tick on screen, and
    // at most once for screen readers.
    QLabel *readout = child<QLabel>("Label1");
    child<QToolButton>("command15")->click();
    w->timer1().stop();
    QSet<QString> shown, said;
    for (int i = 0; i < 20; ++i) {
        w->sim().Timer1_Timer();
        shown << readout->text();
        said << of(readout)->text(QAccessible::Name);
    }
    EXPECT_GE(shown.size(), 15);
    EXPECT_LE(said.size(), 2);
    child<QToolButton>("Image4")->click(); // stopped: the read-out is said as it stands
    EXPECT_EQ(of(readout)->text(QAccessible::Name), w->sim().d.Label1.trimmed());
}

TEST_F(AccessibilityTest, KeyboardWalksTheTableAndEscapeClosesTheWindows)
{
    test::controlsOf(w->sim()).Check13 = {1, 1, 0, 0, 0, 0, 0, 0};
    graphs::Graphes graph(w->sim(), {}, w.get());
    graph.show();
    QApplication::processEvents();
    QTableWidget *grid = graph.grid();
    grid->setFocus();
    grid->setCurrentCell(0, 0);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_TRUE(grid->selectedItems().isEmpty());
    QAccessibleTableInterface *table = of(grid)->tableInterface();
    ASSERT_NE(table, nullptr);
    QAccessibleInterface *cell = table->cellAt(1, 1);
    ASSERT_NE(cell, nullptr);
    // The header cells are made for the caller, who owns them.
    const auto headers = cell->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers.first()->text(QAccessible::Name), QStringLiteral("x(m)"));
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(headers.first()));

    QTest::keyClick(&graph, Qt::Key_Escape);
    EXPECT_FALSE(graph.isVisible());
    calc::Machine machine(w.get(), services);
    machine.show();
    QTest::keyClick(&machine, Qt::Key_Escape);
    EXPECT_FALSE(machine.isVisible());
}

// An assistive tool replaces a box's text as AT-SPI does (no key pressed): the simulation hears
// it as typed, and Enter applies it instead of putting the old value back.
TEST_F(AccessibilityTest, TextSetByAnAssistiveToolIsAppliedByEnter)
{
    const auto setByTool = [](QLineEdit *box, const QString &text) {
        box->setFocus();
        QAccessibleInterface *i = of(box);
        ASSERT_TRUE(i->editableTextInterface() && i->textInterface());
        i->editableTextInterface()->replaceText(0, i->textInterface()->characterCount(), text);
        QTest::keyClick(box, Qt::Key_Return);
    };
    setByTool(child<QLineEdit>("Text3"), QStringLiteral("8"));
    EXPECT_EQ(w->sim().c.Text3, QStringLiteral("8,00"));
    EXPECT_EQ(child<QLineEdit>("Text3")->text(), QStringLiteral("8,00"));
    w->onglets()->setOnglet(4);
    setByTool(child<QLineEdit>("chrono"), QStringLiteral("250"));
    EXPECT_EQ(w->sim().c.chrono, QStringLiteral("250"));
    w->onglets()->setOnglet(2);
    child<QCheckBox>("drag")->click();
    setByTool(child<QLineEdit>("dragCx"), QStringLiteral("1"));
    EXPECT_EQ(w->sim().c.dragCx, QStringLiteral("1,00"));
}

// The arrow keys move the start as the drag does, within its limits and never in flight, and
// the scene says where the start is.
TEST_F(AccessibilityTest, ArrowKeysOnTheSceneMoveTheStartAndSayIt)
{
    auto *scene = child<SceneWidget>("Picture2");
    for (int n = 0; n < 80 && QApplication::focusWidget() != scene; ++n)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), scene) << "Tab reaches the scene";

    QTest::keyClick(scene, Qt::Key_Right);
    QTest::keyClick(scene, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(w->sim().c.Text1, QStringLiteral("0,10"));
    EXPECT_EQ(w->sim().c.Text2, QStringLiteral("1,00"));
    EXPECT_EQ(of(scene)->text(QAccessible::Description), QStringLiteral("x = 0,10 m ; y = 1,00 m"));

    struct Limit
    {
        Qt::Key key;
        QString Controls::*box;
        const char *shown;
    };
    for (const Limit &l : {Limit{Qt::Key_Up, &Controls::Text2, "11,67"},
                           Limit{Qt::Key_Down, &Controls::Text2, "0,00"},
                           Limit{Qt::Key_Left, &Controls::Text1, "-0,39"},
                           Limit{Qt::Key_Right, &Controls::Text1, "10,03"}}) {
        for (int n = 0; n < 15; ++n)
            QTest::keyClick(scene, l.key, Qt::ShiftModifier);
        EXPECT_EQ(w->sim().c.*l.box, QString::fromLatin1(l.shown)) << l.shown;
    }

    child<QToolButton>("command15")->click();
    w->timer1().stop();
    QTest::keyClick(scene, Qt::Key_Left);
    EXPECT_EQ(w->sim().c.Text1, QStringLiteral("10,03")) << "in flight";
}

// The scene's focus frame shows when the keyboard brought the focus, not the mouse.
TEST_F(AccessibilityTest, SceneFocusFrameOnlyFromTheKeyboard)
{
    auto *scene = child<SceneWidget>("Picture2");
    const QImage plain = scene->grab().toImage();
    scene->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(scene->grab().toImage(), plain);
    scene->clearFocus();
    scene->setFocus(Qt::TabFocusReason);
    const QImage framed = scene->grab().toImage();
    EXPECT_NE(framed, plain);
    // The window loses and gets back the activation: the frame stays.
    for (QEvent::Type type : {QEvent::FocusOut, QEvent::FocusIn}) {
        QFocusEvent e(type, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(scene, &e);
    }
    EXPECT_EQ(scene->grab().toImage(), framed);
    scene->clearFocus();
    EXPECT_EQ(scene->grab().toImage(), plain);
}

// What a screen reader reads of the chosen place, of the open tab, and of what Pause did.
TEST_F(AccessibilityTest, ChoicesTabsAndPauseAreSaid)
{
    // On Linux a list's name is its current item; its label is a relation.
    for (const char *name : {"Combo1", "Combo2"}) {
        auto *list = child<QComboBox>(name);
        const int before = name[5] == '1' ? w->sim().c.Combo1 : w->sim().c.Combo2;
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        const QString chosen = list->itemText(before + 1);
        EXPECT_EQ(of(list)->text(QAccessible::Name), chosen) << name;
        EXPECT_EQ(of(list)->text(QAccessible::Value), chosen) << name;
    }

    TabStrip *strip = w->onglets();
    strip->setFocus();
    QTest::keyClick(strip, Qt::Key_Right);
    QAccessibleInterface *tab = of(strip)->focusChild();
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->text(QAccessible::Name), QStringLiteral("Affichage"));
    EXPECT_TRUE(tab->state().selected && tab->state().focused);

    auto *pause = child<QToolButton>("command16");
    child<QToolButton>("command15")->click();
    w->timer1().stop();
    for (int i = 0; i < 10; ++i)
        w->sim().Timer1_Timer();
    const auto said = [&] { return of(pause)->text(QAccessible::Description); };
    pause->click();
    EXPECT_EQ(said(), QStringLiteral("Pause : t = %1 s").arg(numfmt::fixed(w->sim().s.temps)));
    pause->click();
    EXPECT_EQ(said(),
              QStringLiteral("Pas suivant : t = %1 s").arg(numfmt::fixed(w->sim().s.temps)));
    child<QToolButton>("command15")->click();
    EXPECT_EQ(said(), QStringLiteral("Reprendre"));
    w->timer1().stop();
    child<QToolButton>("command18")->click();
    EXPECT_EQ(said(), QStringLiteral("Pause (F6)")); // back at the start: the tool tip again
}
