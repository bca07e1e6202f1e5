#include "app/hintline.h"
#include "appfixture.h"
#include "config/configformat.h"
#include "core/options.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <set>

using namespace orbane;
using ControlsTest = orbane::test::AppFixture;

namespace {
// Replaces a box's text by typing, then presses Enter (applies without leaving the box).
void typeAndEnter(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}
} // namespace

TEST_F(ControlsTest, TypedPointBecomesACommaAndLeavingRounds)
{
    auto *text3 = child<QLineEdit>("Text3");
    auto *text4 = child<QLineEdit>("Text4");
    text3->setFocus();
    text3->selectAll();
    QTest::keyClick(text3, Qt::Key_Backspace);
    QTest::keyClicks(text3, QStringLiteral("3.5"));
    EXPECT_EQ(text3->text(), QStringLiteral("3,5"));
    text4->setFocus(); // leaving the box applies it
    EXPECT_EQ(text3->text(), QStringLiteral("3,50"));
    EXPECT_NEAR(w->sim().s.vox, 3.5 * std::cos(77 * 3.1415927 / 180), 1e-5);
}

TEST_F(ControlsTest, MinusOnlyWhereNegativeValuesMakeSense)
{
    for (const char *name : {"Text1", "Text2", "Text3", "Text4"}) {
        auto *box = child<QLineEdit>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QStringLiteral("-2a"));
        const bool allowed = QByteArray(name) == "Text1" || QByteArray(name) == "Text4";
        EXPECT_EQ(box->text(), allowed ? QStringLiteral("-2") : QStringLiteral("2")) << name;
    }
}

TEST_F(ControlsTest, BoxesAreBroughtWithinTheirRanges)
{
    struct Case
    {
        const char *box, *typed, *shown;
    };
    const Case cases[] = {
        {"Text4", "3", "0,00"},    {"Text4", "-5", "-5,00"}, {"Text4", "200", "180,00"},
        {"Text3", "25", "20,00"},  {"Text1", "50", "10,03"}, {"Text1", "-3", "-0,39"},
        {"Text2", "15", "11,67"},  {"Text3", "", "0,00"},
    };
    for (const Case &c : cases) {
        auto *box = child<QLineEdit>(c.box);
        typeAndEnter(box, QString::fromLatin1(c.typed));
        EXPECT_EQ(box->text(), QString::fromLatin1(c.shown)) << c.box << " " << c.typed;
        EXPECT_TRUE(box->hasFocus()) << "Enter applies without leaving the box";
    }
}

TEST_F(ControlsTest, EmptiedPositionBoxKeepsThePosition)
{
    auto *text1 = child<QLineEdit>("Text1");
    typeAndEnter(text1, QStringLiteral("2,5"));
    EXPECT_EQ(text1->text(), QStringLiteral("2,50"));
    typeAndEnter(text1, QString());
    EXPECT_EQ(text1->text(), QStringLiteral("2,50"));
    EXPECT_DOUBLE_EQ(w->sim().d.projLeft, 14.0 + 90.0);
}

TEST_F(ControlsTest, GettingTheFocusShowsTheAxes)
{
    EXPECT_FALSE(w->sim().c.Check[1]);
    child<QLineEdit>("Text2")->setFocus();
    EXPECT_TRUE(child<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("Check3")->isEnabled());
}

