#include "app/backdrop.h"
#include "app/hints.h"
#include "app/smallwidgets.h"
#include "app/tabstrip.h"
#include "app/welcome.h"
#include "appfixture.h"
#include "graphs/graphpanel.h"
#include "platform/frenchui.h"

#include <QAccessible>
#include <QPalette>
#include <QScreen>
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

using namespace orbane;
using FaceTest = orbane::test::AppFixture;

namespace {
void release(QWidget *w, int x, int y)
{
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(x, y));
    QApplication::processEvents();
    w->repaint();
}
} // namespace

TEST_F(FaceTest, TabStripHitTest)
{
    TabStrip *strip = w->onglets();
    strip->repaint();
    EXPECT_EQ(strip->onglet(), 1);
    const TabGeometry &g = strip->geometryOfTabs();
    release(strip, g.bords[2], 20); // below the captions: nothing
    EXPECT_EQ(strip->onglet(), 1);
    release(strip, g.bords[2], -1);
    EXPECT_EQ(strip->onglet(), 1);
    release(strip, g.bords[2], 8); // on a separator: the tab on its left
    EXPECT_EQ(strip->onglet(), 2);
    release(strip, g.bords[3] + 1, 15);
    EXPECT_EQ(strip->onglet(), 4);
    release(strip, strip->width() + 30, 5); // past the last separator: back to tab 1
    EXPECT_EQ(strip->onglet(), 1);
}

TEST_F(FaceTest, OnlyTheSelectedPanelIsShownAndItsCaptionIsBold)
{
    TabStrip *strip = w->onglets();
    for (int tab = 1; tab <= 5; ++tab) {
        strip->setOnglet(tab);
        strip->repaint();
        for (int other = 1; other <= 5; ++other)
            EXPECT_EQ(strip->panel(other)->isVisible(), other == tab) << tab << " " << other;
    }
    // Selecting a tab widens it by its bold caption; the gaps shrink to fill the strip.
    const QStringList captions = TabStrip::nomsonglets();
    const QFont font = strip->font();
    const TabGeometry plain = TabGeometry::compute(captions, 1, font, strip->width());
    const TabGeometry bold4 = TabGeometry::compute(captions, 4, font, strip->width());
    const int width4Plain = plain.bords[4] - plain.bords[3];
    const int width4Bold = bold4.bords[4] - bold4.bords[3];
    EXPECT_GT(width4Bold, width4Plain);
    EXPECT_EQ(bold4.bords[5], strip->width());
    EXPECT_EQ(bold4.bords[0], -1);
}

TEST_F(FaceTest, SwatchOpensTheColourDialogOnItsColour)
{
    Swatch *axes = element<Swatch>("Label4", 4);
    chooser.answers.push_back(std::nullopt); // Cancel
    QTest::mouseClick(axes, Qt::LeftButton);
    EXPECT_EQ(chooser.lastCurrent, rgb(255, 255, 255));
    EXPECT_EQ(w->sim().c.Label4[4], rgb(255, 255, 255));

    chooser.answers.push_back(rgb(10, 200, 30)); // OK, axes hidden: no axes drawn
    QTest::mouseClick(axes, Qt::LeftButton);
    EXPECT_EQ(w->sim().c.Label4[4], rgb(10, 200, 30));
    EXPECT_EQ(axes->palette().color(QPalette::Window), QColor(10, 200, 30));
    EXPECT_NE(w->renderer().canvas().composed().pixelColor(30, 200), QColor(10, 200, 30));

    child<QCheckBox>("Check1")->click();
    EXPECT_EQ(w->renderer().canvas().composed().pixelColor(30, 200), QColor(10, 200, 30));
}

// The tenth swatch, m·Δv/Δt's, goes through the same dialog to its own colour.
TEST_F(FaceTest, SecondLawSwatchChoosesItsOwnColour)
{
    Swatch *law = element<Swatch>("Label4", Controls::kSecondLawSwatch);
    ASSERT_NE(law, nullptr);
    EXPECT_EQ(law->accessibleName(), QStringLiteral("Couleur du vecteur m·Δv/Δt"));
    chooser.answers.push_back(rgb(10, 200, 30));
    QTest::mouseClick(law, Qt::LeftButton);
    EXPECT_EQ(chooser.lastCurrent, Controls::kSecondLawColour);
    EXPECT_EQ(w->sim().c.secondLawColour, rgb(10, 200, 30));
    EXPECT_EQ(w->sim().c.Label4, Controls::defaultColours());
    EXPECT_EQ(law->palette().color(QPalette::Window), QColor(10, 200, 30));
}

