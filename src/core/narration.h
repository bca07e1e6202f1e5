#pragma once

#include "core/flight.h"

#include <QObject>
#include <QString>
#include <optional>

// The flight in words, for a pupil who follows it with a screen reader: the sentence that
// describes the scene, and the texts of the flight's events, with the motion law's figures.
namespace orbane {

class Simulation;

// A point of the motion law.
struct FlightPoint
{
    double t = 0.0, x = 0.0, y = 0.0; // s, m, m
};

namespace narration {

// The highest point of the flight from its launch; nothing when it never rises.
std::optional<FlightPoint> apex(const Flight &flight);
// The first ground contact of the flight; nothing when it never reaches the ground.
std::optional<FlightPoint> landing(const Flight &flight);

// The scene now; `rest` is the last impact when the projectile has come to rest after a flight.
QString describeScene(const Simulation &sim, std::optional<FlightPoint> rest);

QString launchText();
QString apexText(const FlightPoint &p);
QString impactText(const FlightPoint &p);
QString bounceText(int n, const FlightPoint &p);
QString exitText();
QString chronoEndText(int photographs);

} // namespace narration

// Follows the simulation's signals and announces the flight's events in order, each once.
class Announcer : public QObject
{
    Q_OBJECT
public:
    enum class Mode { Off, LandingOnly, All };

    explicit Announcer(const Simulation &sim, QObject *parent = nullptr);

    Mode mode() const { return m_mode; }
    void setMode(Mode mode) { m_mode = mode; }
    // The scene's sentence for the simulation's present state.
    QString describe() const;

signals:
    void announce(const QString &text);

private:
    void onLaunched();
    void onTicked();
    void onContact();
    void onStopped();
    void followChrono();
    void apexIfPassed(double t);
    void say(const QString &text, bool landing = false);
    FlightPoint contact(int index) const;
    bool atRestAfterFlight() const;

    const Simulation &m_sim;
    Mode m_mode = Mode::All;
    bool m_flying = false;
    float m_tickTime = -1.0f; // the time after the last tick
    std::optional<FlightPoint> m_apex;
    int m_contacts = 0;
    std::optional<FlightPoint> m_lastImpact;
    int m_photographs = 0;
};

} // namespace orbane
