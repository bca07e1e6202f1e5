#pragma once

#include <QString>

namespace orbane::pointage {

// How velocities are taken from the points. Teachers use both.
enum class Scheme {
    Centred, // v_i = M_{i-1}M_{i+1} / (t_{i+1} - t_{i-1})
    Forward, // v_i = M_iM_{i+1} / (t_{i+1} - t_i)
};

// "centrée", "avant": the choice's own words, also the measurement file's.
inline QString schemeName(Scheme s)
{
    return s == Scheme::Centred ? QStringLiteral("centrée") : QStringLiteral("avant");
}

} // namespace orbane::pointage