TEST_F(FaceTest, WelcomeTextIsTheSameEveryTimeWithTheCaretAtTheStart)
{
    QTextEdit *box = w->supertext();
    const QString first = box->toHtml();
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->textCursor().position(), 0);
    EXPECT_FALSE(box->textCursor().hasSelection());
    const QTextBlock title = box->document()->firstBlock();
    EXPECT_EQ(title.text(), QStringLiteral("Orbane 1S"));
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(title.begin().fragment().charFormat().font().pointSize(), 18);
    EXPECT_EQ(title.begin().fragment().charFormat().foreground().color(), QColor(0, 0, 200));
    EXPECT_TRUE(box->toPlainText().endsWith(QStringLiteral("dans le menu Exercices.")));
    bienvenue(box);
    EXPECT_EQ(box->toHtml(), first);
}

TEST_F(FaceTest, HintsFollowThePointer)
{
    struct Case
    {
        const char *control, *hint;
    };
    const Case cases[] = {
        {"Check4", "Si cette case est cochée, l'animation sera stoppée si le projectile sort de "
                   "l'écran."},
        {"chrono", "Vous pouvez régler l'intervalle de temps pour la chronophotographie."},
        {"command16", "Vous pouvez activer ou arrêter l'animation ou retrouver la position "
                      "initiale."},
        {"command12", "Appuyer sur la caméra pour commencer l'enregistrement."},
        {"Command8", "Machine à calculer"},
        {"Picture2", "Vous pouvez déplacer le projectile directement sur l'image pour modifier la "
                     "position initiale"},
    };
    for (const Case &c : cases) {
        QWidget *control = child<QWidget>(c.control);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(control, &enter);
        EXPECT_EQ(w->info()->text(), QString::fromUtf8(c.hint)) << c.control;
    }
}

