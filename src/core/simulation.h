#pragma once

#include "core/controls.h"
#include "core/exporttable.h"
#include "core/flight.h"
#include "core/services.h"
#include "core/simstate.h"

#include <QObject>
#include <QString>

namespace orbane {

// What the simulation asks of the scene and of the live graph, which live in higher layers.
class SceneHooks
{
public:
    virtual ~SceneHooks();
    // Loads the place's picture as the scene's persistent picture; false when it cannot be read.
    virtual bool loadBackground(const QString &path) = 0;
    virtual void clearScene() = 0; // drops the transient layer
    virtual void repere() = 0;     // axes and grid
    virtual void lespoints() = 0;  // recorded marks
    virtual void majaff() = 0;     // full redraw for the current state
    virtual void repgraphe() = 0;  // live graph frame
};

class NullSceneHooks final : public SceneHooks
{
public:
    bool loadBackground(const QString &) override { return true; }
    void clearScene() override {}
    void repere() override {}
    void lespoints() override {}
    void majaff() override {}
    void repgraphe() override {}
};

// The main window's behaviour without its widgets: state, start-up, tick, bounce, buttons and
// parameter rules. Handlers keep the program's names so a reader finds each behaviour.
class Simulation : public QObject
{
    Q_OBJECT
public:
    explicit Simulation(const QString &programDir, QObject *parent = nullptr);

    void setServices(const Services &services);
    void setSceneHooks(SceneHooks *hooks);

    QString programDir() const { return m_programDir; }

    Controls c;      // values of the controls
    Display d;       // what the window shows besides them
    SimState s;      // the simulated projectile
    PhotoMarks marks;
    // Time and centre of each chronophotograph, in both modes, for the export.
    std::vector<exporttable::PhotoPosition> photoPositions;
    // The free flight from the initial conditions of the boxes, and the current bounce arc.
    Flight flight() const;
    Flight bounceArc() const;

    // Start-up and activation.
    void Form_Load();
    void Form_Activate();
    // Closing: true when the user confirms (and, with a modified text, accepts to lose it).
    bool Form_QueryUnload();
    // Unloading: the sound device is released and the suite told the program has stopped.
    void Form_Unload();
    void Combo1_Click(); // place chosen
    void Combo2_Click(); // projectile chosen

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

    // Parameters.
    enum class KeyResult { Accept, Swallow };
    // What a parameter box (1..4 for Text1..Text4) does with a typed character; "." comes
    // back as ",". Enter is not a character here: the window applies the box at once.
    KeyResult TextN_KeyPress(int box, QChar &key) const;
    void TextN_GotFocus(int box);
    void TextN_LostFocus(int box);
    void Text1_LostFocus();
    void Text2_LostFocus();
    void Text3_LostFocus();
    void Text4_LostFocus();
    KeyResult chrono_KeyPress(QChar key) const;
    void chrono_LostFocus();
    // Drag of the projectile: buttons held, pointer position within the picture (pixels).
    void projectile_MouseMove(bool leftOnly, bool anyButton, int x, int y);
    void voxvoy();
    void retico();
    double x0() const;
    double y0() const;

    // A new colour for swatch `Label4`(index), chosen in the colour dialog.
    void Label4_Chosen(int index, Rgb colour);
    void VScroll1_Change(int value);
    void VScroll3_Change(int value);
    void UpDown1_Change(int value);

    // Options with a handler of their own.
    // A click on Check1..Check12 (the value is already in c.Check): each option's reaction.
    void Check_Click(int index);
    void Check1_Click();
    void Check6_Click();
    void Check8_Click();

    bool fatalErrorShown() const { return m_fatal; }
    QString soundPath() const;

signals:
    void changed();              // the window should refresh from c and d
    void timerChanged(bool on);  // start or stop Timer1
    void quitRequested(int code); // the program must end now
    void focusSceneRequested();

private:
    void setTimer(bool on);
    void applyParameterChange(bool clearAlways);
    void showReadouts(double t, double x, double shownY);
    void landing();
    void endOfMotion();
    void exitFromScreen();
    bool leftTheScreen(bool testTop) const;
    void playImpact();
    bool slowMotion() const { return c.speed; }
    void placeProjectileAtInitialPosition();
    void recordPhotoPosition();

    QString m_programDir;
    Services m_services;
    NullDialogs m_nullDialogs;
    NullSound m_nullSound;
    NullBeeper m_nullBeeper;
    NullSceneHooks m_nullHooks;
    SceneHooks *m_hooks = &m_nullHooks;
    bool m_fatal = false;
};

} // namespace orbane
