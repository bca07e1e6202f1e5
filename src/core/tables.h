#pragma once

#include "core/units.h"

#include <QString>
#include <span>

namespace orbane {

struct Place
{
    const char *name; // UTF-8 list text
    float g;          // m.s-2
    const char *picture;
    bool silentLanding; // no impact sound where nothing carries it
    double airDensity;  // kg.m-3 at the ground, 0 without air
};

struct Projectile
{
    const char *name;
    float mass; // kg
    const char *sound;
    const char *picture; // base name of the picture and of its shadow
    bool bounces;
    int newtonsPerUnit;     // the weight is drawn in units of this many newtons
    double diameter;        // m, of the sphere of the same volume for the irregular ones
    double dragCoefficient; // Cx, on the cross-section pi.d^2/4
};

// The lists' rows, in their order.
std::span<const Place> places();
std::span<const Projectile> projectiles();
// A row by its index in the list.
const Place &place(int index);
const Projectile &projectile(int index);


QString placeName(int index);
QString projectileName(int index);

// A file of the program's folder: the folder, a separator when it lacks one, the name.
QString programFile(const QString &programDir, const QString &name);

} // namespace orbane