TEST_F(FaceTest, SceneToolTipGivesTheCoordinatesUnderThePointer)
{
    QWidget *scene = child<QWidget>("Picture2");
    w->sim().TextN_Change(2, QStringLiteral("5")); // the projectile's picture off the origin
    w->sim().Text2_LostFocus();
    QTest::mouseMove(scene, QPoint(30, 436));
    EXPECT_EQ(scene->toolTip(), QStringLiteral("x = 0,00 m ; y = 0,00 m."));
    EXPECT_EQ(scene->cursor().shape(), Qt::CrossCursor);
    QTest::mouseMove(scene, QPoint(102, 364));
    EXPECT_EQ(scene->toolTip(), QStringLiteral("x = 2,00 m ; y = 2,00 m."));
    child<QToolButton>("command15")->click();
    QTest::mouseMove(scene, QPoint(50, 50));
    EXPECT_TRUE(scene->toolTip().isEmpty());
    EXPECT_EQ(scene->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FaceTest, BackgroundGradientRunsFromWhiteToSand)
{
    EXPECT_EQ(Backdrop::gradientAt(0), QColor(255, 255, 255));
    EXPECT_EQ(Backdrop::gradientAt(600), QColor(200, 200, 180));
    EXPECT_EQ(Backdrop::gradientAt(300), QColor(228, 228, 218));
    // Drawn: every row of the right-hand column, which nothing covers, has its colour.
    QWidget *backdrop = w->centralWidget();
    QImage drawn(backdrop->size(), QImage::Format_RGB32);
    backdrop->render(&drawn, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    for (int y = 0; y < drawn.height(); ++y)
        ASSERT_EQ(drawn.pixelColor(drawn.width() - 1, y), Backdrop::gradientAt(y)) << y;
}

TEST_F(FaceTest, ReadoutBandAndFileBandKeepTheirColours)
{
    for (const char *name : {"Label3", "Label1", "fich"}) {
        auto *band = child<QWidget>(name);
        const QImage drawn = band->grab().toImage();
        const QColor expected = QByteArray(name) == "fich" ? QColor(128, 0, 0) : QColor(0, 0, 128);
        EXPECT_EQ(drawn.pixelColor(drawn.width() - 2, drawn.height() / 2), expected) << name;
        EXPECT_EQ(band->palette().color(band->foregroundRole()), QColor(Qt::white)) << name;
    }
}

// The window built under a palette, grabbed, then the application's palette put back.
struct PaletteRun
{
    QImage window, lieu; // the whole window and the "Lieu :" caption
};
struct Built : test::AppFixture
{
    void TestBody() override {}
};
PaletteRun buildUnder(const QPalette &desktop, bool keepLight)
{
    const QPalette before = QApplication::palette();
    QApplication::setPalette(desktop);
    if (keepLight)
        keepLightPalette();
    PaletteRun run;
    {
        Built built;
        built.SetUp();
        run.window = built.w->grab().toImage();
        for (auto *label : built.w->findChildren<QLabel *>())
            if (label->text() == QStringLiteral("Lieu : "))
                run.lieu = run.window.copy(QRect(label->mapTo(built.w.get(), QPoint()),
                                                 label->size()));
    }
    QApplication::setPalette(before);
    return run;
}

int darkest(const QImage &picture)
{
    int found = 255;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            found = std::min(found, picture.pixelColor(x, y).lightness());
    return found;
}

TEST(PaletteTest, ADarkDesktopPaletteLeavesTheWindowAsDrawnAndTheNormalOneUnchanged)
{
    const PaletteRun today = buildUnder(QApplication::palette(), false);
    EXPECT_EQ(buildUnder(QApplication::palette(), true).window, today.window);

    const PaletteRun dark = buildUnder(QPalette(QColor(45, 45, 45)), true);
    ASSERT_FALSE(dark.lieu.isNull());
    EXPECT_LT(darkest(dark.lieu), 80);                      // dark text
    EXPECT_GT(dark.lieu.pixelColor(0, 0).lightness(), 200); // on a light background
    EXPECT_EQ(dark.window, today.window);
}

// The band paints its read-outs itself: on screen, at the start and after ticks that changed
// them, it shows what a band and two labels of the same texts showed.
TEST_F(FaceTest, ReadoutBandShowsWhatItsLabelsShowed)
{
    auto *band = child<QWidget>("bandeLectures");
    const QRect shown(band->pos(), QSize(band->width(), 16)); // the scene covers the row below
    const auto asLabels = [&] {
        QWidget old;
        old.resize(band->size());
        auto *back = new QLabel(&old);
        back->setGeometry(0, 0, band->width(), 17);
        paintIn(back, Qt::white, QColor(0, 0, 128));
        for (const char *name : {"Label3", "Label1"}) {
            auto *live = child<QLabel>(name);
            auto *l = new QLabel(live->text(), &old);
            l->setGeometry(live->geometry());
            paintIn(l, Qt::white, QColor(0, 0, 128));
            l->setFont(live->font());
        }
        return old.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(0, 0, shown.width(),
                                                                               shown.height());
    };
    const auto onScreen = [&] {
        QApplication::processEvents();
        return w->screen()->grabWindow(w->winId()).toImage().convertToFormat(QImage::Format_RGB32).copy(shown);
    };
    EXPECT_EQ(onScreen(), asLabels());
    const QString before = child<QLabel>("Label1")->text();
    child<QToolButton>("command15")->click();
    w->timer1().stop();
    for (int i = 0; i < 20; ++i) {
        w->tick();
        QApplication::processEvents();
    }
    EXPECT_NE(child<QLabel>("Label1")->text(), before);
    EXPECT_EQ(onScreen(), asLabels());
}

TEST_F(FaceTest, CalculatorOpensFromTheToolBar)
{
    QString seen;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal) {
            seen = modal->objectName();
            modal->close();
        }
    });
    child<QToolButton>("Command8")->click();
    EXPECT_EQ(seen, QStringLiteral("Machine"));
}

