#include "pointage/measurement.h"

#include "core/numberformat.h"
#include "core/units.h"
#include "exchange/format.h"
#include "exchange/tables.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace orbane::pointage {

namespace {

// The photographs' own interval, rounded to the millisecond their box holds.
double intervalOf(const std::vector<PhotoPosition> &photos)
{
    if (photos.size() < 2)
        return 0.0;
    return std::round((photos[1].t - photos[0].t) * 1000.0) / 1000.0;
}

double length(QPointF v) { return std::hypot(v.x(), v.y()); }

} // namespace

Measurement::Measurement(std::vector<PhotoPosition> photos, double masse, double g)
    : m_photos(std::move(photos)), m_masse(masse), m_g(g), m_tau(intervalOf(m_photos))
{
}

bool Measurement::add(QPointF pixel)
{
    if (full())
        return false;
    m_points.push_back(pixel);
    return true;
}

void Measurement::undo()
{
    if (!m_points.empty())
        m_points.pop_back();
}

// The same conversion as the axes and the scene's coordinate tool tip.
QPointF Measurement::position(int i) const
{
    const QPointF p = pixel(i);
    return {scene::metresX(p.x()), scene::metresY(p.y())};
}

QPointF Measurement::photoPixel(int i) const
{
    const PhotoPosition &photo = m_photos.at(std::size_t(i));
    return {scene::pixelX(photo.x), scene::pixelY(photo.y)};
}

std::optional<QPointF> Measurement::velocity(int i) const
{
    if (i < 1 || i + 1 >= count() || m_tau <= 0.0)
        return std::nullopt;
    return (position(i + 1) - position(i - 1)) / (2.0 * m_tau);
}

std::optional<QPointF> Measurement::deltaV(int i) const
{
    const auto before = velocity(i - 1), after = velocity(i + 1);
    if (!before || !after)
        return std::nullopt;
    return *after - *before;
}

std::optional<QPointF> Measurement::force(int i) const
{
    const auto dv = deltaV(i);
    if (!dv)
        return std::nullopt;
    return *dv * (m_masse / (2.0 * m_tau));
}

std::optional<double> Measurement::typicalForce() const
{
    std::vector<double> lengths;
    for (int i = 0; i < count(); ++i)
        if (const auto f = force(i))
            lengths.push_back(length(*f));
    if (lengths.empty())
        return std::nullopt;
    std::sort(lengths.begin(), lengths.end());
    const std::size_t half = lengths.size() / 2;
    return lengths.size() % 2 ? lengths[half] : (lengths[half - 1] + lengths[half]) / 2.0;
}

double Measurement::distance(int i) const
{
    const PhotoPosition &photo = m_photos.at(std::size_t(i));
    return length(position(i) - QPointF(photo.x, photo.y));
}

int Measurement::withinTolerance() const
{
    int n = 0;
    for (int i = 0; i < count(); ++i)
        n += distance(i) <= kTolerance ? 1 : 0;
    return n;
}

VectorCheck checkVector(QPointF drawn, QPointF computed)
{
    VectorCheck c;
    const double drawnLength = length(drawn), computedLength = length(computed);
    if (drawnLength == 0.0 || computedLength == 0.0) {
        c.verdict = QStringLiteral("Vecteur nul : tracer le vecteur depuis le point");
        return c;
    }
    const double cosine =
        (drawn.x() * computed.x() + drawn.y() * computed.y()) / (drawnLength * computedLength);
    const double degrees = std::acos(std::clamp(cosine, -1.0, 1.0)) * 180.0 / std::numbers::pi;
    c.directionOk = degrees <= 5.0;
    const double ratio = drawnLength / computedLength;
    c.lengthOk = std::abs(ratio - 1.0) <= 0.10;
    QStringList faults;
    if (!c.lengthOk)
        faults << (ratio > 1.0 ? QStringLiteral("trop long") : QStringLiteral("trop court"));
    if (!c.directionOk)
        faults << QStringLiteral("direction à revoir");
    c.verdict = faults.isEmpty() ? QStringLiteral("Correct")
                                 : QStringLiteral("Vecteur ") + faults.join(QStringLiteral(", "));
    return c;
}

namespace {

std::vector<exchange::Column> tableColumns()
{
    const QString points = QStringLiteral("des points");
    const auto column = [](const char *name, const QString &symbol, const char *unit,
                           const QString &quantity) {
        return exchange::Column{.name = QString::fromLatin1(name),
                                .unit = QString::fromLatin1(unit),
                                .symbol = symbol,
                                .quantity = quantity};
    };
    const QString velocity = QStringLiteral("Vitesse"), dv = QStringLiteral("Variation de vitesse");
    return {exchange::timeColumn(),
            exchange::positionColumn(QStringLiteral("x"), points),
            exchange::positionColumn(QStringLiteral("y"), points),
            column("vx", QStringLiteral("vx"), "m/s", velocity),
            column("vy", QStringLiteral("vy"), "m/s", velocity),
            column("v", QStringLiteral("v"), "m/s", velocity),
            column("dvx", QStringLiteral("Δvx"), "m/s", dv),
            column("dvy", QStringLiteral("Δvy"), "m/s", dv),
            column("mdvdt", QStringLiteral("m·Δv/Δt"), "N", QStringLiteral("Force"))};
}

double xOf(QPointF v) { return v.x(); }
double yOf(QPointF v) { return v.y(); }

// A component or the length of a vector, where the vector can be computed.
std::optional<double> cellOf(const std::optional<QPointF> &v, double (*of)(QPointF))
{
    return v ? std::optional(of(*v)) : std::nullopt;
}

} // namespace

