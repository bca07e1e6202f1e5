#include "pointage/fit.h"

#include "core/numberformat.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace orbane::pointage {

namespace {

using Vector = std::vector<double>;

// Parameters in this order; the vacuum uses the first five.
enum Parameter { X0, Y0, V0X, V0Y, G, LAMBDA };

struct Matrix
{
    int rows = 0, cols = 0;
    Vector a;
    Matrix(int r, int c) : rows(r), cols(c), a(std::size_t(r) * std::size_t(c), 0.0) {}
    double &operator()(int r, int c)
    {
        return a[std::size_t(r) * std::size_t(cols) + std::size_t(c)];
    }
    double operator()(int r, int c) const
    {
        return a[std::size_t(r) * std::size_t(cols) + std::size_t(c)];
    }
};

struct Solution
{
    Vector step;
    Matrix inverse{0, 0}; // (JᵀJ)⁻¹ of the undamped system
};

// Applies the Householder reflection of column k (rows k..) to the columns k.. and to r.
// False when the column below the diagonal is already zero.
bool reflect(Matrix &j, Vector &r, int k)
{
    double norm = 0.0;
    for (int i = k; i < j.rows; ++i)
        norm += j(i, k) * j(i, k);
    norm = std::sqrt(norm);
    if (norm == 0.0)
        return false;
    const double alpha = j(k, k) > 0.0 ? -norm : norm;
    Vector v(std::size_t(j.rows - k));
    for (int i = k; i < j.rows; ++i)
        v[std::size_t(i - k)] = j(i, k);
    v[0] -= alpha;
    double vv = 0.0;
    for (double e : v)
        vv += e * e;
    const auto apply = [&](auto &&at) {
        double dot = 0.0;
        for (int i = k; i < j.rows; ++i)
            dot += v[std::size_t(i - k)] * at(i);
        const double s = 2.0 * dot / vv;
        for (int i = k; i < j.rows; ++i)
            at(i) -= s * v[std::size_t(i - k)];
    };
    for (int c = k; c < j.cols; ++c)
        apply([&](int i) -> double & { return j(i, c); });
    apply([&](int i) -> double & { return r[std::size_t(i)]; });
    return true;
}

// min |J·δ − r|² + μ·Σ (n_j δ_j)², n_j the norm of J's column j, by QR on unit columns (no
// normal equations: their condition is the square of J's). Nothing when J is rank deficient.
std::optional<Solution> solve(Matrix j, Vector r, double mu)
{
    const int p = j.cols, n = j.rows;
    Vector scale(std::size_t(p), 0.0);
    for (int c = 0; c < p; ++c) {
        for (int i = 0; i < n; ++i)
            scale[std::size_t(c)] += j(i, c) * j(i, c);
        scale[std::size_t(c)] = std::sqrt(scale[std::size_t(c)]);
        if (!(scale[std::size_t(c)] > 0.0) || !std::isfinite(scale[std::size_t(c)]))
            return std::nullopt;
    }
    Matrix a(n + (mu > 0.0 ? p : 0), p);
    r.resize(std::size_t(a.rows), 0.0);
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < p; ++c)
            a(i, c) = j(i, c) / scale[std::size_t(c)];
    for (int c = 0; mu > 0.0 && c < p; ++c)
        a(n + c, c) = std::sqrt(mu);
    for (int k = 0; k < p; ++k)
        if (!reflect(a, r, k))
            return std::nullopt;
    for (int k = 0; k < p; ++k)
        if (!(std::abs(a(k, k)) > 1e-10))
            return std::nullopt;
    // R·z = Qᵀr, then R⁻¹ for the covariance.
    Matrix rinv(p, p);
    for (int c = p - 1; c >= 0; --c) {
        rinv(c, c) = 1.0 / a(c, c);
        for (int row = c - 1; row >= 0; --row) {
            double s = 0.0;
            for (int m = row + 1; m <= c; ++m)
                s += a(row, m) * rinv(m, c);
            rinv(row, c) = -s / a(row, row);
        }
    }
    Solution out;
    out.step.assign(std::size_t(p), 0.0);
    out.inverse = Matrix(p, p);
    for (int row = 0; row < p; ++row) {
        for (int m = row; m < p; ++m)
            out.step[std::size_t(row)] += rinv(row, m) * r[std::size_t(m)];
        out.step[std::size_t(row)] /= scale[std::size_t(row)];
        for (int c = 0; c < p; ++c) {
            double s = 0.0;
            for (int m = std::max(row, c); m < p; ++m)
                s += rinv(row, m) * rinv(c, m);
            out.inverse(row, c) = s / (scale[std::size_t(row)] * scale[std::size_t(c)]);
        }
    }
    return out;
}

// E = (1 − e^{−λt})/λ and F = (t − E)/λ, with their derivatives in λ. As λ → 0, E → t and
// F → t²/2: for small λt the series, as the closed forms cancel there.
struct Kernel
{
    double e, f, de, df;
};

