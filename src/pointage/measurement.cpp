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

bool Measurement::full() const
{
    if (dated())
        return m_points.size() >= m_frameTimes.size();
    // A real photograph has no photographs counted: as many points as the pupil sees.
    return !m_photos.empty() ? m_points.size() >= m_photos.size() : m_points.size() >= kMaxPoints;
}

bool Measurement::add(QPointF pixel)
{
    if (full() || dated())
        return false;
    m_points.push_back(pixel);
    return true;
}

bool Measurement::add(QPointF pixel, int frame)
{
    if (frame < 0 || frame >= int(m_frameTimes.size()))
        return false;
    const auto at = std::lower_bound(m_frames.begin(), m_frames.end(), frame);
    const auto i = std::size_t(at - m_frames.begin());
    if (at != m_frames.end() && *at == frame) {
        m_points[i] = pixel;
        return true;
    }
    m_frames.insert(at, frame);
    m_points.insert(m_points.begin() + std::ptrdiff_t(i), pixel);
    return true;
}

void Measurement::undo()
{
    if (!m_points.empty())
        m_points.pop_back();
    if (!m_frames.empty())
        m_frames.pop_back();
}

void Measurement::setPoints(std::vector<QPointF> points, std::vector<int> frames)
{
    m_points = std::move(points);
    m_frames = std::move(frames);
}

std::optional<int> Measurement::pointOnFrame(int frame) const
{
    if (!dated())
        return frame >= 0 && frame < count() ? std::optional(frame) : std::nullopt;
    const auto at = std::lower_bound(m_frames.begin(), m_frames.end(), frame);
    if (at == m_frames.end() || *at != frame)
        return std::nullopt;
    return int(at - m_frames.begin());
}

double Measurement::time(int i) const
{
    return dated() ? m_frameTimes.at(std::size_t(frame(i))) : i * m_tau;
}

// The same conversion as the axes and the scene's coordinate tool tip, or the picture's own.
QPointF Measurement::position(int i) const { return toMetres(pixel(i)); }

QPointF Measurement::toMetres(QPointF p) const
{
    if (m_calibration)
        return m_calibration->toMetres(p);
    return {scene::metresX(p.x()), scene::metresY(p.y())};
}

QPointF Measurement::onPicture(QPointF v) const
{
    if (!m_calibration)
        return {v.x(), -v.y()};
    return m_calibration->onPicture(v) * m_calibration->metresPerPixel();
}

QPointF Measurement::fromPicture(QPointF v) const
{
    if (!m_calibration)
        return {v.x(), -v.y()};
    const double s = m_calibration->metresPerPixel();
    return s > 0.0 ? m_calibration->fromPicture(v) / s : QPointF();
}

QPointF Measurement::photoPixel(int i) const
{
    const PhotoPosition &photo = m_photos.at(std::size_t(i));
    return {scene::pixelX(photo.x), scene::pixelY(photo.y)};
}

std::pair<int, int> Measurement::span(int i) const
{
    return m_scheme == Scheme::Centred ? std::pair(i - 1, i + 1) : std::pair(i, i + 1);
}

// A photograph's interval times the photographs between, as before; a video's own dates.
double Measurement::duration(int from, int to) const
{
    return dated() ? time(to) - time(from) : (to - from) * m_tau;
}

std::optional<QPointF> Measurement::velocity(int i) const
{
    const auto [from, to] = span(i);
    if (from < 0 || to >= count())
        return std::nullopt;
    const double dt = duration(from, to);
    if (!(dt > 0.0))
        return std::nullopt;
    return (position(to) - position(from)) / dt;
}

std::optional<QPointF> Measurement::deltaV(int i) const
{
    const auto [from, to] = span(i);
    const auto before = velocity(from), after = velocity(to);
    if (!before || !after)
        return std::nullopt;
    return *after - *before;
}

std::optional<QPointF> Measurement::force(int i) const
{
    const auto dv = deltaV(i);
    if (!dv)
        return std::nullopt;
    const auto [from, to] = span(i);
    return *dv * (m_masse / duration(from, to));
}

std::optional<double> Measurement::typicalForce() const
{
    return medianLength([this](int i) { return force(i); });
}

QPointF Measurement::resultant(int i) const
{
    const QPointF weightVector(0.0, -weight());
    return inAir() ? weightVector + m_drag.at(std::size_t(i)) : weightVector;
}

std::optional<double> Measurement::typicalResultant() const
{
    return medianLength(
        [this](int i) { return force(i) ? std::optional<QPointF>(resultant(i)) : std::nullopt; });
}

// The median length of what `at` gives over the points, where it gives something.
std::optional<double>
Measurement::medianLength(const std::function<std::optional<QPointF>(int)> &at) const
{
    std::vector<double> lengths;
    for (int i = 0; i < count(); ++i)
        if (const auto v = at(i))
            lengths.push_back(length(*v));
    if (lengths.empty())
        return std::nullopt;
    std::sort(lengths.begin(), lengths.end());
    const std::size_t half = lengths.size() / 2;
    return lengths.size() % 2 ? lengths[half] : (lengths[half - 1] + lengths[half]) / 2.0;
}

