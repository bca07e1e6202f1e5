#include "pointage/fit.h"

#include <cmath>
#include <gtest/gtest.h>
#include <iostream>
#include <random>

using namespace orbane::pointage;

namespace {

struct Throw
{
    double x0, y0, vx, vy, g, lambda;
    // The closed form written directly, not through the fit's kernel.
    QPointF at(double t) const
    {
        if (lambda == 0.0)
            return {x0 + vx * t, y0 + vy * t - g * t * t / 2};
        const double e = 1.0 - std::exp(-lambda * t);
        return {x0 + vx / lambda * e, y0 + (vy + g / lambda) / lambda * e - g / lambda * t};
    }
    std::vector<FitPoint> points(int n, double tau, std::mt19937 *noise = nullptr,
                                 double sigma = 0.0) const
    {
        std::normal_distribution<double> d(0.0, sigma);
        std::vector<FitPoint> out;
        for (int i = 0; i < n; ++i) {
            const QPointF p = at(0.1 + i * tau);
            out.push_back({0.1 + i * tau, p.x() + (noise ? d(*noise) : 0.0),
                           p.y() + (noise ? d(*noise) : 0.0)});
        }
        return out;
    }
};

} // namespace

TEST(Fit, ExactPointsGiveBackTheirParameters)
{
    const Throw vacuum{0.2, 1.1, 3.3, 4.6, 9.81, 0.0};
    const FitResult v = fitVacuum(vacuum.points(8, 0.04));
    ASSERT_TRUE(v.ok()) << v.error.toStdString();
    EXPECT_NEAR(v.x0.value, 0.2, 1e-9);
    EXPECT_NEAR(v.y0.value, 1.1, 1e-9);
    EXPECT_NEAR(v.v0x.value, 3.3, 1e-9);
    EXPECT_NEAR(v.v0y.value, 4.6, 1e-9);
    EXPECT_NEAR(v.g.value, 9.81, 1e-9);
    EXPECT_NEAR(v.v0.value, std::hypot(3.3, 4.6), 1e-9);
    EXPECT_NEAR(v.alpha.value, std::atan2(4.6, 3.3) * 180 / M_PI, 1e-9);
    EXPECT_LT(v.rms, 1e-12);
    EXPECT_LT(v.g.sigma, 1e-9);
    ASSERT_EQ(v.residuals.size(), 8u);
    EXPECT_NEAR(v.positionAt(0.7).y(), vacuum.at(0.7).y(), 1e-9);

    // The air model on points with drag, and on points of the vacuum (λ → 0: the series).
    for (const Throw &air : {Throw{0.0, 0.5, 6.0, 8.0, 9.81, 0.8}, vacuum}) {
        const double masse = 0.25;
        const FitResult a = fitLinearAir(air.points(10, 0.05), masse);
        ASSERT_TRUE(a.ok()) << a.error.toStdString();
        EXPECT_NEAR(a.lambda.value, air.lambda, 1e-9);
        EXPECT_NEAR(a.k.value, masse * air.lambda, 1e-9);
        EXPECT_NEAR(a.g.value, air.g, 1e-9);
        EXPECT_NEAR(a.v0x.value, air.vx, 1e-9);
        EXPECT_NEAR(a.v0y.value, air.vy, 1e-9);
        EXPECT_NEAR(a.positionAt(0.9).x(), air.at(0.9).x(), 1e-9);
        EXPECT_LT(a.rms, 1e-10);
    }
}

// The uncertainties mean what they say: the true g within 2σ in about 95 % of noisy pointings.
TEST(Fit, TrueGWithinTwoSigmaOfNoisyRuns)
{
    const Throw t{0.0, 1.0, 3.0, 4.0, 9.81, 0.0};
    std::mt19937 noise(1);
    int within = 0, airWithin = 0;
    const int runs = 100;
    for (int run = 0; run < runs; ++run) {
        const auto points = t.points(12, 0.05, &noise, 0.01);
        const FitResult v = fitVacuum(points);
        const FitResult a = fitLinearAir(points, 0.5);
        ASSERT_TRUE(v.ok() && a.ok());
        within += std::abs(v.g.value - t.g) <= 2 * v.g.sigma ? 1 : 0;
        airWithin += std::abs(a.g.value - t.g) <= 2 * a.g.sigma ? 1 : 0;
    }
    std::cout << "g dans 2σ : " << within << " / " << runs << " (vide), " << airWithin << " / "
              << runs << " (frottement)\n";
    EXPECT_GE(within, 90);
    EXPECT_GE(airWithin, 85);
}

TEST(Fit, RefusesWhatCannotBeFitted)
{
    const Throw t{0.0, 1.0, 3.0, 4.0, 9.81, 0.0};
    auto withNan = t.points(6, 0.1);
    withNan[2].y = std::nan("");
    std::vector<FitPoint> sameTime = t.points(5, 0.1);
    for (FitPoint &p : sameTime)
        p.t = 0.3;
    // Two distinct dates for three parameters in y.
    const std::vector<FitPoint> twoDates{{0.0, 0.0, 0.0}, {0.0, 0.1, 0.1}, {0.2, 0.4, 0.3}};
    const struct
    {
        FitResult result;
        const char *starts;
    } cases[] = {
        {fitVacuum(t.points(2, 0.1)), "Il faut au moins 3 points"},
        {fitLinearAir(t.points(3, 0.1), 0.5), "Il faut au moins 4 points"},
        {fitVacuum(withNan), "Une date ou une position"},
        {fitLinearAir(sameTime, 0.5), "Tous les points ont la même date"},
        {fitVacuum(twoDates), "Les points ne suffisent pas"},
        {fitLinearAir(t.points(6, 0.1), 0.0), "La masse doit être"},
    };
    for (const auto &c : cases) {
        EXPECT_FALSE(c.result.ok());
        EXPECT_TRUE(c.result.error.startsWith(QString::fromUtf8(c.starts)))
            << c.result.error.toStdString();
    }
}

TEST(Fit, ValueWithItsUncertainty)
{
    const QString g = QStringLiteral("g"), unit = QStringLiteral("m.s⁻²");
    EXPECT_EQ(withUncertainty(g, 9.7351, 0.21, unit), QStringLiteral("g = 9,7 ± 0,2 m.s⁻²"));
    EXPECT_EQ(withUncertainty(g, 9.8123, 0.149, unit), QStringLiteral("g = 9,81 ± 0,15 m.s⁻²"));
    // A σ that rounds up to a leading 1 keeps two digits.
    EXPECT_EQ(withUncertainty(g, 9.8123, 0.096, unit), QStringLiteral("g = 9,81 ± 0,10 m.s⁻²"));
    EXPECT_EQ(withUncertainty(QStringLiteral("x"), 12345.0, 230.0, QStringLiteral("m")),
              QStringLiteral("x = 12300 ± 200 m"));
    EXPECT_EQ(withUncertainty(QStringLiteral("α"), -0.04, 0.3, QStringLiteral("°")),
              QStringLiteral("α = 0,0 ± 0,3 °"));
    EXPECT_EQ(withUncertainty(g, 9.81234, 0.0, unit), QStringLiteral("g = 9,81 m.s⁻²"));
    EXPECT_EQ(withUncertainty(g, 9.81234, NAN, QString()), QStringLiteral("g = 9,81"));
}
