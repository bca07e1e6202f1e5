#include "core/tables.h"

#include <QDir>

namespace orbane {

const std::array<Place, 3> &places()
{
    static const std::array<Place, 3> table = {{
        {"Terre", 9.8f, "terre.jpg"},
        {"Lune", 1.62f, "lune.jpg"},
        {"Mars", 3.71f, "mars.jpg"},
    }};
    return table;
}

const std::array<Projectile, 5> &projectiles()
{
    static const std::array<Projectile, 5> table = {{
        {"pomme (180 g)", 0.18f, "pom.wav", "pomme", false},
        {"pierre (330 g)", 0.33f, "bim.wav", "pierre", false},
        {"ballon (450 g)", 0.45f, "bam.wav", "ballon", true},
        {"boule de pétanque (800 g)", 0.8f, "bam.wav", "petanque", false},
        {"rocher (1 830 kg)", 1830.0f, "boum.wav", "rocher", false},
    }};
    return table;
}

QString checkCaption(int index)
{
    static const char *const captions[] = {
        "",
        "Afficher le repère",
        "Marquer uniquement les positions du centre d'inertie",
        "Afficher la grille",
        "Arrêter l'animation si le projectile sort de l'écran",
        "Afficher le vecteur vitesse",
        "Afficher la variation du vecteur vitesse",
        "Afficher la construction",
        "Marquer la trajectoire",
        "Conserver les vecteurs représentés sur la chronophotographie",
        "Traits épais",
        "Afficher les projections sur les axes",
        "Afficher le vecteur poids",
    };
    return index >= 1 && index <= 12 ? QString::fromUtf8(captions[index]) : QString();
}

QString placeName(int index) { return QString::fromUtf8(places().at(index).name); }
QString projectileName(int index) { return QString::fromUtf8(projectiles().at(index).name); }

QString programFile(const QString &programDir, const QString &name)
{
    QString dir = programDir;
    if (!dir.endsWith(QLatin1Char('/')) && !dir.endsWith(QDir::separator()))
        dir += QLatin1Char('/');
    return dir + name;
}

} // namespace orbane
