#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

// How large the whole program is drawn: Qt's scale factor, which is fixed before the
// application object exists. The teacher's choice is kept in a one-line file of its own.
namespace orbane::display {

// A fixed factor, or the largest that fits the screen.
struct Scale
{
    bool fit = false;
    double factor = 1.0; // when not fit
    bool operator==(const Scale &) const = default;
};

inline constexpr double kLargest = 3.0;

// "1", "1,5" or "1.5" (1 to 3), or "auto"; nothing for anything else.
std::optional<Scale> parseScale(const QString &text);
// "1,5", "auto": as the command line and the choice's file write it.
QString scaleText(const Scale &scale);
// The largest factor, in steps of 0,1 from 1 to 3, at which the 800 x 600 window, scaled, with
// a title bar and borders beside it, fits in `available` (a screen's free area at factor 1).
double fitFactor(const QSize &available);

// The file that keeps the choice: <configuration folder>/orbane1s/affichage.conf.
QString choiceFile();
// The kept choice (factor 1 when there is none or it cannot be read).
Scale storedScale();
// Keeps the choice; false with the reason in French when the file could not be written.
bool storeScale(const Scale &scale, QString *why);

// What this run was started with.
struct Start
{
    std::optional<QByteArray> userFactor; // QT_SCALE_FACTOR as the user set it, if set
    Scale choice;                         // asked on the command line, or kept
    bool fromCommandLine = false;
    double factor = 1.0;     // applied over the user's own factor
    bool pendingFit = false; // the fit waits for the screen, known once the application exists
};

// Before the application object: sets QT_SCALE_FACTOR for a fixed factor (the user's own
// factor multiplied by it), or prepares the fit. `asked` comes from the command line.
Start prepare(const std::optional<Scale> &asked);
// Once the application exists: for a fit other than 1, starts the program again in place at
// that factor (`argv` as the program received it). Returns only when nothing had to be done
// or the new start failed.
void fitToScreen(Start &start, char *argv[]);
// The run's start, as prepare() and fitToScreen() left it.
const Start &started();
// The environment for a new run: the user's own QT_SCALE_FACTOR, as it was.
void restoreUserEnvironment(const Start &start);

} // namespace orbane::display
