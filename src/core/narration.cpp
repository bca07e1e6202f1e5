#include "core/narration.h"

#include "core/drag.h"
#include "core/numberformat.h"
#include "core/options.h"
#include "core/simulation.h"
#include "core/tables.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace orbane::narration {

namespace {

QString metres(double value)
{
    return numfmt::readout(value) + QStringLiteral(" m");
}
QString seconds(double value)
{
    return numfmt::readout(value) + QStringLiteral(" s");
}
QString speed(double value)
{
    return numfmt::fixed(value, 1) + QStringLiteral(" m.s⁻¹");
}

// "ballon (450 g)" of the list reads "ballon de 450 g".
QString projectileWords(const HiddenValues &hidden, int index)
{
    QString name = masked::projectileName(hidden, index);
    const qsizetype open = name.indexOf(QStringLiteral(" ("));
    if (open < 0 || !name.endsWith(QLatin1Char(')')))
        return name;
    return name.left(open) + QStringLiteral(" de ") + name.mid(open + 2).chopped(1);
}

// An option's caption without its verb: "Afficher le vecteur vitesse" is "vecteur vitesse".
// Captions that do not read so are named here.
QString briefName(const Option &o)
{
    static const std::pair<const char *, const char *> named[] = {
        {"Check4", "arrêt hors de l'écran"},
        {"Check9", "vecteurs conservés sur la chronophotographie"},
        {"Check2", "centre d'inertie seul"},
        {"vectorNames", "noms des vecteurs"},
        {"vacuumGhost", "comparaison avec le vide"},
    };
    for (const auto &[object, words] : named)
        if (o.name() == QLatin1String(object))
            return QString::fromUtf8(words);
    QString text = o.text();
    for (const char *verb : {"Afficher ", "Marquer "})
        if (text.startsWith(QLatin1String(verb)))
            text = text.mid(qsizetype(qstrlen(verb)));
    for (const char *article : {"le ", "la ", "les "})
        if (text.startsWith(QLatin1String(article)))
            text = text.mid(qsizetype(qstrlen(article)));
    return text.left(1).toLower() + text.mid(1);
}

QString optionsText(const Simulation &sim)
{
    QStringList ticked;
    // An option that follows another is listed only when it takes effect; the axes' box is
    // only locked during a flight. The air is told with the launch.
    for (const Option &o : options())
        if (o.value(sim.c) && o.name() != QLatin1String("drag") &&
            (o.isEnabled(sim.c, sim.d) || o.name() == QLatin1String("Check1")))
            ticked << briefName(o);
    if (sim.s.chronoactif != 0)
        ticked << QStringLiteral("chronophotographie toutes les %1 ms").arg(sim.c.chrono);
    if (ticked.isEmpty())
        return QStringLiteral("Aucune option.");
    return QStringLiteral("Options : ") + ticked.join(QStringLiteral(", ")) + QLatin1Char('.');
}

QString launchWords(const Simulation &sim)
{
    const HiddenValues &h = sim.hidden();
    QString text = masked::placeName(h, sim.c.Combo1) + QStringLiteral(", ") +
                   projectileWords(h, sim.c.Combo2);
    if (sim.dragActive())
        text += QStringLiteral(", avec frottements de l'air");
    return text + QStringLiteral(", lancé de x = %1, y = %2 à %3 sous %4°.")
                      .arg(metres(sim.x0()), metres(sim.y0()),
                           masked::unless(h.isHidden(SecretValue::V0),
                                          numfmt::box(sim.launch.v.value_or(0.0))) +
                               QStringLiteral(" m.s⁻¹"),
                           masked::unless(h.isHidden(SecretValue::Alpha),
                                          numfmt::box(sim.launch.alpha.value_or(0.0))));
}

struct Motion
{
    double t, x, y, vx, vy;
};

// Where the motion law has the projectile at the simulation's time: the bounce arc after a
// bounce in the vacuum, the flight otherwise (its integration ends at the rest).
Motion motionNow(const Simulation &sim)
{
    const double t = sim.s.temps;
    if (sim.s.enrebond == 2) {
        const Flight arc = sim.bounceArc();
        const double a = t - double(sim.s.trebond);
        return {t, arc.x(a), std::max(arc.y(a), 0.0), arc.vx(a), arc.vy(a)};
    }
    const Flight f = sim.flight();
    const double at = f.air ? std::min(t, f.air->end()) : t;
    return {at, f.x(at), std::max(f.y(at), 0.0), f.vx(at), f.vy(at)};
}

QString motionWords(const Simulation &sim)
{
    const Motion m = motionNow(sim);
    // Early in the flight the speed is close to v0.
    const bool hide = sim.hidden().isHidden(SecretValue::V0);
    return QStringLiteral("%1 : t = %2, x = %3, y = %4, vitesse %5.")
        .arg(m.vy > 0.0 ? QStringLiteral("montée") : QStringLiteral("descente"), seconds(m.t),
             metres(m.x), metres(m.y),
             hide ? masked::mark() + QStringLiteral(" m.s⁻¹") : speed(std::hypot(m.vx, m.vy)));
}

QString phaseWords(const Simulation &sim, std::optional<FlightPoint> rest)
{
    if (sim.d.timer1)
        return QStringLiteral("En vol, ") + motionWords(sim);
    if (sim.s.temps > 0.0f)
        return QStringLiteral("En pause, ") + motionWords(sim);
    if (rest)
        return QStringLiteral("Au repos, dernier impact à x = %1, t = %2.")
            .arg(metres(rest->x), seconds(rest->t));
    return QStringLiteral("Prêt au lancer.");
}

} // namespace

