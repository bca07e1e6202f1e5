#pragma once

#include "core/controls.h"

#include <QString>
#include <QtGlobal>
#include <vector>

namespace orbane {

// The simulated projectile, shared by every window. Times, speeds and g are single precision:
// the read-outs, the landing tick and the bounces depend on those roundings; positions are
// double.
struct SimState
{
    float temps = 0.0f;  // t (s) since launch; 0 = at the initial position
    float gpes = 9.8f;   // g of the place (m.s-2)
    float vox = 0.0f;    // initial velocity components (m.s-1)
    float voy = 0.0f;
    qint16 enrebond = 0; // 0 flight, 1 just touched the ground, 2 in a bounce arc
    float masse = 0.45f; // kg
    double xy[2] = {0.0, 0.0};
    bool affinit = false;   // the scene shows the initial situation drawn by retico
    QString msgcopie;

    // Main-window variables.
    float dt = 0.04f;
    qint16 chronoactif = 0;
    float tphoto = 0.0f;
    qint16 photo = 0;
    float xrebond = 0.0f, yrebond = 0.0f;
    float vxrebond = 0.0f, vyrebond = 0.0f;
    float trebond = 0.0f;
    qint16 glisse = 0, glissex = 0, glissey = 0;

    // Exercises.
    QString nomexo;         // exercise file in use (or the program's folder)
    qint16 exocharge = 0;   // 1 once an exercise has been loaded
    qint16 textemodif = 0;  // 1 when the rich text was changed and not saved
};

// One recorded chronophotography mark (centre of inertia only).
struct PhotoMark
{
    qint16 x = 0, y = 0; // centre in scene pixels
    Rgb coul1 = 0;       // projections colour
    Rgb coul2 = 0;       // cross colour
    bool proj = false;   // projections drawn
};

// The marks photox/photoy/photocoul1/photocoul2/photoproj(1..nbphotos), kept as one array.
struct PhotoMarks
{
    static constexpr int kMax = 32767; // the 16-bit count; further marks are not recorded
    std::vector<PhotoMark> marks;
    quint64 generation = 0; // changes whenever the marks are forgotten
    int nbphotos() const { return int(marks.size()); }
    void clear()
    {
        marks.clear();
        ++generation;
    }
    bool add(const PhotoMark &m)
    {
        if (nbphotos() >= kMax)
            return false;
        marks.push_back(m);
        return true;
    }
};

// What the main window shows besides the control values: sprite positions, read-outs,
// enabled states. Kept in the core so every state of the window is testable headless.
struct Display
{
    double projLeft = 14.0; // `projectile` picture, top-left corner in scene pixels
    double projTop = 420.0;
    bool projVisible = true;
    double ombreLeft = 14.0; // `ombre` (its top stays at 420)
    QString Label3;          // date read-out
    QString Label1;          // coordinates read-out
    QString info;            // hint line

    bool timer1 = false; // Timer1 enabled
    bool check1Enabled = true;
    bool check3Enabled = false; // follows Check1
    bool check7Enabled = false; // follows Check6
    bool command3Enabled = true; // "Menu"
    bool command5Enabled = true; // "Agrandir"
    bool animationButtons = true; // command12, Command14, command15, command16, command18
    bool recording = false;       // maj12: camera shows the stop picture
    QString Label5 = QStringLiteral("Activer la chronophotographie");
    QString command12Tip = QStringLiteral("Chronophotographie");
    int VScroll2 = 0;
};

} // namespace orbane