TEST_F(FaceTest, TabStripIsATabListForScreenReadersAndTheKeyboard)
{
    TabStrip *strip = w->onglets();
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(strip);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_EQ(list->childCount(), 6); // the five tabs, then the panel shown
    EXPECT_EQ(list->child(5)->object(), strip->panel(1));
    EXPECT_EQ(list->child(3)->text(QAccessible::Name), QStringLiteral("Chronophotographie"));
    EXPECT_EQ(list->child(3)->role(), QAccessible::PageTab);
    list->child(3)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(strip->onglet(), 4);
    EXPECT_TRUE(list->child(3)->state().selected);

    QTest::keyClick(w.get(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(strip->onglet(), 5);
    QTest::keyClick(w.get(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(strip->onglet(), 1);
    strip->setFocus();
    QTest::keyClick(strip, Qt::Key_Left);
    EXPECT_EQ(strip->onglet(), 5);
}

TEST_F(FaceTest, ScaleBarLengthensTheVelocityScaleSegment)
{
    w->onglets()->setOnglet(3);
    w->onglets()->repaint();
    QWidget *panel = child<QWidget>("Picture1");
    // Line1 starts at x = 160 on y = 127; its length is 50 - VScroll1 pixels.
    const auto segmentEnd = [&] {
        const QImage img = panel->grab().toImage();
        int end = 160;
        while (end + 1 < img.width() && img.pixelColor(end + 1, 127) == QColor(Qt::black))
            ++end;
        return end;
    };
    EXPECT_EQ(segmentEnd(), 160 + 20);
    auto *bar = child<QScrollBar>("VScroll1");
    for (int i = 0; i < 8; ++i)
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(w->sim().c.VScroll1, 22);
    EXPECT_EQ(segmentEnd(), 160 + 28);
}

namespace {
// Pixels of `shown` (the window as painted) that differ from `expected` within `area`,
// leaving out `skip` (a control lying over the area).
int differingPixels(const QImage &shown, const QImage &expected, QRect area, QRect skip = {})
{
    int n = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (!skip.contains(area.topLeft() + QPoint(x, y)) &&
                shown.pixel(area.x() + x, area.y() + y) != expected.pixel(x, y))
                ++n;
    return n;
}
} // namespace

// Each frame repaints only what changed; after a flight with everything on, the window still
// shows exactly the scene, all 409 columns of it beside its scroll bar, and the live graph.
TEST_F(FaceTest, LiveFramesLeaveTheWholeSceneAndTheGraphOnScreen)
{
    Simulation &sim = w->sim();
    for (int i : {1, 3, 5, 6, 7, 8, 9, 11, 12})
        sim.Check_Click(i, true);
    auto *graph = child<graphs::GraphPanel>("frame1");
    graph->Check13_Click(0, true);
    graph->Check13_Click(1, true);
    graph->Command6_Click();
    w->onglets()->setOnglet(5);
    sim.command12_Click();
    w->timer1().stop(); // the test runs the ticks
    for (int i = 0; i < 45; ++i) {
        w->tick();
        QApplication::processEvents();
    }
    const QImage shown =
        w->screen()->grabWindow(w->winId()).toImage().convertToFormat(QImage::Format_RGB32);

    QWidget *frame = child<QWidget>("Frame3");
    const QRect scene(frame->mapTo(w.get(), QPoint()), frame->size());
    EXPECT_EQ(scene.width(), 409);
    QWidget *shadow = child<QWidget>("ombre");
    const QRect shadowRect(shadow->mapTo(w.get(), QPoint()), shadow->size());
    const QImage canvas = w->renderer().canvas().composed().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(differingPixels(shown, canvas, scene, shadowRect), 0);
    const QRect bar = child<QScrollBar>("VScroll2")->geometry();
    EXPECT_FALSE(bar.intersects(scene));
    EXPECT_FALSE(bar.intersects(w->onglets()->geometry()));
    EXPECT_EQ(bar.left(), scene.right() + 2);

    const QImage curves = graph->image().convertToFormat(QImage::Format_RGB32);
    const QRect plot(graph->mapTo(w.get(), QPoint(graphs::GraphPanel::kBorder,
                                                  graphs::GraphPanel::kBorder)),
                     QSize(260, graph->height() - 2 * graphs::GraphPanel::kBorder));
    EXPECT_EQ(differingPixels(shown, curves, plot), 0);
}

// Back from a control onto the window's background, the pointer finds the window's hint.
TEST_F(FaceTest, TheWindowsHintShowsWhereverThePointerIsOverTheBackground)
{
    QWidget *background = w->centralWidget();
    auto *calculator = child<QWidget>("Command8");
    const QPoint spots[] = {{3, 300},   {100, 545}, {420, 580}, {796, 300},
                            {600, 276}, {500, 300}, {440, 560}};
    for (const QPoint spot : spots) {
        ASSERT_EQ(background->childAt(spot), nullptr) << spot.x() << "," << spot.y();
        QTest::mouseMove(calculator, calculator->rect().center());
        ASSERT_EQ(w->info()->text(), QStringLiteral("Machine à calculer"));
        QTest::mouseMove(background, spot);
        EXPECT_EQ(w->info()->text(), Hints::window()) << spot.x() << "," << spot.y();
    }
}
