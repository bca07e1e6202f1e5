#include "core/drag.h"
#include "core/numberformat.h"
#include "core/options.h"
#include "exchange/exportdialog.h"
#include "exchange/savechooser.h"
#include "pointage/pointagewindow.h"
#include "pointage/pointageview.h"
#include "support/doubles.h"
#include "support/programdir.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::pointage;

namespace {

// The start-up ball thrown with a photograph every 300 ms, flown to the end.
struct PhotographedFlight : ::testing::Test
{
    QTemporaryDir dir;
    test::Rig rig{dir.path()};
    std::unique_ptr<PointageWindow> window;
    QStringList heard; // announced to the screen reader

    void SetUp() override
    {
        rig.sim.Form_Load();
        rig.sim.command12_Click();
        rig.runUntilStopped();
        ASSERT_GE(rig.sim.photoPositions.size(), 6u);
        QImage picture(409, 800, QImage::Format_RGB32);
        picture.fill(Qt::darkGray);
        PointageActions actions;
        actions.say = [this](const QString &text) { heard << text; };
        window = std::make_unique<PointageWindow>(rig.sim, picture, actions, nullptr);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QString cell(int row, int column) const
    {
        return window->table()->item(row, column)->text();
    }
};

// Answers every save question with one path.
struct OnePath final : exchange::SaveChooser
{
    QString path, filter, suggested;
    QString saveFileName(const QString &asked, const QString &, const QString &name) override
    {
        filter = asked;
        suggested = name;
        return path;
    }
};

} // namespace

TEST_F(PhotographedFlight, KeyboardPlacesPointsAndTheTableConvertsThem)
{
    PointageView *view = window->view();
    view->setFocus();
    const QPoint start = view->crossHair();
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_EQ(window->measurement().count(), 1);
    EXPECT_EQ(window->measurement().pixel(0), QPointF(start + QPoint(10, -1)));
    // Pixel (66, 364) is 1 m right of the origin and 2 m up: the axes' own conversion.
    window->addPoint(QPointF(66, 364));
    EXPECT_EQ(cell(1, 1), QStringLiteral("0,30")); // t = τ for the second point
    EXPECT_EQ(cell(1, 2), QStringLiteral("1,00"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("2,00"));
    window->undoPoint();
    EXPECT_EQ(window->table()->rowCount(), 1);
}

// Each point placed is said with its number and position; placed again on the same spot, it
// says so.
TEST_F(PhotographedFlight, EachPointPlacedIsSaid)
{
    PointageView *view = window->view();
    const auto said = [view] {
        return QAccessible::queryAccessibleInterface(view)->text(QAccessible::Description);
    };
    window->addPoint(QPointF(66, 364));
    EXPECT_EQ(said(), QStringLiteral("point 1 : x = 1,00 m ; y = 2,00 m"));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClick(view, Qt::Key_Return);
    const QString x = cell(2, 2), y = cell(2, 3);
    EXPECT_EQ(
        said(),
        QStringLiteral("point 3 : x = %1 m ; y = %2 m (au même endroit que le point 2)").arg(x, y));
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(140, 300) * view->zoom());
    ASSERT_EQ(window->measurement().count(), 4);
    EXPECT_EQ(said(), QStringLiteral("point 4 : x = %1 m ; y = %2 m").arg(cell(3, 2), cell(3, 3)));
    EXPECT_EQ(heard.size(), 4);
    EXPECT_EQ(heard.last(), said());
    // The cross-hair starts at pixel (200, 300): one pixel right is x = 171/36 m, y = 136/36 m.
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(heard.last(), QStringLiteral("croix : x = 4,75 m ; y = 3,78 m"));
}

TEST_F(PhotographedFlight, PointsOnThePhotographsAreRightAndGiveTheWeight)
{
    const Measurement &m = window->measurement();
    const int n = int(m.photos().size());
    for (int i = 0; i < n; ++i)
        window->addPoint(m.photoPixel(i) + (i == 2 ? QPointF(0, 4) : QPointF()));
    window->verifyPoints();
    EXPECT_EQ(window->summary()->text(),
              QStringLiteral("%1 points sur %2 à moins de 0,10 m").arg(n - 1).arg(n));
    EXPECT_EQ(cell(0, 8), QStringLiteral("✓"));
    EXPECT_EQ(cell(2, 8), QStringLiteral("✗ 0,11 m"));

    window->clearPoints();
    for (int i = 0; i < n; ++i)
        window->addPoint(m.photoPixel(i));
    EXPECT_EQ(window->secondLaw()->text(), QStringLiteral("m·Δv/Δt = 4,41 N ; P = 4,41 N"));

    // The pupil's vector at point 3, typed as computed, then too long.
    const QPointF v = *m.velocity(2);
    window->setVector(2, v);
    window->verifyVector();
    EXPECT_EQ(window->verdict()->text(), QStringLiteral("Correct"));
    window->setVector(2, v * 1.2);
    window->verifyVector();
    EXPECT_EQ(window->verdict()->text(), QStringLiteral("Vecteur trop long"));
}

// Each change refills only the rows it reaches: placed one by one, taken back and undone, the
// table reads as it does filled whole (the check refills every row).
TEST_F(PhotographedFlight, TheTableKeptRowByRowIsTheTableFilledWhole)
{
    const Measurement &m = window->measurement();
    const int n = int(m.photos().size());
    for (int i = 0; i < n; ++i)
        window->addPoint(m.photoPixel(i) + QPointF(i % 3, 0));
    window->undoPoint();
    window->undoPoint();
    window->undoStack()->undo(); // the second point taken back comes back
    window->addPoint(m.photoPixel(n - 1));
    const auto cells = [this] {
        QStringList all;
        for (int row = 0; row < window->table()->rowCount(); ++row)
            for (int column = 0; column < 8; ++column)
                all << cell(row, column);
        return all;
    };
    const QStringList kept = cells();
    EXPECT_EQ(window->table()->rowCount(), n);
    window->verifyPoints();
    EXPECT_EQ(cells(), kept);
}

// "Nommer les vecteurs" writes the symbols in the vectors' colours and a legend of colours.
TEST_F(PhotographedFlight, NamedVectorsCarryTheirSymbolsAndALegend)
{
    const Measurement &m = window->measurement();
    for (int i = 0; i < int(m.photos().size()); ++i)
        window->addPoint(m.photoPixel(i));
    Overlay o = window->view()->overlay();
    o.variations = true;
    const auto lawPixels = [&](bool names) {
        o.names = names;
        window->view()->setOverlay(o);
        const QImage shown = window->view()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                n += shown.pixelColor(x, y) == o.secondLaw;
        return std::pair(n, shown.pixelColor(6, 6));
    };
    const auto [plain, cornerPlain] = lawPixels(false);
    const auto [named, cornerNamed] = lawPixels(true);
    EXPECT_GT(plain, 0);
    EXPECT_GT(named, plain + 30); // the symbol beside its head and the legend's line
    EXPECT_EQ(cornerPlain, QColor(Qt::darkGray));
    EXPECT_NE(cornerNamed, QColor(Qt::darkGray));
}

// The window exports by itself: the table through the export window, which describes its
// columns, and the Python program where the save chooser says.
TEST_F(PhotographedFlight, ExportsTheTableAndThePythonProgramItself)
{
    OnePath files;
    files.path = dir.filePath(QStringLiteral("pointage.py"));
    QImage picture(409, 800, QImage::Format_RGB32);
    picture.fill(Qt::darkGray);
    PointageWindow exporting(rig.sim, picture, {&rig.dialogs, &files, {}, {}, {}}, nullptr);
    for (int i = 0; i < 5; ++i)
        exporting.addPoint(exporting.measurement().photoPixel(i));

    QString title, columns;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<exchange::ExportDialog *>(modal)) {
            title = dialog->windowTitle();
            columns = dialog->findChild<QLabel *>(QStringLiteral("colonnes"))->text();
        }
        if (modal)
            modal->close();
    });
    exporting.findChild<QPushButton *>(QStringLiteral("exporter"))->click();
    EXPECT_EQ(title, QStringLiteral("Exporter le pointage"));
    EXPECT_EQ(columns, QStringLiteral("Colonnes séparées par des tabulations : t (s), x et y (m) "
                                      "des points, vx, vy et v (m/s), Δvx et Δvy (m/s), m·Δv/Δt "
                                      "(N) ; une case est vide où le point n'a pas les voisins "
                                      "qu'il faut."));

    exporting.findChild<QPushButton *>(QStringLiteral("python"))->click();
    EXPECT_EQ(files.filter, QStringLiteral("Programme Python|*.py"));
    EXPECT_EQ(files.suggested, QStringLiteral("pointage.py"));
    EXPECT_EQ(test::bytesOf(files.path), pythonProgram(exporting.measurement()).toUtf8());
    EXPECT_TRUE(rig.dialogs.shown.empty());
}