TEST_F(ControlsTest, DraggingTheProjectileStopsAtTheTopAndOnTheGround)
{
    auto *projectile = child<QLabel>("projectile");
    QTest::mousePress(projectile, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent up(QEvent::MouseMove, QPointF(10, -600), projectile->mapToGlobal(QPointF(10, -600)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(projectile, &up);
    EXPECT_EQ(w->sim().d.projTop, 0.0);
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("11,67"));
    EXPECT_EQ(projectile->y(), 0);

    // The grabbed point stays under the pointer: 36 pixels right is one metre.
    QMouseEvent right(QEvent::MouseMove, QPointF(46, 10), projectile->mapToGlobal(QPointF(46, 10)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(projectile, &right);
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), QStringLiteral("1,00"));

    QMouseEvent down(QEvent::MouseMove, QPointF(10, 900), projectile->mapToGlobal(QPointF(10, 900)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(projectile, &down);
    EXPECT_EQ(w->sim().d.projTop, 420.0);
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("0,00"));
    EXPECT_TRUE(child<QLabel>("Label1")->text().startsWith(QStringLiteral("Coordonnées : x = 1,00 m")));
}

TEST_F(ControlsTest, AnimationButtonsFollowWhetherTheProjectileCanMove)
{
    typeAndEnter(child<QLineEdit>("Text4"), QStringLiteral("-30"));
    for (const char *name : {"command12", "command15", "command16", "command18"})
        EXPECT_FALSE(child<QToolButton>(name)->isEnabled()) << name;
    typeAndEnter(child<QLineEdit>("Text2"), QStringLiteral("4"));
    for (const char *name : {"command12", "command15", "command16", "command18"})
        EXPECT_TRUE(child<QToolButton>(name)->isEnabled()) << name;
}

TEST_F(ControlsTest, IntervalBoxLimits)
{
    auto *chrono = child<QLineEdit>("chrono");
    struct Case
    {
        const char *typed, *shown;
    };
    for (const Case &c : {Case{"5", "10"}, Case{"12000", "5000"}, Case{"", "10"}, Case{"250", "250"}}) {
        chrono->setFocus();
        chrono->selectAll();
        QTest::keyClick(chrono, Qt::Key_Backspace);
        QTest::keyClicks(chrono, QString::fromLatin1(c.typed) + QStringLiteral("x,"));
        QTest::keyClick(chrono, Qt::Key_Return);
        EXPECT_EQ(chrono->text(), QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST_F(ControlsTest, CameraCaptionStartsTheRecordingAndSwapsThePicture)
{
    auto *label5 = child<QLabel>("Label5");
    EXPECT_EQ(label5->text(), QStringLiteral("Activer la chronophotographie"));
    QTest::mouseClick(label5, Qt::LeftButton);
    EXPECT_TRUE(w->timer1().isActive());
    EXPECT_EQ(label5->text(), QStringLiteral("Arrêter la chronophotographie"));
    EXPECT_EQ(child<QToolButton>("command12")->toolTip(),
              QStringLiteral("Arrêter la chronophotographie"));
    QTest::mouseClick(child<QToolButton>("Image4"), Qt::LeftButton);
    EXPECT_FALSE(w->timer1().isActive());
    EXPECT_EQ(label5->text(), QStringLiteral("Activer la chronophotographie"));
}

namespace {
// The records in which two configuration images differ (a missing record counts as empty).
std::set<int> changedRecords(const QByteArray &a, const QByteArray &b)
{
    std::set<int> changed;
    const qsizetype n = std::max(a.size(), b.size()) / records::kRecordSize;
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype at = i * records::kRecordSize;
        if (a.mid(at, records::kRecordSize) != b.mid(at, records::kRecordSize))
            changed.insert(int(i) + 1);
    }
    return changed;
}
} // namespace

// Every option of the table is a box of its panel with its caption; a click changes the option
// (and a second one brings it back), and the option is saved in its own record alone.
TEST_F(ControlsTest, EveryOptionFollowsAClickAndIsSavedInItsRecord)
{
    child<QCheckBox>("Check1")->click(); // the grid needs the axes
    child<QCheckBox>("Check6")->click(); // the construction and m·Δv/Δt need it
    // A colour and the names of the vectors, past the other later options' records, keep them
    // all written, so that a click changes its own record alone.
    w->sim().Label4_Chosen(Controls::kSecondLawSwatch, rgb(1, 2, 3));
    w->sim().Label4_Chosen(Controls::kDragForceSwatch, rgb(4, 5, 6));
    child<QCheckBox>("vectorNames")->click();
    // So do the air with its ρ and the vacuum beside it (f needs the air too).
    child<QCheckBox>("drag")->click();
    w->sim().dragBox_Change(DragBox::Rho, QStringLiteral("1,2"));
    child<QCheckBox>("vacuumGhost")->click();
    for (const Option &o : options()) {
        auto *box = child<QCheckBox>(o.objectName);
        ASSERT_NE(box, nullptr) << o.objectName;
        EXPECT_EQ(box->text(), o.text()) << o.objectName;
        ASSERT_TRUE(box->isEnabled()) << o.objectName;
        for (int click = 0; click < 2; ++click) {
            const auto before = config::encode(w->sim().c);
            const bool was = box->isChecked();
            box->click();
            QApplication::processEvents();
            EXPECT_NE(box->isChecked(), was) << o.objectName;
            EXPECT_EQ(o.value(w->sim().c), box->isChecked()) << o.objectName;
            const auto after = config::encode(w->sim().c);
            ASSERT_TRUE(before && after);
            EXPECT_EQ(changedRecords(before->bytes(), after->bytes()), std::set<int>{o.record})
                << o.objectName;
        }
    }
}

// The hint line holds two lines: every hint of the option table fits in it uncut.
TEST_F(ControlsTest, EveryOptionHintFitsTheHintLine)
{
    auto *info = child<HintLine>("info");
    ASSERT_NE(info, nullptr);
    for (const Option &o : options()) {
        if (o.hintText().isEmpty())
            continue;
        info->showHint(o.hintText());
        EXPECT_LE(info->heightForWidth(info->width()), info->height()) << o.objectName;
    }
}
