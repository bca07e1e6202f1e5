#include "core/flight.h"
#include "core/numberformat.h"
#include "exchange/format.h"
#include "pointage/measurement.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::pointage;

namespace {

// The photographs of a flight every τ seconds, as the simulation records them.
std::vector<PhotoPosition> photographs(const Flight &f, double tau, int n)
{
    std::vector<PhotoPosition> photos;
    for (int i = 0; i < n; ++i) {
        const double t = i * tau;
        photos.push_back({t, f.x(t), f.y(t)});
    }
    return photos;
}

// Every point placed exactly on its photograph.
Measurement pointedExactly(const Flight &f, double tau, int n)
{
    Measurement m(photographs(f, tau, n), f.masse, f.g);
    for (int i = 0; i < n; ++i)
        m.add(m.photoPixel(i));
    return m;
}

// A Python 3 with matplotlib: Debian's first, as a school machine has it.
QString pythonWithMatplotlib()
{
    for (const QString &candidate : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
        QProcess p;
        p.start(candidate, {QStringLiteral("-c"), QStringLiteral("import matplotlib")});
        if (p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            return candidate;
    }
    return {};
}

bool writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

struct PythonRun
{
    bool finished = false;
    int exitCode = -1;
    QString out, err;
};

// Python with matplotlib drawing into files only, started in `folder`.
PythonRun runWithoutScreen(const QString &python, const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MPLBACKEND"), QStringLiteral("Agg"));
    process.setProcessEnvironment(env);
    process.start(python, arguments);
    PythonRun run;
    run.finished = process.waitForFinished(60000);
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

TEST(Pointage, ExactPointsGiveTheSecondLawOnEveryPlace)
{
    const struct
    {
        const char *place;
        double g;
    } places[] = {{"Terre", 9.8}, {"Lune", 1.62}, {"Mars", 3.71}};
    for (const auto &p : places) {
        const Flight f{0.0, 0.0, 3.3, 14.6, p.g, 0.45};
        const Measurement m = pointedExactly(f, 0.3, 9);
        EXPECT_DOUBLE_EQ(m.tau(), 0.3);
        // Centred differences of a parabola are exact: the velocity at the point's time.
        ASSERT_TRUE(m.velocity(4));
        EXPECT_NEAR(m.velocity(4)->y(), f.vy(1.2), 1e-9) << p.place;
        EXPECT_FALSE(m.velocity(0));
        EXPECT_FALSE(m.deltaV(1));
        ASSERT_TRUE(m.force(4));
        EXPECT_EQ(numfmt::fixed(-m.force(4)->y()), numfmt::fixed(m.weight())) << p.place;
        EXPECT_EQ(numfmt::fixed(*m.typicalForce()), numfmt::fixed(m.weight())) << p.place;
        EXPECT_NEAR(m.force(4)->x(), 0.0, 1e-9);
    }
}

TEST(Pointage, PointsAreCheckedAgainstThePhotographs)
{
    const Flight f{0.0, 0.0, 3.3, 14.6, 9.8, 0.45};
    Measurement m(photographs(f, 0.3, 6), f.masse, f.g);
    for (int i = 0; i < 6; ++i)
        m.add(m.photoPixel(i) + (i == 3 ? QPointF(4, 0) : QPointF()));
    EXPECT_FALSE(m.add(QPointF(100, 100))) << "one point per photograph";
    EXPECT_EQ(m.withinTolerance(), 5);
    EXPECT_NEAR(m.distance(3), 4.0 / 36.0, 1e-9); // 0,11 m: too far
    EXPECT_GT(m.distance(3), kTolerance);
    m.undo();
    EXPECT_EQ(m.count(), 5);
}

TEST(Pointage, VectorCheckToleranceEdges)
{
    const QPointF computed(10.0, 0.0);
    const auto turned = [](double degrees, double length) {
        const double a = degrees * M_PI / 180.0;
        return QPointF(length * std::cos(a), length * std::sin(a));
    };
    EXPECT_EQ(checkVector(turned(4.9, 10.9), computed).verdict, QStringLiteral("Correct"));
    EXPECT_EQ(checkVector(turned(0, 11.1), computed).verdict, QStringLiteral("Vecteur trop long"));
    EXPECT_EQ(checkVector(turned(0, 8.9), computed).verdict, QStringLiteral("Vecteur trop court"));
    EXPECT_EQ(checkVector(turned(5.1, 10), computed).verdict,
              QStringLiteral("Vecteur direction à revoir"));
    EXPECT_FALSE(checkVector(QPointF(), computed).lengthOk);
}

TEST(Pointage, TableAndPythonProgramGiveTheSameLaw)
{
    const Flight f{0.0, 0.0, 3.3, 14.6, 9.8, 0.45};
    const Measurement m = pointedExactly(f, 0.3, 9);
    const QStringList rows = exchange::writeDelimited(table(m), {u'\t', exchange::Decimal::Comma})
                                 .split(QStringLiteral("\r\n"));
    EXPECT_EQ(rows[0], QStringLiteral("t\tx\ty\tvx\tvy\tv\tdvx\tdvy\tmdvdt"));
    EXPECT_EQ(rows[1].split(u'\t').size(), 9);
    EXPECT_TRUE(rows[1].endsWith(QStringLiteral("\t\t\t\t\t\t"))); // nothing computed at point 1
    EXPECT_EQ(rows[5].split(u'\t').last(), QStringLiteral("4,4100"));

    const QString python = pythonWithMatplotlib();
    if (python.isEmpty())
        GTEST_SKIP() << "no Python 3 with matplotlib (Debian: python3-matplotlib)";
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("pointage.py"));
    ASSERT_TRUE(writeFile(script, pythonProgram(m)));
    const PythonRun run = runWithoutScreen(python, {script}, dir.path());
    ASSERT_TRUE(run.finished);
    const QString out = run.out;
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("4.41   ")) && out.contains(QStringLiteral(" 4.41")))
        << out.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("pointage.png"))));
}