Kernel kernel(double lambda, double t)
{
    const double u = lambda * t;
    if (std::abs(u) < 0.5) {
        Kernel k{0.0, 0.0, 0.0, 0.0};
        double power = 1.0, previous = 0.0, c1 = 1.0, c2 = 0.5; // (−u)^n, 1/(n+1)!, 1/(n+2)!
        for (int n = 0; n < 30; ++n) {
            k.e += power * c1;
            k.f += power * c2;
            k.de += n * previous * c1;
            k.df += n * previous * c2;
            previous = power;
            power *= -u;
            c1 /= n + 2;
            c2 /= n + 3;
        }
        return {t * k.e, t * t * k.f, -t * t * k.de, -t * t * t * k.df};
    }
    const double e = -std::expm1(-u) / lambda;
    const double f = (t - e) / lambda;
    const double de = (t * std::exp(-u) - e) / lambda;
    return {e, f, de, -(de + f) / lambda};
}

double lambdaOf(const Vector &p)
{
    return p.size() > LAMBDA ? p[LAMBDA] : 0.0;
}

QPointF modelAt(const Vector &p, double t)
{
    const Kernel k = kernel(lambdaOf(p), t);
    return {p[X0] + p[V0X] * k.e, p[Y0] + p[V0Y] * k.e - p[G] * k.f};
}

// Residuals (measured − model, x then y for each point) and the model's Jacobian.
struct Linearised
{
    Matrix j{0, 0};
    Vector r;
    double rss = 0.0;
};

Linearised linearise(const std::vector<FitPoint> &points, const Vector &p)
{
    const int n = int(points.size()), cols = int(p.size());
    Linearised out;
    out.j = Matrix(2 * n, cols);
    out.r.resize(std::size_t(2 * n));
    for (int i = 0; i < n; ++i) {
        const FitPoint &pt = points[std::size_t(i)];
        const Kernel k = kernel(lambdaOf(p), pt.t);
        const QPointF at = modelAt(p, pt.t);
        out.r[std::size_t(2 * i)] = pt.x - at.x();
        out.r[std::size_t(2 * i + 1)] = pt.y - at.y();
        out.j(2 * i, X0) = 1.0;
        out.j(2 * i, V0X) = k.e;
        out.j(2 * i + 1, Y0) = 1.0;
        out.j(2 * i + 1, V0Y) = k.e;
        out.j(2 * i + 1, G) = -k.f;
        if (cols > LAMBDA) {
            out.j(2 * i, LAMBDA) = p[V0X] * k.de;
            out.j(2 * i + 1, LAMBDA) = p[V0Y] * k.de - p[G] * k.df;
        }
    }
    for (double e : out.r)
        out.rss += e * e;
    return out;
}

QString inputProblem(const std::vector<FitPoint> &points, std::size_t least, const QString &model)
{
    if (points.size() < least)
        return QStringLiteral("Il faut au moins %1 points pour modéliser le mouvement %2.")
            .arg(least)
            .arg(model);
    for (const FitPoint &p : points)
        if (!std::isfinite(p.t) || !std::isfinite(p.x) || !std::isfinite(p.y))
            return QStringLiteral("Une date ou une position des points n'est pas un nombre.");
    const auto [first, last] =
        std::minmax_element(points.begin(), points.end(),
                            [](const FitPoint &a, const FitPoint &b) { return a.t < b.t; });
    if (first->t == last->t)
        return QStringLiteral("Tous les points ont la même date : le mouvement ne peut pas être "
                              "modélisé.");
    return {};
}

QString singularText()
{
    return QStringLiteral("Les points ne suffisent pas à déterminer les paramètres du modèle.");
}

Estimate estimate(const Vector &p, const Matrix &c, int i)
{
    return {p[std::size_t(i)], std::sqrt(std::max(0.0, c(i, i)))};
}

// The covariance of a function of v0x and v0y, from its gradient.
double sigmaThrough(const Matrix &c, double dx, double dy)
{
    const double var = dx * dx * c(V0X, V0X) + 2.0 * dx * dy * c(V0X, V0Y) + dy * dy * c(V0Y, V0Y);
    return std::sqrt(std::max(0.0, var));
}

FitResult resultOf(const std::vector<FitPoint> &points, const Vector &p, FitModel model)
{
    FitResult out;
    out.model = model;
    const Linearised l = linearise(points, p);
    const auto s = solve(l.j, l.r, 0.0);
    if (!s) {
        out.error = singularText();
        return out;
    }
    const int n = int(points.size()), dof = 2 * n - int(p.size());
    Matrix c = s->inverse;
    for (double &e : c.a)
        e *= l.rss / dof;
    out.x0 = estimate(p, c, X0);
    out.y0 = estimate(p, c, Y0);
    out.v0x = estimate(p, c, V0X);
    out.v0y = estimate(p, c, V0Y);
    out.g = estimate(p, c, G);
    if (model == FitModel::LinearAir)
        out.lambda = estimate(p, c, LAMBDA);
    const double vx = p[V0X], vy = p[V0Y], v = std::hypot(vx, vy);
    out.v0 = {v, v > 0.0 ? sigmaThrough(c, vx / v, vy / v) : 0.0};
    const double toDegrees = 180.0 / std::numbers::pi;
    out.alpha = {std::atan2(vy, vx) * toDegrees,
                 v > 0.0 ? sigmaThrough(c, -vy / (v * v), vx / (v * v)) * toDegrees : 0.0};
    for (int i = 0; i < n; ++i)
        out.residuals.emplace_back(l.r[std::size_t(2 * i)], l.r[std::size_t(2 * i + 1)]);
    out.rms = std::sqrt(l.rss / (2 * n));
    return out;
}

