#include "app/smallwidgets.h"
#include "appfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QToolButton>

using namespace orbane;
using UndoTest = orbane::test::AppFixture;

namespace {
QAction *action(QWidget *window, const QString &startsWith)
{
    for (QAction *a : window->findChildren<QAction *>())
        if (a->text().startsWith(startsWith))
            return a;
    return nullptr;
}
// Types `text` over a box's contents and applies it with Enter, as a user does.
void typeAndEnter(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
    QApplication::processEvents();
}
} // namespace

// Ctrl+Z and Ctrl+Maj+Z walk back and forth over a parameter, an option and a colour, each
// named in the menu's texts, however it was changed.
TEST_F(UndoTest, ParametersOptionsAndColoursAreUndoneAndRedone)
{
    auto *text3 = child<QLineEdit>("Text3");
    typeAndEnter(text3, QStringLiteral("12"));
    child<QCheckBox>("Check5")->click();
    QApplication::processEvents();
    chooser.answers.push_back(rgb(0, 128, 0));
    element<Swatch>("Label4", 0)->activate();
    QApplication::processEvents();
    ASSERT_EQ(w->sim().c.Label4[0], rgb(0, 128, 0));

    QAction *undo = action(w.get(), QStringLiteral("Annuler"));
    QAction *redo = action(w.get(), QStringLiteral("Rétablir"));
    ASSERT_TRUE(undo && redo);
    EXPECT_EQ(undo->text(), QStringLiteral("Annuler le changement de couleur"));
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->sim().c.Label4[0], Controls::defaultColours()[0]);
    EXPECT_EQ(undo->text(), QStringLiteral("Annuler « Afficher le vecteur vitesse »"));
    undo->trigger();
    EXPECT_FALSE(w->sim().c.Check[5]);
    EXPECT_FALSE(child<QCheckBox>("Check5")->isChecked());
    undo->trigger();
    EXPECT_EQ(text3->text(), QStringLiteral("15,00"));
    EXPECT_NEAR(w->sim().s.vox, 15.0 * std::cos(77 * 3.1415927 / 180), 1e-4);
    EXPECT_FALSE(w->sim().c.Check[1]); // entering the box had shown the axes
    EXPECT_FALSE(undo->isEnabled());

    EXPECT_EQ(redo->text(), QStringLiteral("Rétablir la modification de v₀"));
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text3->text(), QStringLiteral("12,00"));
    redo->trigger();
    EXPECT_TRUE(w->sim().c.Check[5]);
}

// The air's law comes back as it was, its box last: the place emptied ρ before.
TEST_F(UndoTest, TheAirLawIsUndone)
{
    child<QCheckBox>("drag")->click();
    auto *cx = child<QLineEdit>("dragCx");
    typeAndEnter(cx, QStringLiteral("9"));
    EXPECT_EQ(cx->text(), QStringLiteral("2,00")); // brought to its limit
    QAction *undo = action(w.get(), QStringLiteral("Annuler"));
    EXPECT_EQ(undo->text(), QStringLiteral("Annuler la modification de Cx"));
    undo->trigger();
    EXPECT_EQ(cx->text(), QStringLiteral("0,25")); // the ballon's
    undo->trigger();
    EXPECT_FALSE(w->sim().c.drag);
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(w->sim().c.drag);
    EXPECT_EQ(w->sim().c.dragCx, QStringLiteral("2,00"));
}

// "Effacer" forgets the chronophotographs; undoing it brings them back, on the scene too.
TEST_F(UndoTest, EffacerIsUndoneWithItsPhotographs)
{
    child<QToolButton>("command12")->click(); // records and launches
    for (int i = 0; i < 400 && w->sim().d.timer1; ++i)
        w->tick();
    const auto photographs = w->sim().photoPositions;
    ASSERT_GE(photographs.size(), 3u);
    const QImage before = w->renderer().canvas().persistent();

    child<QToolButton>("Command13")->click();
    EXPECT_TRUE(w->sim().photoPositions.empty());
    EXPECT_NE(w->renderer().canvas().persistent(), before);
    QAction *undo = action(w.get(), QStringLiteral("Annuler"));
    EXPECT_EQ(undo->text(), QStringLiteral("Annuler « Effacer »"));
    undo->trigger();
    EXPECT_EQ(w->sim().photoPositions.size(), photographs.size());
    EXPECT_EQ(w->renderer().canvas().persistent(), before);
    action(w.get(), QStringLiteral("Rétablir"))->trigger();
    EXPECT_TRUE(w->sim().photoPositions.empty());
}

// Space starts the animation and pauses it, but types a space in a text box.
TEST_F(UndoTest, SpaceStartsAndPausesTheAnimationOutsideTextBoxes)
{
    child<QCheckBox>("Check5")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(w->sim().d.timer1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(w->sim().d.timer1);
    auto *text3 = child<QLineEdit>("Text3");
    text3->setFocus();
    QTest::keyClick(text3, Qt::Key_Space);
    EXPECT_FALSE(w->sim().d.timer1);
}
