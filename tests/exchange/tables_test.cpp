#include "core/drag.h"
#include "exchange/exportdialog.h"
#include "exchange/format.h"
#include "exchange/tables.h"
#include "support/doubles.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::exchange;

namespace {
QStringList lines(const Table &table, Decimal decimal)
{
    const QString text = writeDelimited(table, {u'\t', decimal});
    return text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}
} // namespace

TEST(ExportTable, FlightFromStartToLandingWithTheLastLineAtTheEnd)
{
    Flight f{0, 2, 3, 0, 9.8, 0.45}; // horizontal throw from 2 m: lands at 0.6389 s
    const QStringList rows = lines(flightTable(f, 0.1), Decimal::Point);
    EXPECT_EQ(rows.first(), QStringLiteral("t\tx\ty\tvx\tvy\tv\tEc\tEp\tEm"));
    ASSERT_EQ(rows.size(), 1 + 7 + 1); // 0 .. 0.6, then the landing
    EXPECT_EQ(
        rows[1],
        QStringLiteral("0.000\t0.0000\t2.0000\t3.0000\t0.0000\t3.0000\t2.0250\t8.8200\t10.8450"));
    const QStringList last = rows.last().split(QLatin1Char('\t'));
    EXPECT_EQ(last[0], QStringLiteral("0.639"));
    EXPECT_EQ(last[2], QStringLiteral("0.0000"));
    // Mechanical energy is conserved on every line.
    for (int i = 1; i < rows.size(); ++i)
        EXPECT_NEAR(rows[i].split(QLatin1Char('\t'))[8].toDouble(), 10.845, 1e-3) << i;
}

TEST(ExportTable, DecimalCommaForSpreadsheetsAndExactLastStep)
{
    Flight f{0, 0, 0, 9.8, 9.8, 1}; // 2 s flight, 0.5 s steps: the last step is the landing
    const QStringList rows = lines(flightTable(f, 0.5), Decimal::Comma);
    ASSERT_EQ(rows.size(), 1 + 5);
    EXPECT_TRUE(rows.last().startsWith(QStringLiteral("2,000\t0,0000\t0,0000\t0,0000\t-9,8000")));
    EXPECT_FALSE(rows.join(QString()).contains(QLatin1Char('.')));
}

TEST(ExportTable, ProjectileThatCannotMoveGivesOneLine)
{
    Flight f{1, 0, 0, 0, 9.8, 1};
    EXPECT_EQ(f.timeOfFlight(), 0.0);
    EXPECT_EQ(lines(flightTable(f, 0.04), Decimal::Point).size(), 2);
    EXPECT_EQ(lines(flightTable(f, 0.0), Decimal::Point).size(), 2); // no endless loop
}

TEST(ExportTable, PhotographsAreRecordedInBothModesAndForgottenWithThePlace)
{
    QTemporaryDir dir;
    test::Rig rig(dir.path());
    Simulation &sim = rig.sim;
    sim.Form_Load();
    for (bool markMode : {false, true}) {
        test::controlsOf(sim).Check[2] = markMode;
        sim.TextN_Change(2, QStringLiteral("5"));
        sim.TextN_Change(3, QStringLiteral("0"));
        sim.voxvoy();
        sim.Combo1_Click(sim.c.Combo1);
        EXPECT_TRUE(sim.photoPositions.empty());
        sim.command12_Click();
        rig.runUntilStopped();
        // Dropped from 5 m: photographs at 0, 0.3, ... 0.9 s, then the bounces.
        ASSERT_GE(sim.photoPositions.size(), 4u);
        EXPECT_DOUBLE_EQ(sim.photoPositions[0].t, 0.0);
        EXPECT_DOUBLE_EQ(sim.photoPositions[0].y, 5.0);
        EXPECT_NEAR(sim.photoPositions[1].t, 0.3, 1e-6);
        EXPECT_NEAR(sim.photoPositions[1].y, 5.0 - 4.9 * 0.09, 1e-5);
        const QStringList rows = lines(photoTable(sim.photoPositions), Decimal::Comma);
        EXPECT_EQ(rows.first(), QStringLiteral("t\tx\ty"));
        EXPECT_EQ(rows[2], QStringLiteral("0,300\t0,0000\t4,5590"));
    }
}

