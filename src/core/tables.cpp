#include "core/tables.h"

#include <QDir>
#include <stdexcept>

namespace orbane {

namespace {

const Place kPlaces[] = {
    {"Terre", 9.8f, "terre.jpg", false},
    {"Lune", 1.62f, "lune.jpg", true}, // no air: the impacts are silent
    {"Mars", 3.71f, "mars.jpg", false},
};

const Projectile kProjectiles[] = {
    {"pomme (180 g)", 0.18f, "pom.wav", "pomme", false, 1},
    {"pierre (330 g)", 0.33f, "bim.wav", "pierre", false, 1},
    {"ballon (450 g)", 0.45f, "bam.wav", "ballon", true, 1},
    {"boule de pétanque (800 g)", 0.8f, "bam.wav", "petanque", false, 1},
    {"rocher (1 830 kg)", 1830.0f, "boum.wav", "rocher", false, 10000},
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
