#include "core/flight.h"
#include "core/numberformat.h"
#include "exchange/format.h"
#include "pointage/measurement.h"

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
    QFile script(dir.filePath(QStringLiteral("pointage.py")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(pythonProgram(m).toUtf8());
    script.close();
    QProcess run;
    run.setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MPLBACKEND"), QStringLiteral("Agg"));
    run.setProcessEnvironment(env);
    run.start(python, {script.fileName()});
    ASSERT_TRUE(run.waitForFinished(60000));
    const QString out = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("4.41   ")) && out.contains(QStringLiteral(" 4.41")))
        << out.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("pointage.png"))));
}
