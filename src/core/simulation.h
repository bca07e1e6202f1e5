#pragma once

#include "core/controls.h"
#include "core/drag.h"
#include "core/exporttable.h"
#include "core/flight.h"
#include "core/hiddenvalues.h"
#include "core/launch.h"
#include "core/services.h"
#include "core/settinglocks.h"
#include "core/simstate.h"

#include <QObject>
#include <QString>
#include <optional>

namespace orbane {

struct Option;

// The boxes of the air's law: k, Cx and ρ.
enum class DragBox { K, Cx, Rho };

namespace test {
struct SimulationAccess;
}

// What the simulation asks of the scene and of the live graph, which live in higher layers.
class SceneHooks
{
public:
    virtual ~SceneHooks();
    // Loads the place's picture as the scene's persistent picture; false when it cannot be read.
    virtual bool loadBackground(const QString &path) = 0;
    virtual void clearScene() = 0;      // drops the transient layer
    virtual void repere() = 0;          // axes and grid
    virtual void lespoints() = 0;       // recorded marks
    virtual void majaff() = 0;          // full redraw for the current state
    virtual void forgetMarks() = 0;     // the chronophotographs' marks are dropped
    virtual void breakTrajectory() = 0; // the trajectory starts again from the next point
};

class NullSceneHooks final : public SceneHooks
{
public:
    bool loadBackground(const QString &) override { return true; }
    void clearScene() override {}
    void repere() override {}
    void lespoints() override {}
    void majaff() override {}
    void forgetMarks() override {}
    void breakTrajectory() override {}
};

// The main window's behaviour without its widgets: state, start-up, tick, bounce, buttons and
// parameter rules. Handlers are named after their control and event (`Timer1_Timer`,
// `command15_Click`) so a reader finds each behaviour from what the user touches.
class Simulation : public QObject
{
    Q_OBJECT
public:
    explicit Simulation(const QString &programDir, QObject *parent = nullptr);

    void setServices(const Services &services);
    void setSceneHooks(SceneHooks *hooks);

    QString programDir() const { return m_programDir; }

private:
    friend struct test::SimulationAccess; // tests set a state up directly

    Controls m_c;
    Launch m_launch = Launch::of(m_c); // what the parameter boxes hold, as numbers
    Display m_d;
    SimState m_s;
    std::vector<exporttable::PhotoPosition> m_photoPositions;

public:
    // The state, read-only for the windows: they change it through the handlers below.
    const Controls &c = m_c; // values of the controls
    const Launch &launch = m_launch;
    const Display &d = m_d;  // what the window shows besides them
    const SimState &s = m_s; // the simulated projectile
    // Time and centre of each chronophotograph, in both modes, for the export; at most
    // PhotoMarks::kMax of them, as for the marks.
    const std::vector<exporttable::PhotoPosition> &photoPositions = m_photoPositions;

    // The scene has been drawn for the current state: it no longer shows the initial
    // situation alone.
    void sceneRedrawn() { m_s.affinit = false; }
    // The flight from the initial conditions of the boxes (in the air when the air is on: its
    // integration kept until the launch or the law changes), and the current bounce arc.
    Flight flight() const;
    Flight bounceArc() const;

    // Start-up and activation.
    void Form_Load();
    void Form_Activate();
    // Closing: true when the user confirms (and, with a modified text, accepts to lose it).
    bool Form_QueryUnload();
    // Unloading: the sound device is released and the suite told the program has stopped.
    void Form_Unload();
    void Combo1_Click(int index); // place chosen
    void Combo2_Click(int index); // projectile chosen

    // Animation.
    void Timer1_Timer();
    void rebond();
    void command15_Click(); // Simulation
    void command16_Click(); // Pause / single step
    void Image4_Click();    // Stop
    void command18_Click(); // Reset
    void Command13_Click(); // Effacer
    void command12_Click(); // camera
    void maj12();
    void plusbouton();

    // The air: "Frottements de l'air" on and a place with air. Its law from the boxes, S from
    // the projectile's diameter.
    bool dragActive() const;
    DragLaw dragLaw() const;
    double dragValue(DragBox box) const;
    QString dragText(DragBox box) const; // as the box shows it
    // The flight in the air from the current launch; null in the vacuum.
    const DragFlight *airFlight() const { return flight().air.get(); }
    void dragBox_Change(DragBox box, const QString &text);
    void dragBox_LostFocus(DragBox box);
    void dragModel_Click(bool linear); // "Modèle"

    // Parameters.
    enum class KeyResult { Accept, Swallow };
    // What a parameter box (1..4 for Text1..Text4) does with a typed character; "." comes
    // back as ",". Enter is not a character here: the window applies the box at once.
    KeyResult TextN_KeyPress(int box, QChar &key) const;
    // The text of a parameter box (1..4) as the user typed it; it is applied on leaving.
    void TextN_Change(int box, const QString &text);
    void TextN_GotFocus(int box);
    void TextN_LostFocus(int box);
    void Text1_LostFocus();
    void Text2_LostFocus();
    void Text3_LostFocus();
    void Text4_LostFocus();
    KeyResult chrono_KeyPress(QChar key) const;
    void chrono_Change(const QString &text);
    void chrono_LostFocus();
    // Drag of the projectile: buttons held, pointer position within the picture (pixels).
    void projectile_MouseMove(bool leftOnly, bool anyButton, int x, int y);
    // The same move by the keyboard, in metres; not during a flight.
    void projectile_KeyMove(double dx, double dy);
    void voxvoy();
    void retico();
    double x0() const;
    double y0() const;