double Measurement::distance(int i) const
{
    if (std::size_t(i) >= m_photos.size())
        return 0.0;
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

VectorColours coloursOf(const Controls &c) { return {c.Label4[0], c.Label4[1], c.Label4[7]}; }

namespace {

QString pythonColour(Rgb colour) { return QStringLiteral("#%1").arg(colour, 6, 16, QLatin1Char('0')); }

} // namespace

QString pythonVectorFigure()
{
    return QStringLiteral(R"PY(# Échelles : le plus long vecteur de chaque sorte mesure le quart de l'étendue des points.
etendue = max(max(x, default=0) - min(x, default=0), max(y, default=0) - min(y, default=0), 0.1)
v_max = max([math.hypot(vx[i], vy[i]) for i in iv], default=0.0)
f_max = max([math.hypot(fx[i], fy[i]) for i in idv] + [P])
echelle_v = v_max / (etendue / 4) if v_max > 0 else 1.0  # m/s pour 1 m de la figure
echelle_f = f_max / (etendue / 4) if f_max > 0 else 1.0  # N pour 1 m de la figure

fig, ax = plt.subplots()
ax.plot(x, y, "k+", label="points mesurés")
bords_x = list(x)
bords_y = list(y)


def fleches(points, u, v, echelle, couleur, legende, **trait):
    """Trace les vecteurs (u, v) aux points donnés et retient leurs extrémités."""
    if not points:
        return
    ax.quiver([x[i] for i in points], [y[i] for i in points], [u[i] for i in points],
              [v[i] for i in points], color=couleur, angles="xy", scale_units="xy",
              scale=echelle, label=legende, **trait)
    bords_x.extend(x[i] + u[i] / echelle for i in points)
    bords_y.extend(y[i] + v[i] / echelle for i in points)


fleches(iv, vx, vy, echelle_v, couleur_vitesse,
        f"vitesse v (1 m pour {virgule(float(f'{echelle_v:.3g}'))} m/s)", width=0.005)
# P plus large, dessous : m·Δv/Δt reste visible quand il lui est égal.
fleches(ip, px, py, echelle_f, couleur_poids,
        f"poids P (1 m pour {virgule(float(f'{echelle_f:.3g}'))} N)", width=0.012, zorder=2)
fleches(idv, fx, fy, echelle_f, couleur_variation, "m·Δv/Δt (même échelle que P)",
        width=0.005, zorder=3)

# Toutes les flèches restent dans le cadre.
marge = 0.05 * max(max(bords_x) - min(bords_x), max(bords_y) - min(bords_y), 0.1)
ax.set_aspect("equal")
ax.set_xlim(min(bords_x) - marge, max(bords_x) + marge)
ax.set_ylim(min(bords_y) - marge, max(bords_y) + marge)
ax.xaxis.set_major_formatter(FuncFormatter(virgule))
ax.yaxis.set_major_formatter(FuncFormatter(virgule))
ax.set_xlabel("x (m)")
ax.set_ylabel("y (m)")
)PY");
}

QString pythonProgram(const Measurement &m, const VectorColours &colours)
{
    using exchange::number;
    const auto point = exchange::Decimal::Point;
    QString text = QStringLiteral(R"PY(# -*- coding: utf-8 -*-
# Pointage d'une chronophotographie, exporté par Orbane 1S.
# Vitesses et variations de vitesse par différences centrées, puis deuxième loi de Newton :
# m·Δv/Δt comparé au poids P = m·g.
import math
import os

import matplotlib.pyplot as plt
from matplotlib.ticker import FuncFormatter

# Mesures : dates (s) et positions (m) des points placés sur les photographies.
t = %1
x = %2
y = %3

tau = %4  # durée entre deux photographies (s)
m = %5    # masse du projectile (kg)
g = %6    # intensité de la pesanteur (N/kg)

# Couleurs des vecteurs, celles choisies dans Orbane 1S.
couleur_vitesse = "%7"
couleur_variation = "%8"
couleur_poids = "%9"

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


def virgule(valeur, _position=None):
    """Un nombre écrit avec la virgule décimale : 0,5 et non 0.5."""
    return f"{round(valeur, 6) + 0.0:g}".replace(".", ",")


# Vecteurs à tracer : vitesse, m·Δv/Δt et poids P (vers le bas), aux points qui les ont.
iv = [i for i in range(n) if vx[i] is not None]
idv = [i for i in range(n) if dvx[i] is not None]
ip = idv if idv else list(range(n))
fx = [None if dvx[i] is None else m * dvx[i] / (2 * tau) for i in range(n)]
fy = [None if dvy[i] is None else m * dvy[i] / (2 * tau) for i in range(n)]
px = [0.0] * n
py = [-P] * n

)PY");
    const QString tail = QStringLiteral(R"PY(ax.legend(loc="upper center", bbox_to_anchor=(0.5, -0.12), ncol=2)
ax.set_title("Pointage de la chronophotographie")

# L'image est enregistrée à côté de ce programme, d'où qu'on le lance.
image = os.path.splitext(os.path.abspath(__file__))[0] + ".png"
plt.savefig(image, bbox_inches="tight")
print("Figure enregistrée :", image)
plt.show()
)PY");
    text = text.arg(pythonList(m, [&](int i) { return m.time(i); }),
                    pythonList(m, [&](int i) { return m.position(i).x(); }),
                    pythonList(m, [&](int i) { return m.position(i).y(); }),
                    number(m.tau(), 3, point), number(m.masse(), 4, point),
                    number(m.g(), 4, point), pythonColour(colours.velocity),
                    pythonColour(colours.variation), pythonColour(colours.weight));
    return text + pythonVectorFigure() + tail;
}

} // namespace orbane::pointage