namespace {

// Runs the program as a pupil would, then reads back what it drew: one line per set of arrows
// (colour, arrows, how many end outside the axes) and a tick label.
const char *const kFigureCheck = R"PY(
import runpy, sys
import matplotlib.colors as colours
import matplotlib.pyplot as plt
from matplotlib.quiver import Quiver
runpy.run_path(sys.argv[1], run_name="__main__")
ax = plt.gcf().axes[0]
(x0, x1), (y0, y1) = ax.get_xlim(), ax.get_ylim()
for q in ax.collections:
    if isinstance(q, Quiver):
        ends = [(x + u / q.scale, y + v / q.scale) for (x, y), u, v in zip(q.XY, q.U, q.V)]
        outside = sum(not (x0 < ex < x1 and y0 < ey < y1) for ex, ey in ends)
        print("fleches", colours.to_hex(q.get_facecolor()[0]), len(ends), outside)
print("graduation", ax.xaxis.get_major_formatter()(0.5, 0))
)PY";

} // namespace

// Started from another folder, the program draws v, m·Δv/Δt and P in the program's colours,
// inside the axes, with decimal commas, and leaves its picture beside itself.
TEST(Pointage, PythonFigureInTheProgramsColoursBesideTheProgram)
{
    const QString python = pythonWithMatplotlib();
    if (python.isEmpty())
        GTEST_SKIP() << "no Python 3 with matplotlib (Debian: python3-matplotlib)";
    const Flight f{0.0, 0.0, 3.3, 14.6, 9.8, 0.45};
    const Measurement m = pointedExactly(f, 0.3, 9);
    QTemporaryDir saved, elsewhere;
    const QString program = saved.filePath(QStringLiteral("pointage.py"));
    ASSERT_TRUE(writeFile(program, pythonProgram(m, {0x112233, 0x445566, 0x778899})));
    const PythonRun run = runWithoutScreen(
        python, {QStringLiteral("-c"), QString::fromUtf8(kFigureCheck), program}, elsewhere.path());
    ASSERT_TRUE(run.finished);
    const QString out = run.out;
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    // 9 points: 7 velocities, 5 of m·Δv/Δt and P beside each.
    for (const char *arrows : {"fleches #112233 7 0", "fleches #445566 5 0", "fleches #778899 5 0"})
        EXPECT_TRUE(out.contains(QLatin1String(arrows))) << arrows << "\n" << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("graduation 0,5"))) << out.toStdString();
    EXPECT_TRUE(QFile::exists(saved.filePath(QStringLiteral("pointage.png"))));
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}
