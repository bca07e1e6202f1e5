#include "graphs/graphes.h"
#include "graphs/rangestudy.h"
#include "graphs/rangestudywindow.h"

#include "core/options.h"
#include "core/simulation.h"
#include "core/tables.h"
#include "exchange/exportdialog.h"
#include "support/doubles.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace orbane;
using namespace orbane::graphs;
using namespace orbane::graphs::rangestudy;

namespace {

constexpr double kDeg = 180.0 / std::numbers::pi;

Flight from(double h, double g) { return {0.0, h, 0.0, 0.0, g, 0.45}; }

// The ballon launched from the ground at 15 m.s-1, on a field of 9,8 N.kg-1.
void launchBallon(Simulation &sim)
{
    sim.TextN_Change(1, QStringLiteral("0"));
    sim.TextN_Change(2, QStringLiteral("0"));
    orbane::test::stateOf(sim).vox = float(15.0 * std::cos(0.5));
    orbane::test::stateOf(sim).voy = float(15.0 * std::sin(0.5));
    orbane::test::stateOf(sim).gpes = 9.8f;
}

} // namespace

TEST(RangeStudy, FromTheGroundTheRangeIsTheClosedFormAndPeaksAt45)
{
    for (const auto &[v0, g] : {std::pair{15.0, 9.8}, {7.3, 1.6}, {40.0, 3.7}}) {
        const FlightSource source = vacuumSource(from(0.0, g));
        const Study study = sample(source, Variable::Angle, {v0, 30.0});
        ASSERT_EQ(study.points.size(), 901u);
        for (const Point &p : study.points) {
            ASSERT_TRUE(p.flight);
            EXPECT_NEAR(p.flight->range, v0 * v0 * std::sin(2.0 * p.x / kDeg) / g, 1e-9) << p.x;
        }
        const auto m = mark(source, study, Measure::Range);
        ASSERT_TRUE(m);
        EXPECT_NEAR(m->x, 45.0, 1e-8) << v0;
        EXPECT_NEAR(m->value, v0 * v0 / g, 1e-9) << v0;
    }
}

TEST(RangeStudy, FromAHeightTheOptimalAngleIsTheClosedForm)
{
    for (const auto &[v0, g, h] : {std::tuple{15.0, 9.8, 2.0}, {10.0, 9.8, 20.0},
                                   {5.0, 1.6, 50.0}, {30.0, 3.7, 0.5}}) {
        const FlightSource source = vacuumSource(from(h, g));
        const auto m = mark(source, sample(source, Variable::Angle, {v0, 45.0}), Measure::Range);
        ASSERT_TRUE(m);
        const double optimal = std::asin(1.0 / std::sqrt(2.0 + 2.0 * g * h / (v0 * v0))) * kDeg;
        EXPECT_NEAR(m->x, optimal, 1e-8) << h;
        EXPECT_NEAR(m->value, v0 / g * std::sqrt(v0 * v0 + 2.0 * g * h), 1e-9) << h;
    }
}

TEST(RangeStudy, TheLabelsSayWhatIsMarked)
{
    const FlightSource source = vacuumSource(from(1.0, 9.8));
    const Study angle = sample(source, Variable::Angle, {15.0, 30.0});
    const Study speed = sample(source, Variable::Speed, {15.0, 30.0});
    // The highest point and the time of flight grow up to the vertical launch.
    const struct
    {
        const Study &study;
        Measure q;
        const char *text;
    } cases[] = {{angle, Measure::Height, "hauteur maximale 12,5 m pour α = 90,0°"},
                 {angle, Measure::Duration, "durée de vol maximale 3,1 s pour α = 90,0°"},
                 {speed, Measure::Range, "portée 21,5 m pour v0 = 15,0 m·s⁻¹ (lancer actuel)"}};
    for (const auto &c : cases) {
        const auto m = mark(source, c.study, c.q);
        ASSERT_TRUE(m);
        EXPECT_EQ(markText(c.study.variable, c.q, *m), QString::fromUtf8(c.text));
    }
    EXPECT_DOUBLE_EQ(speed.xMax, 30.0);
    const FlightSource noField = vacuumSource(from(1.0, 0.0));
    EXPECT_FALSE(mark(noField, sample(noField, Variable::Angle, {15.0, 30.0}), Measure::Range));
}

