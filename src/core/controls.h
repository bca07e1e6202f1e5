#pragma once

#include "core/quantities.h"
#include "core/rgb.h"

#include <QString>
#include <array>

namespace orbane {

// The values held by the main window's controls. The simulation reads them the way the
// program reads its controls, a configuration file is a copy of them, and the widgets are
// bound to them.
struct Controls
{
    // Parameter boxes, as typed.
    QString Text1 = QStringLiteral("0");
    QString Text2 = QStringLiteral("0");
    QString Text3 = QStringLiteral("15,00");
    QString Text4 = QStringLiteral("77,00");
    QString chrono = QStringLiteral("300");

    int Combo1 = 0; // place
    int Combo2 = 2; // projectile

    // Check1..Check12 (index 0 unused).
    std::array<bool, 13> Check = defaultChecks();
    bool speed = false; // "Animation au ralenti"
    bool secondLaw = false; // "Afficher m·Δv/Δt": the second law beside the weight
    bool vectorNames = false; // "Nommer les vecteurs": symbols beside the heads
    // "Frottements de l'air" and its law, the boxes as typed. An empty box stands for its
    // default: Cx from the projectile, ρ from the place; choosing either empties its box again.
    bool drag = false;
    bool dragLinear = false; // "Modèle": f = k·v, else f = ½·ρ·Cx·S·v²
    QString dragK, dragCx, dragRho;
    bool dragForce = false; // "Afficher la force de frottement": f beside P, in the air
    bool vacuumGhost = false; // "Comparer avec le vide": the vacuum's flight beside the air's
    // Check13: the quantities of the live graph.
    QuantityChoice Check13{}; // none checked at start-up

    int VScroll1 = 30;
    int VScroll3 = 70;
    int UpDown1 = 6;

    std::array<Rgb, 9> Label4 = defaultColours();
    Rgb secondLawColour = kSecondLawColour; // the tenth swatch, past Label4
    Rgb dragForceColour = kDragForceColour; // the eleventh: f

    // The swatches as the colour dialog numbers them: Label4, then m·Δv/Δt as index 9 and f
    // as index 10.
    static constexpr int kSwatches = 11;
    static constexpr int kSecondLawSwatch = 9;
    static constexpr int kDragForceSwatch = 10;
    // Green: apart from every default swatch, the orange of v(t + Δt/2) included, and from the
    // cyan of P beside which it is drawn.
    static constexpr Rgb kSecondLawColour = rgb(0, 200, 0);
    // Violet: apart from every default swatch and from the sky's blue.
    static constexpr Rgb kDragForceColour = rgb(128, 0, 192);
    Rgb &swatchColour(int i)
    {
        return i == kSecondLawSwatch   ? secondLawColour
               : i == kDragForceSwatch ? dragForceColour
                                       : Label4.at(i);
    }
    Rgb swatchColour(int i) const { return const_cast<Controls *>(this)->swatchColour(i); }

    // Text1..Text4 by their number, 1 to 4.
    QString &box(int n) { return *std::array{&Text1, &Text2, &Text3, &Text4}.at(n - 1); }
    const QString &box(int n) const { return *std::array{&Text1, &Text2, &Text3, &Text4}.at(n - 1); }

    bool operator==(const Controls &) const = default;

    static constexpr std::array<bool, 13> defaultChecks()
    {
        std::array<bool, 13> c{};
        c[3] = true;  // Afficher la grille
        c[4] = true;  // Arrêter l'animation si le projectile sort de l'écran
        c[7] = true;  // Afficher la construction
        c[9] = true;  // Conserver les vecteurs représentés sur la chronophotographie
        c[10] = true; // Traits épais
        return c;
    }

    static constexpr std::array<Rgb, 9> defaultColours()
    {
        return {rgb(255, 0, 0),   rgb(255, 0, 255), rgb(255, 128, 0),
                rgb(0, 0, 255),   rgb(255, 255, 255), rgb(255, 255, 0),
                rgb(251, 66, 145), rgb(0, 255, 255), rgb(0, 0, 255)};
    }
};

} // namespace orbane