    // A new colour for swatch `Label4`(index), chosen in the colour dialog.
    void Label4_Chosen(int index, Rgb colour);
    void VScroll1_Change(int value);
    void VScroll3_Change(int value);
    void UpDown1_Change(int value);
    // The scene's scroll bar, in twips.
    void VScroll2_Change(int twips);

    // An option of the panels set or cleared, and its reaction.
    void setOption(const Option &option, bool on);
    // Check1..Check12 set or cleared.
    void Check_Click(int index, bool on);
    // "Animation au ralenti".
    void speed_Click(bool on);
    // "Afficher m·Δv/Δt".
    void secondLaw_Click(bool on);
    // A quantity of the live graph chosen or dropped: one group at a time.
    void Check13_Click(int index, bool on);
    // Puts a configuration's values into the controls in the file's order, running the change
    // reaction of each scale and option whose value changes, then the reactions of the lists
    // and boxes as if the user had left them: place, projectile, x0, y0, v, angle, interval.
    void applyControls(const Controls &values);
    // Brings back controls as an earlier state held them (undo, redo): only the controls that
    // differ change, each through its own handler.
    void restoreControls(const Controls &target);
    // Brings back the photographs' positions that "Effacer" forgot; the scene's drawing is the
    // scene's to bring back.
    void restorePhotographs(const std::vector<exporttable::PhotoPosition> &positions);

    // The settings an open exercise fixes: the user's changes to them are refused by every
    // handler, while a file or an undo keeps their values. All free when no exercise is open.
    void setLocks(const SettingLocks &locks);
    const SettingLocks &locks() const { return m_locks; }
    // The values an open exercise hides; each also fixes its setting (g the place, the mass the
    // projectile). None hidden when no exercise is open.
    void setHidden(const HiddenValues &hidden);
    const HiddenValues &hidden() const { return m_hidden; }

    // The exercise variables, kept by the exercise commands.
    void setNomexo(const QString &folder) { m_s.nomexo = folder; }
    void setExocharge(qint16 value) { m_s.exocharge = value; }
    void setTextemodif(qint16 value) { m_s.textemodif = value; }

    bool fatalErrorShown() const { return m_fatal; }
    QString soundPath() const;

signals:
    // What happened to the projectile, for whoever follows the flight.
    void reset();        // start-up: the simulation is in its initial state
    void launched();     // the first tick of a flight from the initial position
    void photographed(); // this tick is a chronophotograph's
    void ticked();       // a tick has moved the projectile (and the scene is drawn)
    void landed();       // the free flight reached the ground
    void bounced();      // a bounce arc reached the ground
    void stopped();      // the projectile has come to rest on the ground
    void loaded();       // a configuration's values were put into the controls

    void changed();               // the window should refresh from c and d
    void timerChanged(bool on);   // start or stop Timer1
    void quitRequested(int code); // the program must end now
    void focusSceneRequested();

private:
    // A fixed setting refuses the user's change; the window is told to show its value again.
    // The simulation's own reactions to a file, an undo or "Effacer" are not refused.
    bool refuses(FixableSetting setting);
    void setTimer(bool on);
    // The scales and the options that differ from values take them, each with its reaction.
    void applyScales(const Controls &values);
    void applyOptions(const Controls &values);
    void applyDrag(const Controls &values);
    void restoreDrag(const Controls &target);
    // Every change of a parameter box's text goes here, so the launch values follow it.
    void setBox(int box, const QString &text);
    // The dragged projectile's picture corner, within its limits; the start position follows.
    void dragProjectileTo(double left, double top);
    void applyParameterChange(bool clearAlways);
    void showReadouts(double t, double x, double shownY);
    void landing();
    // The tick's last steps; the top edge counts as an exit only when testTop.
    void endOfTick(bool testTop);
    void endOfMotion();
    void exitFromScreen();
    bool leftTheScreen(bool testTop) const;
    void playImpact();
    bool slowMotion() const { return c.speed; }
    void placeProjectileAtInitialPosition();
    void recordPhotoPosition();
    void placeDragDefaults();
    void dropDragWork();
    std::shared_ptr<const DragFlight> airFor(const Flight &from) const;
    void airTick(const DragFlight &f);

    QString m_programDir;
    Services m_services;
    NullDialogs m_nullDialogs;
    NullSound m_nullSound;
    NullBeeper m_nullBeeper;
    NullSceneHooks m_nullHooks;
    SceneHooks *m_hooks = &m_nullHooks;
    bool m_fatal = false;
    SettingLocks m_locks;    // as set, with the hidden values' settings fixed
    SettingLocks m_setLocks; // as set
    HiddenValues m_hidden;
    bool m_ownChange = false; // the simulation's own reactions run, not the user's changes
    // The last flight in the air integrated, and what it was integrated from.
    struct AirKey
    {
        double x0, y0, vox, voy, g, mass;
        DragLaw::Kind kind;
        double coefficient;
        bool bounces;
        bool operator==(const AirKey &) const = default;
    };
    mutable std::optional<AirKey> m_airKey;
    mutable std::shared_ptr<const DragFlight> m_air;
    std::size_t m_airContacts = 0; // the contacts of the flight in the air already sounded
};

} // namespace orbane