// The linear law has a closed form (τ = m/k): x = vox·τ·(1 - e^(-t/τ)),
// y = y0 + τ·(voy + g·τ)·(1 - e^(-t/τ)) - g·τ·t, highest where t = τ·ln(1 + voy/(g·τ)).
FlightSummary linearDragFlight(const Flight &f, double k)
{
    const double tau = f.masse / k;
    const auto y = [&](double t) {
        return f.y0 + tau * (f.voy + f.g * tau) * (1.0 - std::exp(-t / tau)) - f.g * tau * t;
    };
    const double apex = tau * std::log1p(f.voy / (f.g * tau));
    double lo = apex, hi = apex + 100.0;
    while (hi - lo > 1e-13 * hi)
        (y(0.5 * (lo + hi)) > 0.0 ? lo : hi) = 0.5 * (lo + hi);
    return {f.vox * tau * (1.0 - std::exp(-lo / tau)), y(apex), lo};
}

TEST(RangeStudy, TheAirSourceIsTheVacuumWithoutDragAndTheClosedFormOfTheLinearLaw)
{
    for (const double alpha : {5.0, 30.0, 45.0, 72.0, 89.0}) {
        const double v0 = 15.0, rad = alpha / kDeg;
        const Flight base = from(2.0, 9.8);
        const auto air = airSource(base, DragLaw::linear(0.0))(v0, alpha);
        const auto vacuum = vacuumSource(base)(v0, alpha);
        ASSERT_TRUE(air && vacuum);
        EXPECT_NEAR(air->range, vacuum->range, 1e-9 * vacuum->range) << alpha;
        EXPECT_NEAR(air->height, vacuum->height, 1e-9 * vacuum->height) << alpha;
        EXPECT_NEAR(air->duration, vacuum->duration, 1e-9 * vacuum->duration) << alpha;

        const Flight launch{0.0, 2.0, v0 * std::cos(rad), v0 * std::sin(rad), 9.8, 0.45};
        const FlightSummary exact = linearDragFlight(launch, 0.3);
        const auto drag = airSource(base, DragLaw::linear(0.3))(v0, alpha);
        ASSERT_TRUE(drag);
        EXPECT_NEAR(drag->range, exact.range, 1e-9 * exact.range) << alpha;
        EXPECT_NEAR(drag->height, exact.height, 1e-9 * exact.height) << alpha;
        EXPECT_NEAR(drag->duration, exact.duration, 1e-9 * exact.duration) << alpha;
    }
}

// From the ground the air takes more from a long flight than from a short one: the best angle
// falls below 45°. The study's coarser step finds what the simulation's flight finds.
TEST(RangeStudy, InTheAirTheBestAngleFallsBelow45AndTheRangeShortens)
{
    for (const auto &[placeIndex, v0, law] :
         {std::tuple{0, 15.0, DragLaw::quadratic(1.2, 0.25, 0.22)},
          {0, 25.0, DragLaw::linear(0.05)},
          {2, 30.0, DragLaw::quadratic(0.02, 0.47, 0.078)}}) {
        const Flight base = from(0.0, double(place(placeIndex).g));
        const FlightSource air = airSource(base, law);
        const auto m = mark(air, sample(air, Variable::Angle, {v0, 30.0}), Measure::Range);
        ASSERT_TRUE(m);
        EXPECT_LT(m->x, 45.0 - 0.05) << v0;
        EXPECT_LT(m->value, v0 * v0 / base.g) << v0;
        const Flight launch{
            0.0, 0.0, v0 * std::cos(m->x / kDeg), v0 * std::sin(m->x / kDeg), base.g, base.masse};
        EXPECT_NEAR(m->value, DragFlight(launch, law, false).contacts().front().x, 1e-9 * m->value);
    }
}

