// An exercise that hides g, the mass, v0 and α: no text the program shows or writes gives them.
#include "app/hintline.h"
#include "appfixture.h"
#include "config/configwriter.h"
#include "core/narration.h"
#include "exercises/exercisecommands.h"
#include "exercises/exercisefile.h"
#include "exercises/richtextfile.h"
#include "graphs/graphes.h"
#include "pointage/pointagewindow.h"
#include "print/caption.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QToolButton>

using namespace orbane;

namespace {

// Mars, the rocher, 7,35 m.s⁻¹ under 38,50°, as the program would write them; and the weight.
const QStringList kSecrets = {
    QStringLiteral("3,71"),  QStringLiteral("3.71"), QStringLiteral("7,35"),
    QStringLiteral("7.35"),  QStringLiteral("38,5"), QStringLiteral("38.5"),
    QStringLiteral("1 830"), QStringLiteral("1830"), QStringLiteral("6 789"),
    QStringLiteral("6789"),  QStringLiteral("Mars")};

void accessibleTexts(QAccessibleInterface *i, QStringList &out, int depth = 0)
{
    if (!i || depth > 12)
        return;
    for (QAccessible::Text t :
         {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
        out << i->text(t);
    for (int k = 0; k < i->childCount(); ++k)
        accessibleTexts(i->child(k), out, depth + 1);
}

void widgetTexts(QWidget *w, QStringList &out)
{
    out << w->toolTip() << w->statusTip() << w->whatsThis() << w->accessibleName()
        << w->accessibleDescription() << w->windowTitle();
    if (auto *l = qobject_cast<QLabel *>(w))
        out << l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        out << b->text();
    if (auto *e = qobject_cast<QLineEdit *>(w))
        out << e->text() << e->placeholderText();
    if (auto *c = qobject_cast<QComboBox *>(w))
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
    if (auto *t = qobject_cast<QTableWidget *>(w))
        for (int r = 0; r < t->rowCount(); ++r)
            for (int c = 0; c < t->columnCount(); ++c)
                if (t->item(r, c))
                    out << t->item(r, c)->text();
}

// Every text of a window: its widgets', their actions', and what its accessibility tree says.
QStringList windowTexts(QWidget *top)
{
    QStringList out;
    accessibleTexts(QAccessible::queryAccessibleInterface(top), out);
    widgetTexts(top, out);
    for (QWidget *w : top->findChildren<QWidget *>())
        widgetTexts(w, out);
    for (QAction *a : top->findChildren<QAction *>())
        out << a->text() << a->toolTip() << a->statusTip();
    return out;
}

QStringList revealing(const QStringList &texts)
{
    QStringList found;
    for (const QString &text : texts)
        for (const QString &secret : kSecrets)
            if (text.contains(secret))
                found << text;
    found.removeDuplicates();
    return found;
}

struct HiddenTest : test::AppFixture
{
    exercises::ExerciseCommands &commands()
    {
        return *w->findChild<exercises::ExerciseCommands *>();
    }
    Simulation &sim() { return w->sim(); }

    void openHidingAll()
    {
        Controls c;
        c.Combo1 = 2; // Mars
        c.Combo2 = 4; // rocher
        c.Text3 = QStringLiteral("7,35");
        c.Text4 = QStringLiteral("38,5");
        ASSERT_TRUE(config::writeConfig(dir.file(QStringLiteral("E.P08")), c).ok);
        QTextDocument statement;
        statement.setPlainText(QStringLiteral("Énoncé"));
        ASSERT_TRUE(rtf::saveFile(statement, dir.file(QStringLiteral("E.RTF"))));
        exercises::ExerciseFile e;
        e.statement = QStringLiteral("E.RTF");
        e.configuration = QStringLiteral("E.P08");
        e.rules.hidden = {true, true, true, true};
        ASSERT_TRUE(commands().openExercise(e, dir.file(QStringLiteral("E.E20"))));
        ASSERT_EQ(sim().c.Text3, QStringLiteral("7,35"));
        ASSERT_EQ(sim().c.Combo2, 4);
    }
    // The hint line's text over every control of the window.
    QStringList hints()
    {
        QStringList out;
        for (QWidget *control : w->findChildren<QWidget *>()) {
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(control, &enter);
            out << w->info()->text();
        }
        return out;
    }
    QStringList sayings()
    {
        return {narration::describeScene(sim(), std::nullopt),
                print::printCaption(sim(), QDateTime::currentDateTime()).join(QLatin1Char('\n')),
                QGuiApplication::clipboard()->text()};
    }
    // A paused chronophotographed flight, and the pointage window with six points.
    pointage::PointageWindow *pointageWindow()
    {
        child<QToolButton>("command12")->click();
        w->timer1().stop();
        for (int i = 0; i < 20; ++i)
            sim().Timer1_Timer();
        child<QToolButton>("command16")->click();
        child<QPushButton>("pointage")->click();
        auto *window = w->findChild<pointage::PointageWindow *>();
        for (int i = 0; window && i < 6; ++i)
            window->addPoint(QPointF(30 + 20 * i, 430 - 30 * i + 3 * i * i));
        return window;
    }
};

TEST_F(HiddenTest, NoTextGivesAHiddenValueAwayAndClosingShowsThemAgain)
{
    openHidingAll();
    pointage::PointageWindow *pointage = pointageWindow();
    ASSERT_NE(pointage, nullptr);
    graphs::GraphWindowActions actions;
    actions.dialogs = &dialogs;
    actions.say = [](const QString &) {};
    graphs::Graphes graph(sim(), actions, w.get());
    graph.show();
    QStringList texts = windowTexts(w.get()) + windowTexts(pointage) + hints() + sayings();
    for (int q = 1; q <= 8; ++q) {
        graph.Check1_Click(q, true);
        ASSERT_GT(graph.grid()->rowCount(), 0);
        graph.moveCursor(Qt::Key_Right);
        texts += windowTexts(&graph);
        graph.Check1_Click(q, false);
    }
    const QStringList found = revealing(texts);
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Planète inconnue")));
    EXPECT_EQ(child<QLineEdit>("Text3")->text(), QStringLiteral("???"));
    EXPECT_FALSE(child<QLineEdit>("Text3")->isEnabled()) << "a hidden value is fixed too";
    EXPECT_EQ(child<QComboBox>("Combo2")->currentText(), QStringLiteral("rocher"));
    EXPECT_TRUE(pointage->findChild<QLabel *>(QStringLiteral("deuxiemeLoi"))
                    ->text()
                    .contains(QStringLiteral("P = ??? N")));

    // Every export is refused with its reason, and nothing is written.
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    dialogs.shown.clear();
    graph.Image1_Click(5);
    graph.openRangeStudy();
    pointage->findChild<QPushButton *>(QStringLiteral("exporter"))->click();
    pointage->findChild<QPushButton *>(QStringLiteral("python"))->click();
    ASSERT_EQ(dialogs.shown.size(), 4u);
    for (const auto &shown : dialogs.shown)
        EXPECT_TRUE(
            shown.prompt.endsWith(QStringLiteral(" indisponible : l'exercice cache une valeur.")))
            << shown.prompt.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);

    graph.close();
    commands().Closexo_Click();
    EXPECT_EQ(child<QLineEdit>("Text3")->text(), QStringLiteral("7,35"));
    EXPECT_EQ(child<QLineEdit>("Text4")->text(), QStringLiteral("38,50"));
    EXPECT_EQ(child<QComboBox>("Combo1")->currentText(), QStringLiteral("Mars"));
    EXPECT_EQ(child<QComboBox>("Combo1")->accessibleDescription(), QStringLiteral("Mars"));
    const QString shown = sayings().join(QLatin1Char('\n'));
    for (const char *value : {"Mars", "rocher de 1 830 kg", "7,35", "38,50"})
        EXPECT_TRUE(shown.contains(QString::fromUtf8(value))) << value;
}

} // namespace
