#include "graphs/graphes.h"
#include "graphs/graphesparts.h"
#include "graphtesting.h"

#include "core/simulation.h"
#include "platform/announceline.h"
#include "support/doubles.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::graphs;
namespace gt = orbane::graphs::test;

namespace {

struct GraphesTest : ::testing::Test
{
    Simulation sim{QString()};
    QWidget main;
    GraphWindowActions actions;
    QList<QImage> printed, copied;
    std::function<void(QPainter &)> printPaint;
    int calculators = 0;

    void SetUp() override
    {
        // A 3,7 s flight from the origin.
        sim.TextN_Change(1, QStringLiteral("0"));
        sim.TextN_Change(2, QStringLiteral("0"));
        orbane::test::stateOf(sim).vox = 2.0f;
        orbane::test::stateOf(sim).voy = 18.5f;
        orbane::test::stateOf(sim).gpes = 10.0f;
        main.setWindowTitle(QStringLiteral("Orbane 1S"));
        main.setGeometry(40, 30, 800, 600);
        actions.print = [this](const QImage &i, const std::function<void(QPainter &)> &paint) {
            printed << i;
            printPaint = paint;
        };
        actions.copy = [this](const QImage &i) { copied << i; };
        actions.calculator = [this] { ++calculators; };
    }
    std::unique_ptr<Graphes> open(Choice choice)
    {
        orbane::test::controlsOf(sim).Check13 = choice;
        return std::make_unique<Graphes>(sim, actions, &main);
    }
    static QColor background(Graphes &w, int row, int column)
    {
        return w.grid()->item(row, column)->background().color();
    }
    static QToolButton *image(Graphes &w, int index) { return w.toolBar()->image(index); }
};

const QColor kYellow(255, 255, 200);

// Records the sources it is handed; plays nothing.
class RecordingAudio final : public AudioOut
{
public:
    QList<PcmSource *> started, stopped;
    void start(PcmSource *source) override { started << source; }
    void stop(PcmSource *source) override { stopped << source; }
};

// The rest of a source's sound, both channels added.
std::vector<float> drain(PcmSource &source)
{
    std::vector<float> mono;
    std::vector<float> chunk(2 * 4096);
    for (int n = 4096; n == 4096;) {
        n = source.render(chunk.data(), 4096);
        for (int i = 0; i < n; ++i)
            mono.push_back(chunk[std::size_t(2 * i)] + chunk[std::size_t(2 * i + 1)]);
    }
    return mono;
}

// Sign changes in 0,3 s from `seconds`: twice the pitch, near enough.
int crossings(const std::vector<float> &mono, double seconds)
{
    const auto from = std::size_t(seconds * PcmSource::kRate);
    const auto to = std::min(mono.size(), from + std::size_t(0.3 * PcmSource::kRate));
    int n = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        n += (mono[i - 1] < 0.0f) != (mono[i] < 0.0f);
    return n;
}

} // namespace