exchange::Table table(const Measurement &m)
{
    exchange::Table out;
    out.columns = tableColumns();
    out.note = QStringLiteral("une case est vide où le point n'a pas les voisins qu'il faut");
    for (int i = 0; i < m.count(); ++i) {
        const QPointF p = m.position(i);
        const auto v = m.velocity(i);
        const auto dv = m.deltaV(i);
        out.rows.push_back({m.time(i), p.x(), p.y(), cellOf(v, xOf), cellOf(v, yOf),
                            cellOf(v, length), cellOf(dv, xOf), cellOf(dv, yOf),
                            cellOf(m.force(i), length)});
    }
    return out;
}

namespace {

QString pythonList(const Measurement &m, const std::function<double(int)> &value)
{
    QStringList items;
    for (int i = 0; i < m.count(); ++i)
        items << exchange::number(value(i), 4, exchange::Decimal::Point);
    return QLatin1Char('[') + items.join(QStringLiteral(", ")) + QLatin1Char(']');
}

} // namespace

QString pythonProgram(const Measurement &m)
{
    using exchange::number;
    const auto point = exchange::Decimal::Point;
    QString text = QStringLiteral(R"PY(# -*- coding: utf-8 -*-
# Pointage d'une chronophotographie, exporté par Orbane 1S.
# Vitesses et variations de vitesse par différences centrées, puis deuxième loi de Newton :
# m·Δv/Δt comparé au poids P = m·g.
import math

import matplotlib.pyplot as plt

# Mesures : dates (s) et positions (m) des points placés sur les photographies.
t = %1
x = %2
y = %3

tau = %4  # durée entre deux photographies (s)
m = %5    # masse du projectile (kg)
g = %6    # intensité de la pesanteur (N/kg)

n = len(t)

# Vitesse au point i : v_i = (M_(i+1) - M_(i-1)) / (2 tau), pour les points qui ont deux voisins.
vx = [None] * n
vy = [None] * n
for i in range(1, n - 1):
    vx[i] = (x[i + 1] - x[i - 1]) / (2 * tau)
    vy[i] = (y[i + 1] - y[i - 1]) / (2 * tau)

# Variation de vitesse au point i : Δv_i = v_(i+1) - v_(i-1), sur Δt = 2 tau.
dvx = [None] * n
dvy = [None] * n
for i in range(2, n - 2):
    dvx[i] = vx[i + 1] - vx[i - 1]
    dvy[i] = vy[i + 1] - vy[i - 1]

# Deuxième loi de Newton : m·Δv/Δt comparé au poids P = m·g.
P = m * g
print("Point   m·Δv/Δt (N)   P (N)")
for i in range(n):
    if dvx[i] is not None:
        force = m * math.hypot(dvx[i], dvy[i]) / (2 * tau)
        print(f"{i + 1:5d}   {force:11.2f}   {P:5.2f}")

# Trajectoire, vecteurs vitesse (bleu) et vecteurs variation de vitesse (rouge).
fig, ax = plt.subplots()
ax.plot(x, y, "k+", label="points mesurés")
iv = [i for i in range(n) if vx[i] is not None]
ax.quiver([x[i] for i in iv], [y[i] for i in iv], [vx[i] for i in iv], [vy[i] for i in iv],
          color="blue", angles="xy", scale_units="xy", scale=5, label="vitesse (1 m = 5 m/s)")
idv = [i for i in range(n) if dvx[i] is not None]
ax.quiver([x[i] for i in idv], [y[i] for i in idv], [dvx[i] for i in idv],
          [dvy[i] for i in idv], color="red", angles="xy", scale_units="xy", scale=5,
          label="variation de vitesse Δv")
ax.set_xlabel("x (m)")
ax.set_ylabel("y (m)")
ax.set_aspect("equal")
ax.legend()
ax.set_title("Pointage de la chronophotographie")
plt.savefig("pointage.png")
plt.show()
)PY");
    return text.arg(pythonList(m, [&](int i) { return m.time(i); }),
                    pythonList(m, [&](int i) { return m.position(i).x(); }),
                    pythonList(m, [&](int i) { return m.position(i).y(); }),
                    number(m.tau(), 3, point), number(m.masse(), 4, point),
                    number(m.g(), 4, point));
}

} // namespace orbane::pointage