std::optional<FlightPoint> apex(const Flight &flight)
{
    if (!(flight.vy(0.0) > 0.0) || !(flight.g > 0.0))
        return std::nullopt;
    double t = flight.voy / flight.g;
    if (flight.air)
        t = flight.air->apexTime();
    return FlightPoint{t, flight.x(t), flight.y(t)};
}

std::optional<FlightPoint> landing(const Flight &flight)
{
    const auto t = flight.timeOfFlight();
    if (!t)
        return std::nullopt;
    return FlightPoint{*t, flight.x(*t), 0.0};
}

QString describeScene(const Simulation &sim, std::optional<FlightPoint> rest)
{
    return launchWords(sim) + QLatin1Char(' ') + phaseWords(sim, rest) + QLatin1Char(' ') +
           optionsText(sim);
}

QString launchText()
{
    return QStringLiteral("Lancer.");
}

QString apexText(const FlightPoint &p)
{
    return QStringLiteral("Sommet : y = %1 à t = %2.").arg(metres(p.y), seconds(p.t));
}

QString impactText(const FlightPoint &p)
{
    return QStringLiteral("Impact : x = %1 à t = %2.").arg(metres(p.x), seconds(p.t));
}

QString bounceText(int n, const FlightPoint &p)
{
    return QStringLiteral("Rebond %1 : x = %2 à t = %3.").arg(n).arg(metres(p.x), seconds(p.t));
}

QString exitText()
{
    return QStringLiteral("Sortie de la scène.");
}

QString chronoEndText(int photographs)
{
    return QStringLiteral("Fin de la chronophotographie : %1 photographie%2.")
        .arg(photographs)
        .arg(photographs > 1 ? QStringLiteral("s") : QString());
}

} // namespace orbane::narration

namespace orbane {

Announcer::Announcer(const Simulation &sim, QObject *parent) : QObject(parent), m_sim(sim)
{
    connect(&sim, &Simulation::launched, this, &Announcer::onLaunched);
    connect(&sim, &Simulation::photographed, this, [this] { ++m_photographs; });
    connect(&sim, &Simulation::landed, this, &Announcer::onContact);
    connect(&sim, &Simulation::bounced, this, &Announcer::onContact);
    connect(&sim, &Simulation::stopped, this, &Announcer::onStopped);
    connect(&sim, &Simulation::ticked, this, &Announcer::onTicked);
    connect(&sim, &Simulation::changed, this, &Announcer::followChrono);
}

QString Announcer::describe() const
{
    return narration::describeScene(m_sim, atRestAfterFlight() ? m_lastImpact : std::nullopt);
}

// At rest where the last flight left it, not put back at its initial position.
bool Announcer::atRestAfterFlight() const
{
    return m_lastImpact && !m_sim.d.timer1 && m_sim.s.temps == 0.0f &&
           (m_sim.s.xy[0] != m_sim.x0() || m_sim.s.xy[1] != m_sim.y0());
}

void Announcer::onLaunched()
{
    // A photograph at t = 0 brings the first tick's time back to 0: the same launch.
    if (m_flying && m_tickTime == 0.0f)
        return;
    m_flying = true;
    m_apex = narration::apex(m_sim.flight());
    m_contacts = 0;
    m_lastImpact.reset();
    say(narration::launchText());
}

void Announcer::onTicked()
{
    m_tickTime = m_sim.s.temps;
    if (!m_flying)
        return followChrono();
    if (m_sim.s.temps == 0.0f && !m_sim.d.timer1) {
        // Back at the initial position without having stopped: it left the scene.
        m_flying = false;
        say(narration::exitText());
    } else {
        apexIfPassed(m_sim.s.temps);
    }
    followChrono();
}

void Announcer::apexIfPassed(double t)
{
    if (m_apex && m_apex->t <= t) {
        say(narration::apexText(*m_apex));
        m_apex.reset();
    }
}

FlightPoint Announcer::contact(int index) const
{
    const Flight f = m_sim.flight();
    if (f.air) {
        const GroundContact &c = f.air->contacts()[std::size_t(index)];
        return {c.t, c.x, 0.0};
    }
    if (index == 0)
        return narration::landing(f).value_or(FlightPoint{m_sim.s.temps, m_sim.s.xy[0], 0.0});
    // The bounce arc that has just reached the ground, from its own contact.
    const Flight arc = m_sim.bounceArc();
    const double a = arc.timeOfFlight().value_or(0.0);
    return {double(m_sim.s.trebond) + a, arc.x(a), 0.0};
}

void Announcer::onContact()
{
    const FlightPoint p = contact(m_contacts);
    apexIfPassed(p.t);
    m_apex.reset();
    say(m_contacts == 0 ? narration::impactText(p) : narration::bounceText(m_contacts, p),
        m_contacts == 0);
    m_lastImpact = p;
    ++m_contacts;
}

void Announcer::onStopped()
{
    m_flying = false;
    followChrono();
}

// The chronophotography has ended once its photographs were taken and it is no longer active.
void Announcer::followChrono()
{
    if (m_photographs > 0 && m_sim.s.chronoactif == 0) {
        say(narration::chronoEndText(m_photographs));
        m_photographs = 0;
    }
}

void Announcer::say(const QString &text, bool landing)
{
    if (m_mode == Mode::All || (m_mode == Mode::LandingOnly && landing))
        emit announce(text);
}

} // namespace orbane
