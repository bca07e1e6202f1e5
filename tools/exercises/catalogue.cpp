#include "catalogue.h"

#include <initializer_list>

namespace orbane::genexo {

namespace {

enum Place { Terre = 0, Lune = 1, Mars = 2 };
enum Projectile { Pomme = 0, Pierre = 1, Ballon = 2, Boule = 3 };

// The option boxes by their numbers (Check1 .. Check12).
enum Option {
    Repere = 1, CentreSeul, Grille, ArretSortie, Vitesse, Variation, Construction,
    Trajectoire, ConserverVecteurs, TraitsEpais, Projections, Poids,
};

struct Launch
{
    Place place;
    Projectile projectile;
    const char *x0, *y0, *v0, *angle;
};

// The settings of one situation: launch, options shown, and the few values that differ
// from the program's start-up ones.
Controls situation(const Launch &l, std::initializer_list<Option> options, bool slow = false,
                   const char *chrono = "300", int upDown = 6, int velocityScroll = 30,
                   int forceScroll = 70)
{
    Controls c;
    c.Combo1 = l.place;
    c.Combo2 = l.projectile;
    c.Text1 = QString::fromUtf8(l.x0);
    c.Text2 = QString::fromUtf8(l.y0);
    c.Text3 = QString::fromUtf8(l.v0);
    c.Text4 = QString::fromUtf8(l.angle);
    c.Check.fill(false);
    c.Check[Grille] = true;
    c.Check[ArretSortie] = true;
    c.Check[TraitsEpais] = true;
    for (Option o : options)
        c.Check[o] = true;
    c.speed = slow;
    c.chrono = QString::fromUtf8(chrono);
    c.UpDown1 = upDown;
    c.VScroll1 = velocityScroll; // 50 - value pixels per m.s-1
    c.VScroll3 = forceScroll;    // 100 - value pixels per N
    return c;
}

Text text(const char *name) { return {QString::fromLatin1(name) + ".RTF", QString::fromLatin1(name) + ".txt"}; }

Configuration config(const char *name, const Controls &c)
{
    return {QString::fromLatin1(name) + ".P08", c};
}

// "Frottements de l'air" on, the ballon's law typed in its boxes (its own Cx, the air of the
// Earth, the program's k) so that the file does not follow the tables.
Controls ballonInAir(Controls c, bool linear)
{
    c.drag = true;
    c.dragLinear = linear;
    c.dragK = QStringLiteral("0,05");
    c.dragCx = QStringLiteral("0,25");
    c.dragRho = QStringLiteral("1,20");
    return c;
}

QStringList lines(std::initializer_list<const char *> l)
{
    QStringList out;
    for (const char *s : l)
        out << QString::fromUtf8(s);
    return out;
}

std::vector<Exercise> build()
{
    std::vector<Exercise> all;
    const Launch tour{Terre, Ballon, "1,00", "1,00", "4,50", "80,00"};
    all.push_back({"ORBANE.PEM", QString::fromUtf8("Prise en main d'Orbane 1S"), 0,
                   lines({"Découverte du simulateur : scène, animation, onglets,",
                          "chronophotographie, graphes et exercices."}),
                   text("ORBANE"), config("ORBANE", situation(tour, {Repere, Vitesse, Trajectoire})),
                   std::nullopt, std::nullopt});

    const Launch chute{Terre, Pomme, "5,00", "5,00", "0,00", "0,00"};
    all.push_back({"CHUTE.E20", QString::fromUtf8("Chute libre d'une pomme"), 0,
                   lines({"Chute libre sans vitesse initiale.",
                          "Durée de la chute, vitesse à l'impact.",
                          "Le mouvement ne dépend pas de la masse."}),
                   text("CHUTE"),
                   config("CHUTE", situation(chute, {Repere, Vitesse, Trajectoire, Poids}, false, "100")),
                   text("CHUTEC"),
                   config("CHUTEC", situation(chute, {Repere, Vitesse, Trajectoire, Poids}, true, "100"))});

    const Launch horiz{Terre, Pierre, "0,00", "5,00", "5,00", "0,00"};
    all.push_back({"HORIZ.E20", QString::fromUtf8("Tir horizontal"), 1,
                   lines({"Mouvement dans le champ de pesanteur uniforme.",
                          "Indépendance des mouvements horizontal et vertical.",
                          "Équations horaires, équation de la trajectoire."}),
                   text("HORIZ"),
                   config("HORIZ", situation(horiz, {Repere, Vitesse, Trajectoire, Projections}, false, "200")),
                   text("HORIZC"),
                   config("HORIZC", situation(horiz, {Repere, Trajectoire, Projections, CentreSeul}, true, "200"))});

    const Launch moon{Lune, Pomme, "5,00", "0,00", "5,00", "90,00"};
    const Launch moonOblique{Lune, Pomme, "0,00", "0,00", "4,00", "45,00"};
    all.push_back({"ASTRES.E20", QString::fromUtf8("La Terre, la Lune et Mars"), 1,
                   lines({"Poids et masse ; intensité de la pesanteur g.",
                          "Lancer vertical : durée de la montée, hauteur maximale.",
                          "Comparaison de la Terre, de la Lune et de Mars."}),
                   text("ASTRES"),
                   config("ASTRES", situation(moon, {Repere, Vitesse, Poids}, false, "300", 6, 30, 0)),
                   text("ASTRESC"),
                   config("ASTRESC", situation(moonOblique, {Repere, Vitesse, Trajectoire, Poids}, false,
                                               "300", 6, 30, 0))});

    const Launch graphs{Terre, Pierre, "0,00", "1,00", "8,00", "50,00"};
    all.push_back({"GRAPHES.E20", QString::fromUtf8("Lire les graphes et le tableau de valeurs"), 1,
                   lines({"Équations horaires x(t), y(t), vx(t) et vy(t).",
                          "Lecture de graphes et d'un tableau de valeurs.",
                          "Coefficient directeur de vy(t) : l'accélération."}),
                   text("GRAPHES"), config("GRAPHES", situation(graphs, {Repere, Vitesse, Trajectoire})),
                   text("GRAPHESC"), config("GRAPHES", situation(graphs, {Repere, Vitesse, Trajectoire}))});

    const Launch range{Terre, Pierre, "0,00", "0,00", "9,00", "45,00"};
    const Launch rangeHigh{Terre, Pierre, "0,00", "2,00", "8,00", "38,00"};
    all.push_back({"PORTEE.E20", QString::fromUtf8("La portée d'un tir"), 2,
                   lines({"Portée et hauteur maximale en fonction de l'angle de tir.",
                          "Angles complémentaires ; angle de portée maximale.",
                          "Influence de la hauteur de lancement."}),
                   text("PORTEE"), config("PORTEE", situation(range, {Repere, Trajectoire}, true)),
                   text("PORTEEC"), config("PORTEEC", situation(rangeHigh, {Repere, Trajectoire}, true))});

    const Launch energy{Terre, Pierre, "0,00", "4,00", "6,00", "30,00"};
    all.push_back({"ENERGIE.E20", QString::fromUtf8("Conservation de l'énergie mécanique"), 2,
                   lines({"Énergie cinétique, énergie potentielle de pesanteur.",
                          "Conservation de l'énergie mécanique en l'absence de frottements.",
                          "Vitesse à l'arrivée au sol."}),
                   text("ENERGIE"),
                   config("ENERGIE", situation(energy, {Repere, Vitesse, Trajectoire, Poids})),
                   text("ENERGIEC"),
                   config("ENERGIE", situation(energy, {Repere, Vitesse, Trajectoire, Poids}))});

    const Launch petanque{Terre, Boule, "0,00", "0,00", "8,00", "60,00"};
    // Chronophotographs every 200 ms keep vectors computed over 2 x 200 ms, as UpDown1 = 4.
    all.push_back({"DELTAV.E20", QString::fromUtf8("Vecteur variation de vitesse et poids"), 2,
                   lines({"Vecteur vitesse et vecteur variation de vitesse.",
                          "Chronophotographie.",
                          "Deuxième loi de Newton (forme approchée)."}),
                   text("DELTAV"),
                   config("DELTAV", situation(petanque, {Vitesse, Variation, ConserverVecteurs},
                                              false, "200", 4, 30, 90)),
                   text("DELTAVC"),
                   config("DELTAVC", situation(petanque, {Vitesse, Variation, Construction,
                                                          ConserverVecteurs, Poids},
                                               false, "200", 4, 30, 90))});

    const Launch bounce{Terre, Ballon, "0,00", "5,00", "2,00", "0,00"};
    all.push_back({"REBOND.E20", QString::fromUtf8("Les rebonds du ballon"), 3,
                   lines({"Énergie mécanique et chocs : perte d'énergie au contact du sol.",
                          "Hauteurs successives des rebonds (suite géométrique).",
                          "Transferts d'énergie."}),
                   text("REBOND"),
                   config("REBOND", situation(bounce, {Repere, Trajectoire, CentreSeul}, true, "100")),
                   text("REBONDC"),
                   config("REBOND", situation(bounce, {Repere, Trajectoire, CentreSeul}, true, "100"))});

    const Launch target{Terre, Boule, "0,00", "1,00", "5,00", "45,00"};
    all.push_back({"PETANQUE.E20", QString::fromUtf8("Pointer à la pétanque"), 3,
                   lines({"Équation de la trajectoire.",
                          "Calcul de la vitesse initiale pour atteindre une cible.",
                          "Vérification par la simulation."}),
                   text("PETANQUE"), config("PETANQUE", situation(target, {Repere, Trajectoire}, true)),
                   std::nullopt, std::nullopt});

    const Launch kicked{Terre, Ballon, "0,00", "0,00", "8,00", "60,00"};
    const auto air = [&](bool linear) {
        return ballonInAir(situation(kicked, {Repere, Vitesse, Trajectoire, Poids}), linear);
    };
    all.push_back({"AIR.E20", QString::fromUtf8("Le ballon freiné par l'air"), 2,
                   lines({"Force de frottement de l'air, opposée à la vitesse.",
                          "Travail de la force de frottement : W(f) = Em(t) – Em(0).",
                          "Comparaison avec le mouvement dans le vide.",
                          "Modèles f = k·v et f = ½·ρ·Cx·S·v²."}),
                   text("AIR"), config("AIR", air(true)), text("AIRC"), config("AIRC", air(false))});

    const Launch wall{Terre, Pierre, "0,00", "3,00", "7,00", "45,00"};
    // A 20 m.s-1 kick lands far beyond the scene: the flight goes on out of sight.
    Controls longKick = ballonInAir(
        situation({Terre, Ballon, "0,00", "0,00", "20,00", "42,50"}, {Repere, Trajectoire}), false);
    longKick.Check[ArretSortie] = false;
    all.push_back({"OPTIMUM.E20", QString::fromUtf8("L'angle de portée maximale"), 3,
                   lines({"Angle de portée maximale d'un tir depuis une hauteur.",
                          "Étude de la portée en fonction de l'angle de tir.",
                          "Influence des frottements de l'air sur l'angle optimal."}),
                   text("OPTIMUM"), config("OPTIMUM", situation(wall, {Repere, Trajectoire}, true)),
                   text("OPTIMUMC"), config("OPTIMUMC", longKick)});
    return all;
}

} // namespace

const std::vector<Exercise> &catalogue()
{
    static const std::vector<Exercise> all = build();
    return all;
}

} // namespace orbane::genexo
