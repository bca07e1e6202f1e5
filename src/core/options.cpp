#include "core/options.h"

#include "core/tables.h"

#include <algorithm>
#include <array>

namespace orbane {

namespace {

template <int I> bool &check(Controls &c)
{
    return c.Check[I];
}
template <bool Controls::*Field> bool &flag(Controls &c)
{
    return c.*Field;
}

bool check1Enabled(const Controls &, const Display &d)
{
    return d.check1Enabled;
}
bool check3Enabled(const Controls &, const Display &d)
{
    return d.check3Enabled;
}
bool check7Enabled(const Controls &, const Display &d)
{
    return d.check7Enabled;
}
bool hasAir(const Controls &c)
{
    return place(c.Combo1).airDensity > 0.0;
}
// A place with air, between two flights: a flight keeps the motion law it was launched with.
bool withAir(const Controls &c, const Display &d)
{
    return hasAir(c) && d.check1Enabled;
}
// Drawn in the air only, during a flight too: the option on and a place with air.
bool airOn(const Controls &c, const Display &)
{
    return c.drag && hasAir(c);
}
// Drawn with the construction of Δv only.
bool withConstruction(const Controls &c, const Display &)
{
    return c.Check[6] && c.Check[7];
}

constexpr const char *kDisplayHint =
    "Les options d'affichage s'appliquent également à l'image copiée ou imprimée.";

// Check I is saved in record 11 + I; within a tab, the rows stand in reading order.
constexpr int checkRecord(int index)
{
    return 11 + index;
}

using R = OptionReaction;
using T = OptionTab;

const std::array<Option, 18> kOptions = {{
    {"Check1", "Afficher le repère", kDisplayHint, &check<1>, R::AxesFollow, &check1Enabled,
     checkRecord(1), T::Display, 12, 10},
    {"Check3", "Afficher la grille", kDisplayHint, &check<3>, R::Redraw, &check3Enabled,
     checkRecord(3), T::Display, 32, 34},
    {"Check10", "Traits épais", nullptr, &check<10>, R::Redraw, nullptr, checkRecord(10),
     T::Display, 12, 58},
    {"Check8", "Marquer la trajectoire",
     "La trajectoire est tracée lorsque le projectile est en mouvement", &check<8>,
     R::TrajectoryBreaks, nullptr, checkRecord(8), T::Display, 12, 82},
    {"speed", "Animation au ralenti", nullptr, &flag<&Controls::speed>, R::Later, nullptr, 24,
     T::Display, 12, 106},
    {"Check4", "Arrêter l'animation si le projectile sort de l'écran",
     "Si cette case est cochée, l'animation sera stoppée si le projectile sort de l'écran.",
     &check<4>, R::Later, nullptr, checkRecord(4), T::Display, 12, 130},
    {"Check5", "Afficher le vecteur vitesse", nullptr, &check<5>, R::Redraw, nullptr,
     checkRecord(5), T::Vectors, 12, 17},
    {"Check6", "Afficher la variation du vecteur vitesse", nullptr, &check<6>,
     R::ConstructionFollows, nullptr, checkRecord(6), T::Vectors, 12, 35},
    {"Check7", "Afficher la construction", nullptr, &check<7>, R::Redraw, &check7Enabled,
     checkRecord(7), T::Vectors, 32, 53},
    {"Check12", "Afficher le vecteur poids", nullptr, &check<12>, R::Redraw, nullptr,
     checkRecord(12), T::Vectors, 12, 154},
    {"secondLaw", "Afficher m·Δv/Δt",
     "Avec la construction de Δv : m·Δv/Δt, à côté de P, ou de P + f dans l'air",
     &flag<&Controls::secondLaw>, R::Redraw, &withConstruction, 34, T::Vectors, 176, 154},
    {"vectorNames", "Nommer les vecteurs",
     "Écrit v, P, f, Δv et m·Δv/Δt à côté des flèches, sur la scène et dans le pointage",
     &flag<&Controls::vectorNames>, R::Redraw, nullptr, 36, T::Vectors, 176, 17},
    {"Check9", "Conserver les vecteurs représentés sur la chronophotographie", nullptr, &check<9>,
     R::Later, nullptr, checkRecord(9), T::Chrono, 12, 62},
    {"Check2", "Marquer uniquement les positions du centre d'inertie", kDisplayHint, &check<2>,
     R::Later, nullptr, checkRecord(2), T::Chrono, 12, 84},
    {"Check11", "Afficher les projections sur les axes", nullptr, &check<11>, R::Later, nullptr,
     checkRecord(11), T::Chrono, 12, 106},
    {"drag", "Frottements de l'air",
     "L'air freine le projectile dès le lancer suivant ; la Lune, sans air, n'en a pas.",
     &flag<&Controls::drag>, R::Redraw, &withAir, kDragRecord, T::Display, 12, 154},
    {"dragForce", "Afficher la force de frottement",
     "Dans l'air : la force de frottement f, opposée à la vitesse, à l'échelle des forces du "
     "poids",
     &flag<&Controls::dragForce>, R::Redraw, &airOn, kDragForceRecord, T::Vectors, 132, 135},
    {"vacuumGhost", "Comparer avec le vide",
     "Dessine en tirets le mouvement qu'aurait le projectile sans air (scène et graphe).",
     &flag<&Controls::vacuumGhost>, R::Redraw, &airOn, 42, T::Display, 176, 106},
}};

} // namespace

std::span<const Option> options()
{
    return kOptions;
}

const Option *option(const QString &objectName)
{
    const auto it = std::find_if(kOptions.begin(), kOptions.end(), [&](const Option &o) {
        return objectName == QLatin1String(o.objectName);
    });
    return it == kOptions.end() ? nullptr : &*it;
}

const Option &checkOption(int index)
{
    return *option(QStringLiteral("Check%1").arg(index));
}

} // namespace orbane