// Points placed, "Effacer" and "Tout effacer" are undone and redone with Ctrl+Z and
// Ctrl+Maj+Z; Escape closes the window.
TEST_F(PhotographedFlight, PointsAreUndoneAndRedoneAndEscapeCloses)
{
    const Measurement &m = window->measurement();
    PointageView *view = window->view();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Return); // the keyboard's point
    for (int i = 1; i < 3; ++i)
        window->addPoint(m.photoPixel(i));
    window->undoPoint();
    window->clearPoints();
    ASSERT_EQ(m.count(), 0);
    EXPECT_EQ(window->undoStack()->undoText(), QStringLiteral("« Tout effacer »"));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m.count(), 2);
    EXPECT_EQ(window->table()->rowCount(), 2);
    window->undoStack()->undo(); // "Effacer"
    EXPECT_EQ(m.count(), 3);
    EXPECT_EQ(m.pixel(2), m.photoPixel(2));
    window->undoStack()->undo();
    window->undoStack()->undo();
    EXPECT_EQ(m.count(), 1);
    EXPECT_EQ(window->undoStack()->undoText(), QStringLiteral("le point 1"));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(m.count(), 2);

    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// In the air the second-law line compares m·Δv/Δt with P + f at the same points: far from P,
// close to P + f.
TEST(PointageInTheAir, TheSecondLawLineComparesWithTheResultant)
{
    QTemporaryDir dir;
    test::Rig rig{dir.path()};
    rig.sim.Form_Load();
    rig.sim.setOption(*option(QStringLiteral("drag")), true);
    rig.sim.dragModel_Click(true); // f = k·v, strong enough to tell P + f from P
    rig.sim.dragBox_Change(DragBox::K, QStringLiteral("0,2"));
    rig.sim.dragBox_LostFocus(DragBox::K);
    rig.sim.TextN_Change(4, QStringLiteral("50"));
    rig.sim.TextN_LostFocus(4);
    rig.sim.command12_Click();
    rig.runUntilStopped();
    QImage picture(409, 800, QImage::Format_RGB32);
    picture.fill(Qt::darkGray);
    PointageWindow window(rig.sim, picture, PointageActions{}, nullptr);
    const Measurement &m = window.measurement();
    ASSERT_TRUE(m.inAir());
    const Vector2 f = rig.sim.airFlight()->at(m.photos()[3].t).force;
    EXPECT_EQ(m.resultant(3), QPointF(f.x, f.y - m.weight()));
    EXPECT_EQ(window.secondLaw()->text(),
              QStringLiteral("m·Δv/Δt : placer au moins cinq points ; P = 4,41 N"));
    for (int i = 0; i < int(m.photos().size()); ++i)
        window.addPoint(m.photoPixel(i));
    const QStringList parts = window.secondLaw()->text().split(QLatin1Char(' '));
    ASSERT_EQ(parts.size(), 15) << window.secondLaw()->text().toStdString();
    EXPECT_EQ(window.secondLaw()->text(),
              QStringLiteral("m·Δv/Δt = %1 N ; P + f = %2 N (P = 4,41 N)").arg(parts[2], parts[9]));
    const auto newtons = [&](int i) { return numfmt::parseOr(parts[i], 0.0); };
    EXPECT_NEAR(newtons(2), newtons(9), 0.1);
    EXPECT_GT(std::abs(newtons(9) - 4.41), 0.3);
}