TEST_F(GraphesTest, OpensOverTheMainWindowWithItsChoiceDrawn)
{
    auto w = open({1, 1, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(w->isModal());
    EXPECT_EQ(w->geometry(), main.geometry());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Orbane 1S"));
    EXPECT_TRUE(w->toolBar()->box(0)->isChecked());
    EXPECT_TRUE(w->toolBar()->box(1)->isChecked());
    EXPECT_EQ(w->choice(), (Choice{1, 1, 0, 0, 0, 0, 0, 0}));
    QTableWidget *grid = w->grid();
    ASSERT_EQ(grid->rowCount(), 19);
    ASSERT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("0,00  "));
    EXPECT_EQ(grid->item(18, 0)->text(), QStringLiteral("3,60  "));
    EXPECT_EQ(grid->item(18, 2)->text(), QStringLiteral("1,80  "));
    // The grid is centred left of the graph; the header bar has its left and width.
    EXPECT_EQ(grid->width(), 3 * 65 + 2);
    EXPECT_EQ(grid->x(), (280 - grid->width()) / 2);
    EXPECT_EQ(w->header()->geometry().left(), grid->x());
    EXPECT_EQ(w->header()->width(), grid->width());
    EXPECT_EQ(grid->height(), 19 * 17 + 2);
    // The tool bar's image buttons sit at its right end, "Fermer" rightmost.
    EXPECT_EQ(image(*w, 1)->x(), 800 - 50);
    EXPECT_EQ(image(*w, 3)->x(), 800 - 130);
    // The export of the values stands beside "Copier", the calculator after it.
    EXPECT_EQ(image(*w, 5)->x(), 800 - 170);
    EXPECT_EQ(image(*w, 5)->toolTip(), QStringLiteral("Exporter les valeurs (Ctrl+S)"));
    EXPECT_EQ(image(*w, 4)->x(), 800 - 210);
    EXPECT_EQ(image(*w, 2)->toolTip(), QStringLiteral("Imprimer (Ctrl+P)"));
}

// In the air W(f) joins the energies: its box shows, and five columns still fit left of the graph.
TEST_F(GraphesTest, InTheAirTheEnergiesAndWfFitLeftOfTheGraph)
{
    orbane::test::controlsOf(sim).drag = true;
    auto w = open({0, 0, 0, 0, 0, 1, 1, 1, 1});
    EXPECT_FALSE(w->toolBar()->box(orbane::kDragWork)->isHidden());
    QTableWidget *grid = w->grid();
    ASSERT_EQ(grid->columnCount(), 5);
    EXPECT_GE(grid->x(), 0);
    EXPECT_LE(grid->geometry().right(), 280);
    EXPECT_EQ(w->header()->width(), grid->width());
    EXPECT_TRUE(grid->item(1, 4)->text().startsWith(QLatin1Char('-'))); // W(f) < 0
}

TEST_F(GraphesTest, NoChoiceOpensEmpty)
{
    auto w = open({});
    EXPECT_TRUE(gt::allWhite(w->graph().image()));
    EXPECT_EQ(w->grid()->rowCount(), 0);
    for (int i = 0; i < kQuantities; ++i)
        EXPECT_FALSE(w->toolBar()->box(i)->isChecked());
}

TEST_F(GraphesTest, OneGroupAtATimeAndNeverNone)
{
    auto w = open({1, 1, 0, 0, 0, 0, 0, 0});
    w->toolBar()->box(4)->click();
    EXPECT_EQ(w->choice(), (Choice{0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_FALSE(w->toolBar()->box(0)->isChecked());
    EXPECT_EQ(w->grid()->columnCount(), 2);
    // Clicking the only checked box leaves it checked and redraws the same graph.
    const QImage before = w->graph().image().copy();
    w->toolBar()->box(4)->click();
    EXPECT_TRUE(w->toolBar()->box(4)->isChecked());
    EXPECT_EQ(w->choice(), (Choice{0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(w->graph().image(), before);
    w->toolBar()->box(2)->click();
    w->toolBar()->box(3)->click();
    EXPECT_EQ(w->grid()->columnCount(), 4);
    // The main window's choice is never changed.
    EXPECT_EQ(sim.c.Check13, (Choice{1, 1, 0, 0, 0, 0, 0, 0}));
}

TEST_F(GraphesTest, HighlightAndReadOutUnderThePointer)
{
    auto w = open({1, 1, 0, 0, 0, 0, 0, 0});
    const PointsTab &p = w->graph().pointstab();
    const int x = p[0][5], y = p[2][5]; // y(t) at row 5
    w->Picture1_MouseMove(0, 0, x + 2, y - 2);
    EXPECT_EQ(w->lignesel(), 5);
    EXPECT_EQ(background(*w, 5, 2), kYellow);
    EXPECT_EQ(background(*w, 5, 0), kYellow);
    EXPECT_EQ(background(*w, 5, 1), Qt::white);
    QLabel *l1 = w->view()->label1();
    QLabel *l2 = w->view()->label2();
    EXPECT_TRUE(l1->isVisibleTo(w->view()));
    EXPECT_EQ(w->graph().pointstab()[0][5], 110);
    EXPECT_EQ(l1->text(), QStringLiteral("1,02")); // (112 - 20)·4/360
    // The time label is centred on x under the axis; the value label ends at x = 16.
    EXPECT_NEAR(l1->x() + l1->width() / 2.0, GraphView::toWidget(QPointF(x + 2, 0)).x(), 1.0);
    EXPECT_EQ(l1->y(), GraphView::toWidget(QPointF(0, 384)).y());
    EXPECT_EQ(l2->geometry().right() + 1, GraphView::toWidget(QPointF(16, 0)).x());
    // Three units away is too far: the whole row turns white again.
    w->Picture1_MouseMove(0, 0, x + 3, y);
    EXPECT_EQ(w->lignesel(), -1);
    EXPECT_EQ(background(*w, 5, 2), Qt::white);
    EXPECT_EQ(background(*w, 5, 0), Qt::white);
}

TEST_F(GraphesTest, ReadOutOnlyInsideThePlottingSquare)
{
    auto w = open({1, 0, 0, 0, 0, 0, 0, 0});
    QLabel *l1 = w->view()->label1();
    const struct
    {
        double x, y;
        bool shown;
        Qt::CursorShape cursor;
    } cases[] = {{20, 200, true, Qt::CrossCursor},  {380, 200, true, Qt::CrossCursor},
                 {19, 200, false, Qt::ArrowCursor}, {381, 200, false, Qt::ArrowCursor},
                 {200, 19, false, Qt::ArrowCursor}, {200, 381, false, Qt::ArrowCursor},
                 {200, 20, true, Qt::CrossCursor}};
    for (const auto &c : cases) {
        w->Picture1_MouseMove(0, 0, c.x, c.y);
        EXPECT_EQ(l1->isVisibleTo(w->view()), c.shown) << c.x << "," << c.y;
        EXPECT_EQ(w->view()->label2()->isVisibleTo(w->view()), c.shown) << c.x << "," << c.y;
        EXPECT_EQ(w->view()->cursor().shape(), c.cursor) << c.x << "," << c.y;
    }
    // The window's own mouse move hides the read-out.
    w->Picture1_MouseMove(0, 0, 200, 200);
    w->show();
    QTest::mouseMove(w.get(), QPoint(700, 560));
    EXPECT_FALSE(l1->isVisibleTo(w->view()));
    // Another quantity: the figures read for the previous one go.
    w->Picture1_MouseMove(0, 0, 200, 200);
    w->Check1_Click(3, true);
    EXPECT_FALSE(l1->isVisibleTo(w->view()));
}

TEST_F(GraphesTest, PointerEventsReachTheReadOut)
{
    auto w = open({1, 0, 0, 0, 0, 0, 0, 0});
    w->show();
    QTest::mouseMove(w->view(), GraphView::toWidget(QPointF(200, 200)));
    EXPECT_TRUE(w->view()->label1()->isVisibleTo(w->view()));
    EXPECT_EQ(w->view()->label1()->text(), QStringLiteral("2,00"));
}

TEST_F(GraphesTest, ACellClickLeavesNothingSelected)
{
    auto w = open({1, 1, 0, 0, 0, 0, 0, 0});
    w->show();
    QTableWidget *grid = w->grid();
    const QRect cell = grid->visualItemRect(grid->item(4, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(grid->selectedItems().isEmpty());
    EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_EQ(grid->currentColumn(), 0);
}

TEST_F(GraphesTest, ImageButtons)
{
    auto w = open({0, 0, 0, 0, 0, 1, 1, 1});
    image(*w, 2)->click();
    image(*w, 3)->click();
    image(*w, 4)->click();
    ASSERT_EQ(printed.size(), 1);
    ASSERT_EQ(copied.size(), 1);
    EXPECT_EQ(printed[0], w->graph().image());
    EXPECT_EQ(copied[0], w->graph().image());
    EXPECT_EQ(calculators, 1);
    w->show();
    image(*w, 1)->click();
    EXPECT_FALSE(w->isVisible());
}

// The print draws the graph again as lines and texts on the printer's painter: at three times
// the scale, on a device of three times the resolution, the time axis lands at three times its
// pixel and every drawing, texts too, takes nine times the ink.
TEST_F(GraphesTest, ThePrintDrawsTheGraphAgainAtTheDevicesScale)
{
    auto w = open({0, 0, 0, 0, 0, 1, 1, 1});
    image(*w, 2)->click();
    ASSERT_TRUE(printPaint);
    const QImage screen = w->graph().image();
    QImage print(screen.size() * 3, QImage::Format_RGB32);
    print.setDotsPerMeterX(screen.dotsPerMeterX() * 3);
    print.setDotsPerMeterY(screen.dotsPerMeterY() * 3);
    {
        QPainter p(&print);
        p.scale(3, 3);
        printPaint(p);
    }
    const int axis = 20 - WindowGraph::kOrigin.x(); // the value axis, x = 20
    EXPECT_EQ(screen.pixelColor(axis, 100), QColor(Qt::black));
    EXPECT_EQ(print.pixelColor(3 * axis, 300), QColor(Qt::black));
    EXPECT_EQ(print.pixelColor(3 * axis + 2, 300), QColor(Qt::black));
    EXPECT_NE(print.pixelColor(3 * axis + 3, 300), QColor(Qt::black));
    const auto inked = [](const QImage &img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += img.pixelColor(x, y).lightness() < 200;
        return n;
    };
    const double ratio = double(inked(print)) / inked(screen);
    EXPECT_GT(ratio, 6.0);
    EXPECT_LT(ratio, 12.0);
}

TEST_F(GraphesTest, ShowGraphesIsModalUntilFermer)
{
    orbane::test::controlsOf(sim).Check13 = {1, 0, 0, 0, 0, 0, 0, 0};
    QString seen;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        seen = modal->objectName();
        for (auto *b : modal->findChildren<QToolButton *>(QStringLiteral("Image1")))
            if (b->property("index").toInt() == 1)
                b->click();
    });
    QTimer::singleShot(5000, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close(); // never hang
    });
    showGraphes(sim, actions, &main);
    EXPECT_EQ(seen, QStringLiteral("graphes"));
}

// What the cursor says is what the table shows, and the table's current cell goes with it.
TEST_F(GraphesTest, TheCursorSaysTheTablesCellsInStepWithTheTable)
{
    orbane::test::controlsOf(sim).drag = true;
    const struct
    {
        Choice choice;
        const char *first, *second, *unit;
    } cases[] = {{{1, 1, 0, 0, 0, 0, 0, 0, 0}, "x", "y", "m"},
                 {{0, 0, 1, 0, 1, 0, 0, 0, 0}, "vx", "v", "m.s⁻¹"},
                 {{0, 0, 0, 0, 0, 0, 0, 1, 1}, "Em", "W(f)", "J"}};
    for (const auto &c : cases) {
        auto w = open(c.choice);
        w->show();
        auto *line = w->findChild<AnnounceLine *>();
        ASSERT_TRUE(line);
        QTableWidget *grid = w->grid();
        GraphView *view = w->view();
        EXPECT_EQ(view->accessibleName(), QStringLiteral("Graphe"));
        view->setFocus(Qt::TabFocusReason);
        const int last = grid->rowCount() - 1;
        const struct
        {
            Qt::Key key;
            int row, column;
        } steps[] = {{Qt::Key_Right, 1, 1}, {Qt::Key_End, last, 1}, {Qt::Key_Right, last, 1},
                     {Qt::Key_Down, last, 2}, {Qt::Key_Down, last, 2}, {Qt::Key_Home, 0, 2},
                     {Qt::Key_Left, 0, 2},    {Qt::Key_Up, 0, 1}};
        for (const auto &step : steps) {
            QTest::keyClick(view, step.key);
            const QString said = QStringLiteral("t = ") + grid->item(step.row, 0)->text().trimmed() +
                                 QStringLiteral(" s ; ") +
                                 QString::fromUtf8(step.column == 1 ? c.first : c.second) +
                                 QStringLiteral(" = ") +
                                 grid->item(step.row, step.column)->text().trimmed() +
                                 QLatin1Char(' ') + QString::fromUtf8(c.unit);
            EXPECT_EQ(line->accessibleName(), said);
            EXPECT_EQ(view->accessibleDescription(), said);
            EXPECT_EQ(grid->currentRow(), step.row) << said.toStdString();
            EXPECT_EQ(grid->currentColumn(), step.column) << said.toStdString();
            const PointsTab &p = w->graph().pointstab();
            EXPECT_EQ(view->mark(), QPointF(p[0][step.row], p[step.column][step.row]));
        }
    }
}

TEST_F(GraphesTest, TheCursorFollowsTheTableAndShowsOnTheScreenOnly)
{
    auto w = open({1, 1, 0, 0, 0, 0, 0, 0});
    w->show();
    QTableWidget *grid = w->grid();
    GraphView *view = w->view();
    EXPECT_FALSE(view->mark()); // nothing is drawn before the keyboard comes
    grid->setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right})
        QTest::keyClick(grid, key);
    const PointsTab &p = w->graph().pointstab();
    EXPECT_EQ(w->cursorCurve(), 1);
    EXPECT_EQ(view->mark(), QPointF(p[0][2], p[2][2]));
    // The time column keeps the curve; the view's arrows go on from the table's row.
    QTest::keyClick(grid, Qt::Key_Home);
    EXPECT_EQ(w->cursorCurve(), 1);
    view->setFocus(Qt::TabFocusReason);
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(grid->currentRow(), 3);
    EXPECT_EQ(grid->currentColumn(), 2);
    // A ring in y's red around the point on the screen; the picture printed and copied has none.
    const QImage screen = view->grab().toImage();
    const QImage picture = w->graph().image();
    const QPoint at = GraphView::toWidget(QPointF(p[0][3], p[2][3]));
    int ring = 0;
    for (int y = at.y() - 6; y <= at.y() + 6; ++y)
        for (int x = at.x() - 6; x <= at.x() + 6; ++x)
            ring += screen.pixelColor(x, y) == gt::kRed && picture.pixelColor(x, y) != gt::kRed;
    EXPECT_GE(ring, 30);
    // Another quantity: the cursor starts again on the first curve, hidden.
    w->Check1_Click(4, true);
    EXPECT_FALSE(view->mark());
    EXPECT_EQ(w->cursorCurve(), 0);
}

// "Écouter la courbe" plays the cursor's curve for three seconds, low to high as it rises,
// again from the start at each press, until the window closes.
TEST_F(GraphesTest, EcouterLaCourbePlaysTheCursorsCurveUntilTheWindowCloses)
{
    RecordingAudio audio;
    actions.audio = &audio;
    auto w = open({1, 1, 0, 0, 0, 0, 0, 0});
    w->show();
    auto *listen = w->findChild<QPushButton *>(QStringLiteral("ecouterCourbe"));
    ASSERT_TRUE(listen);
    EXPECT_EQ(listen->accessibleName(), QStringLiteral("Écouter la courbe"));
    EXPECT_EQ(listen->toolTip(), QStringLiteral("Écouter la courbe (Ctrl+E)"));
    listen->click();
    ASSERT_EQ(audio.started.size(), 1);
    PcmSource *source = audio.started[0];
    // x rises all along the flight.
    std::vector<float> heard = drain(*source);
    EXPECT_NEAR(double(heard.size()) / PcmSource::kRate, 3.0, 0.05);
    EXPECT_GT(*std::max_element(heard.begin(), heard.end()), 0.2f);
    EXPECT_LT(crossings(heard, 0.05), crossings(heard, 1.35));
    EXPECT_LT(crossings(heard, 1.35), crossings(heard, 2.65));
    // y rises and falls: its sound is highest in the middle. Pressed again, it starts over.
    w->view()->setFocus();
    QTest::keyClick(w->view(), Qt::Key_Down);
    listen->click();
    std::vector<float> second(2 * PcmSource::kRate);
    source->render(second.data(), PcmSource::kRate);
    listen->click();
    ASSERT_EQ(audio.started.size(), 3);
    EXPECT_EQ(audio.started[2], source);
    heard = drain(*source);
    EXPECT_NEAR(double(heard.size()) / PcmSource::kRate, 3.0, 0.05);
    EXPECT_GT(crossings(heard, 1.35), crossings(heard, 0.05));
    EXPECT_GT(crossings(heard, 1.35), crossings(heard, 2.65));
    EXPECT_TRUE(audio.stopped.isEmpty());
    w->close();
    EXPECT_EQ(audio.stopped.value(0), source);
}

TEST(GraphesHeader, ColumnTitles)
{
    const struct
    {
        int quantity;
        const char *measured;
        int lowered, raised;
    } cases[] = {{-1, "t(s)", 0, 0},         {0, "x(m)", 0, 0},         {1, "y(m)", 0, 0},
                 {2, "vx(m · s-1)", 1, 1},   {3, "vy(m · s-1)", 1, 1},  {4, "v(m · s-1)", 0, 1},
                 {5, "Ec(J)", 1, 0},         {6, "Ep(J)", 1, 0},        {7, "Em(J)", 1, 0}};
    for (const auto &c : cases) {
        QString measured;
        int lowered = 0, raised = 0;
        for (const TitlePiece &p : columnTitle(c.quantity)) {
            measured += p.text;
            lowered += p.shift > 0;
            raised += p.shift < 0;
        }
        EXPECT_EQ(measured, QString::fromUtf8(c.measured));
        EXPECT_EQ(lowered, c.lowered) << c.measured;
        EXPECT_EQ(raised, c.raised) << c.measured;
    }
}