FitResult failure(FitModel model, const QString &why)
{
    FitResult out;
    out.model = model;
    out.error = why;
    return out;
}

bool smallStep(const Vector &step, const Vector &p)
{
    for (std::size_t i = 0; i < p.size(); ++i)
        if (std::abs(step[i]) > 1e-12 * (std::abs(p[i]) + 1e-6))
            return false;
    return true;
}

// Levenberg–Marquardt from p; nothing when it does not settle.
std::optional<Vector> minimise(const std::vector<FitPoint> &points, Vector p)
{
    double mu = 1e-3;
    Linearised l = linearise(points, p);
    for (int iteration = 0; iteration < 500; ++iteration) {
        if (l.rss == 0.0)
            return p;
        const auto s = solve(l.j, l.r, mu);
        if (!s)
            return std::nullopt;
        Vector trial = p;
        for (std::size_t i = 0; i < p.size(); ++i)
            trial[i] += s->step[i];
        Linearised next = linearise(points, trial);
        if (std::isfinite(next.rss) && next.rss <= l.rss) {
            const bool flat = mu < 1.0 && l.rss - next.rss <= 1e-14 * l.rss;
            const bool settled = smallStep(s->step, trial) || flat;
            p = std::move(trial);
            l = std::move(next);
            mu = std::max(mu / 10.0, 1e-15);
            if (settled)
                return p;
        } else if ((mu *= 10.0) > 1e16) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

QPointF FitResult::positionAt(double t) const
{
    return modelAt({x0.value, y0.value, v0x.value, v0y.value, g.value, lambda.value}, t);
}

FitResult fitVacuum(const std::vector<FitPoint> &points)
{
    const FitModel model = FitModel::Vacuum;
    if (const QString problem = inputProblem(points, 3, QStringLiteral("dans le vide"));
        !problem.isEmpty())
        return failure(model, problem);
    // Linear in its parameters: one step from zero is the solution.
    const Vector zero(5, 0.0);
    const Linearised l = linearise(points, zero);
    const auto s = solve(l.j, l.r, 0.0);
    if (!s)
        return failure(model, singularText());
    return resultOf(points, s->step, model);
}

FitResult fitLinearAir(const std::vector<FitPoint> &points, double masse)
{
    const FitModel model = FitModel::LinearAir;
    if (const QString problem = inputProblem(points, 4, QStringLiteral("avec frottement"));
        !problem.isEmpty())
        return failure(model, problem);
    if (!std::isfinite(masse) || masse <= 0.0)
        return failure(model, QStringLiteral("La masse doit être un nombre positif."));
    const FitResult vacuum = fitVacuum(points);
    if (!vacuum.ok())
        return failure(model, vacuum.error);
    const Vector start{vacuum.x0.value,  vacuum.y0.value, vacuum.v0x.value,
                       vacuum.v0y.value, vacuum.g.value,  0.01};
    const auto p = minimise(points, start);
    if (!p)
        return failure(model,
                       QStringLiteral("Le calcul du modèle avec frottement n'a pas abouti."));
    FitResult out = resultOf(points, *p, model);
    out.k = {masse * out.lambda.value, masse * out.lambda.sigma};
    return out;
}

namespace {

// The decimal place that σ's rounding keeps: one significant digit, two when it is a 1.
int decimalsOf(double sigma)
{
    int e = int(std::floor(std::log10(sigma)));
    double two = std::round(sigma / std::pow(10.0, e - 1)); // 10..100
    if (two >= 100.0)
        two = std::round(sigma / std::pow(10.0, ++e - 1));
    return two < 20.0 ? 1 - e : -e;
}

// Rounded to `decimals` places, negative for tens, hundreds...
QString rounded(double value, int decimals)
{
    if (decimals >= 0)
        return numfmt::fixed(value, decimals);
    const double unit = std::pow(10.0, -decimals);
    return numfmt::fixed(std::round(value / unit) * unit, 0);
}

} // namespace

QString withUncertainty(const QString &symbol, double value, double sigma, const QString &unit)
{
    const QString tail = unit.isEmpty() ? QString() : QLatin1Char(' ') + unit;
    if (!std::isfinite(value))
        return symbol + QStringLiteral(" : valeur indéterminée");
    if (!std::isfinite(sigma) || sigma <= 0.0) {
        const int magnitude = value == 0.0 ? 0 : int(std::floor(std::log10(std::abs(value))));
        return symbol + QStringLiteral(" = ") + rounded(value, std::max(0, 2 - magnitude)) + tail;
    }
    const int decimals = decimalsOf(sigma);
    return symbol + QStringLiteral(" = ") + rounded(value, decimals) + QStringLiteral(" ± ") +
           rounded(sigma, decimals) + tail;
}

} // namespace orbane::pointage