// Photographs every 10 ms for minutes: the list stops growing at the marks' bound, keeps the
// first photographs, and a new place empties it.
TEST(ExportTable, PhotographPositionsStopAtTheMarksBound)
{
    QTemporaryDir dir;
    test::Rig rig(dir.path());
    Simulation &sim = rig.sim;
    sim.Form_Load();
    sim.chrono_Change(QStringLiteral("10"));
    sim.chrono_LostFocus();
    const auto bound = std::size_t(PhotoMarks::kMax);
    for (int flight = 0; flight < 1000 && sim.photoPositions.size() < bound; ++flight) {
        sim.command12_Click();
        ASSERT_GT(rig.runUntilStopped(), 0);
    }
    ASSERT_EQ(sim.photoPositions.size(), bound);
    const PhotoPosition first = sim.photoPositions.front();
    sim.command12_Click();
    rig.runUntilStopped();
    EXPECT_EQ(sim.photoPositions.size(), bound);
    EXPECT_EQ(sim.photoPositions.front().t, first.t);
    EXPECT_EQ(sim.photoPositions.front().y, first.y);
    sim.Combo1_Click(sim.c.Combo1);
    EXPECT_TRUE(sim.photoPositions.empty());
}

// A French spreadsheet splits a ".csv" file on ';' and reads the decimal comma, under a line of
// units; tabs stay the window's default, and the suggested name follows the format.
TEST(ExportTable, SemicolonsWithTheDecimalCommaForAFrenchSpreadsheet)
{
    Table table = photoTable({{0.0, 0.0, 6.0}, {0.3, -0.00001, 5.559}});
    table.rows.push_back({0.6, std::nullopt, 5.0});
    const QString expected =
        QStringLiteral("t;x;y\r\n0,000;0,0000;6,0000\r\n0,300;0,0000;5,5590\r\n0,600;;5,0000\r\n");
    EXPECT_EQ(writeDelimited(table, {u';', Decimal::Comma}), expected);

    NullDialogs dialogs;
    ExportDialog dialog(
        nullptr, QStringLiteral("Exporter les positions"), [&table](int) { return table; },
        dialogs);
    const QString crlf = QStringLiteral("\r\n");
    EXPECT_TRUE(dialog.table(crlf).startsWith(QStringLiteral("t\tx\ty\r\n0,000\t")));
    dialog.suggestName(QStringLiteral("positions"));
    EXPECT_EQ(dialog.suggestedFile(), QStringLiteral("positions.txt"));
    dialog.findChild<QRadioButton *>(QStringLiteral("pointVirgule"))->click();
    EXPECT_EQ(dialog.table(crlf), expected.left(7) + QStringLiteral("s;m;m\r\n") + expected.mid(7));
    EXPECT_EQ(dialog.suggestedFile(), QStringLiteral("positions.csv"));
    QString offered;
    QTimer::singleShot(0, [&] {
        if (auto *window = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            offered = window->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
            window->reject();
        }
    });
    dialog.findChild<QPushButton *>(QStringLiteral("enregistrer"))->click();
    EXPECT_EQ(offered, QStringLiteral("positions.csv"));
    const QString columns = dialog.findChild<QLabel *>(QStringLiteral("colonnes"))->text();
    EXPECT_TRUE(
        columns.startsWith(QStringLiteral("Colonnes séparées par des points-virgules : t (s)")));
}

// In the air the table gains W(f) after Em, and every row keeps the balance Em - Em(0) = W(f);
// with the linear law its positions are the closed form's.
TEST(ExportTable, InTheAirEveryRowKeepsTheEnergyBalance)
{
    const Flight vacuum{0, 0, 15 * std::cos(M_PI / 4), 15 * std::sin(M_PI / 4), 9.8, 0.45};
    const double k = 0.05, tau = vacuum.masse / k, vt = vacuum.masse * vacuum.g / k;
    for (const DragLaw &law : {DragLaw::quadratic(1.2, 0.25, 0.22), DragLaw::linear(k)}) {
        Flight air = vacuum;
        air.air = std::make_shared<const DragFlight>(vacuum, law,
                                                     true); // its landing row before the bounce
        const Table table = flightTable(air, 0.04);
        ASSERT_EQ(table.columns.back().name, QStringLiteral("Wf"));
        const double em0 = *table.rows.front()[8];
        for (const Row &row : table.rows) {
            EXPECT_NEAR(*row[8] - em0, *row[9], 1e-6) << *row[0];
            if (law.kind != DragLaw::Kind::Linear)
                continue;
            const double t = *row[0], decay = tau * (1 - std::exp(-t / tau));
            EXPECT_NEAR(*row[1], vacuum.vox * decay, 1e-9) << t;
            EXPECT_NEAR(*row[2], (vacuum.voy + vt) * decay - vt * t, 1e-9) << t;
        }
    }
    EXPECT_EQ(flightTable(vacuum, 0.04).columns.size(), 9u); // no W(f) in the vacuum
}