TEST(RangeStudyWindow, OpensFromTheGraphWindowShowsTheMaximumAndExports)
{
    Simulation sim{QString()};
    launchBallon(sim);
    orbane::test::ScriptedDialogs dialogs;
    GraphWindowActions actions;
    actions.dialogs = &dialogs;
    QWidget main;
    main.setGeometry(40, 30, 800, 600);
    Graphes graphes(sim, actions, &main);

    QString label, title, exported, height;
    const auto modal = [] { return QApplication::activeModalWidget(); };
    QTimer::singleShot(0, [&] {
        auto *study = qobject_cast<RangeStudyWindow *>(modal());
        if (!study)
            return;
        title = study->windowTitle();
        label = study->findChild<QLabel *>(QStringLiteral("maximum"))->text();
        QTimer::singleShot(0, [&] {
            if (auto *e = qobject_cast<exchange::ExportDialog *>(modal())) {
                exported = e->table(QStringLiteral("\n"));
                e->accept();
            }
        });
        study->findChild<QPushButton *>(QStringLiteral("exporterEtude"))->click();
        auto *quantity = study->findChild<QComboBox *>(QStringLiteral("grandeur"));
        quantity->setCurrentIndex(1);
        emit quantity->activated(1);
        height = study->markText();
        study->reject(); // what Escape does
    });
    QTimer::singleShot(5000, [&] {
        while (QWidget *w = modal())
            w->close(); // never hang
    });
    graphes.findChild<QPushButton *>(QStringLiteral("boutonEtudePortee"))->click();

    EXPECT_EQ(title, QStringLiteral("Étude de la portée"));
    EXPECT_EQ(label, QStringLiteral("portée maximale 23,0 m pour α = 45,0°"));
    EXPECT_EQ(height, QStringLiteral("hauteur maximale 11,5 m pour α = 90,0°"));
    const QStringList lines = exported.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 902);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("alpha"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("portee"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[451].startsWith(QStringLiteral("45,0"))) << lines[451].toStdString();
}

namespace {
// Pixels of a colour that is neither a grey nor one of `reference`'s.
int newColourPixels(const QImage &image, const QImage &reference)
{
    QSet<QRgb> known;
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x)
            known.insert(reference.pixel(x, y));
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool grey = c.red() == c.green() && c.green() == c.blue();
            count += !grey && !known.contains(c.rgb());
        }
    return count;
}
} // namespace

// The air's curve comes and goes with the option and follows its law; its maximum (found by a
// scan of 1 ms flights every 0,001°: 18,867 m at 43,48°) is listed after the vacuum's.
TEST(RangeStudyWindow, WithTheAirOnItDrawsListsAndExportsBothCurves)
{
    Simulation sim{QString()};
    launchBallon(sim);
    RangeStudyWindow window(sim, nullptr, nullptr);
    const auto *plot = window.findChild<QLabel *>(QStringLiteral("courbe"));
    const QImage vacuum = plot->pixmap().toImage();
    const QString vacuumText = window.markText();
    const Option &drag = *option(QStringLiteral("drag"));

    sim.setOption(drag, true);
    const QString both = QStringLiteral("dans le vide : portée maximale 23,0 m pour α = 45,0° ; "
                                        "avec frottements : portée maximale 18,9 m pour α = 43,5°");
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("maximum"))->text(), both);
    EXPECT_EQ(plot->accessibleDescription(), both);
    EXPECT_GT(newColourPixels(plot->pixmap().toImage(), vacuum), 400);
    const exchange::Table table = window.table();
    ASSERT_EQ(table.columns.size(), 7u);
    EXPECT_EQ(table.columns[4].name + table.columns[5].name + table.columns[6].name,
              QStringLiteral("portee_airhmax_airduree_air"));
    ASSERT_EQ(table.rows.size(), 901u);
    EXPECT_LT(*table.rows[450][4], *table.rows[450][1]);
    EXPECT_EQ(table.note, both);

    sim.dragModel_Click(true); // the linear law: another curve in the air
    EXPECT_TRUE(window.markText().startsWith(both.section(QStringLiteral(" ; "), 0, 0)));
    EXPECT_NE(window.markText(), both);

    sim.setOption(drag, false);
    EXPECT_EQ(window.markText(), vacuumText);
    EXPECT_EQ(plot->pixmap().toImage(), vacuum);
    EXPECT_EQ(window.table().columns.size(), 4u);
}
