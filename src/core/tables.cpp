#include "core/tables.h"

#include <QDir>
#include <stdexcept>

namespace orbane {

namespace {

// Air at the ground: Terre, the standard atmosphere at sea level and 15-20 degrees C
// (1,2 to 1,225 kg.m-3); Mars, the mean surface pressure of about 600 Pa at 210 K (0,015 to
// 0,020 kg.m-3); the Moon has none.
const Place kPlaces[] = {
    {"Terre", 9.8f, "terre.jpg", false, 1.2},
    {"Lune", 1.62f, "lune.jpg", true, 0.0}, // no air: the impacts are silent
    {"Mars", 3.71f, "mars.jpg", false, 0.020},
};

// Sizes from the masses and usual densities: an apple (about 0,8 g.cm-3) of 7,5 cm; a stone of
// granite (2,7 g.cm-3) as a sphere of 6 cm; a size-5 football (68-70 cm round, 22 cm); a
// pétanque ball of 800 g, 78 mm (the regulation allows 70,5 to 80); the rock's granite as a
// sphere of 1,09 m. Drag coefficients from the usual engineering tables (Hoerner's
// Fluid-Dynamic Drag, textbook tables of drag against the Reynolds number): a sphere at
// Re 1e3-2e5 has 0,47 (the apple, whose Re is about 7e4, and the smooth steel ball); a
// football at kicking speeds, past its drag crisis (Re about 2e5), measures 0,2-0,3 in wind
// tunnels: 0,25; an irregular stone lies between the sphere and the cube (1,05): 0,8.
const Projectile kProjectiles[] = {
    {"pomme (180 g)", 0.18f, "pom.wav", "pomme", false, 1, 0.075, 0.47},
    {"pierre (330 g)", 0.33f, "bim.wav", "pierre", false, 1, 0.06, 0.8},
    {"ballon (450 g)", 0.45f, "bam.wav", "ballon", true, 1, 0.22, 0.25},
    {"boule de pétanque (800 g)", 0.8f, "bam.wav", "petanque", false, 1, 0.078, 0.47},
    {"rocher (1 830 kg)", 1830.0f, "boum.wav", "rocher", false, 10000, 1.09, 0.8},
};

template <typename Row> const Row &row(std::span<const Row> table, int index)
{
    if (index < 0 || std::size_t(index) >= table.size())
        throw std::out_of_range("table row");
    return table[std::size_t(index)];
}

} // namespace

std::span<const Place> places() { return kPlaces; }
std::span<const Projectile> projectiles() { return kProjectiles; }
const Place &place(int index) { return row(places(), index); }
const Projectile &projectile(int index) { return row(projectiles(), index); }

QString placeName(int index) { return QString::fromUtf8(place(index).name); }
QString projectileName(int index) { return QString::fromUtf8(projectile(index).name); }

QString programFile(const QString &programDir, const QString &name)
{
    QString dir = programDir;
    if (!dir.endsWith(QLatin1Char('/')) && !dir.endsWith(QDir::separator()))
        dir += QLatin1Char('/');
    return dir + name;
}

} // namespace orbane
