#pragma once

#include "app/colourchooser.h"
#include "app/hintline.h"
#include "app/services.h"
#include "core/simulation.h"
#include "scene/scenerenderer.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>

class QLineEdit;
class QTextEdit;
class QToolButton;

namespace orbane {

class HintLine;
class Narrator;
class Hints;
namespace calc {
class Machine;
}
namespace config {
class ConfigSession;
}
namespace exercises {
class ExerciseCommands;
class OptionExo;
class QtFileDialogs;
}
namespace graphs {
class GraphPanel;
}
namespace pointage {
struct FittedLaunch;
struct PointageActions;
struct MeasureFile;
struct MediaSource;
}
namespace print {
class SceneOutput;
class PrinterService;
class ClipboardService;
}

class AnimationBar;
class ChronoPanel;
class MediaOpener;
class Opener;
class Panel;
class ScaleControl;
class ScenePane;
class TabStrip;
class UndoHistory;
class ToolBar;

// The main window `feuilleP`: lays out the controls, binds them to the simulation and
// forwards the user's actions to it.
class FeuilleP : public QMainWindow
{
    Q_OBJECT
public:
    // services and chooser may be null: the program's own Qt services are used then.
    explicit FeuilleP(const QString &programDir, const Services *services = nullptr,
                      ColourChooser *chooser = nullptr, QWidget *parent = nullptr);
    ~FeuilleP() override;

    Simulation &sim() { return m_sim; }
    SceneRenderer &renderer() { return m_renderer; }
    QTimer &timer1() { return m_timer; }
    // Timer1's tick as the window runs it: the simulation's tick, the window following it.
    void tick();
    TabStrip *onglets() const { return m_onglets; }
    QTextEdit *supertext() const { return m_supertext; }
    HintLine *info() const { return m_info; }
    QLineEdit *fich() const { return m_fich; }

    // Runs the start-up sequence; false when the program must end (missing picture).
    bool load();
    // Opens a configuration (".P08"), an exercise (".E20"), a video, a photograph or a measurement
    // named on the command line.
    void openFile(const QString &path);
    MediaOpener *mediaOpener() const { return m_mediaOpener; }
    // The state carried over a restart: written by the closing run, taken up by the new one
    // (see Opener).
    QString carryOver() const;
    void resume(const QString &carried, const QString &inUse);

signals:
    void unloading(); // the program ends: auxiliary windows close

protected:
    void closeEvent(QCloseEvent *event) override;
    bool closeAgreed();
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyGeometryRule();
    void buildTabs();
    void buildBottom();
    void bindToolBar();
    void bindSimulation();
    void bindTextBoxes();
    void bindTabKeys();
    void bindListening();
    void bindPanelKeys();
    std::function<void(const QString &)> announcer();
    void refresh();
    using ShownControls = std::pair<Controls, std::tuple<bool, bool, bool, bool, QString, QString>>;
    ShownControls shownControls() const;
    void setTimerRunning(bool on);
    void effacer();
    void calculatrice();
    void exportPositions();
    void openPointage();
    // A real throw: the commands, the pointage window on a video or a photograph, its fitted
    // launch replayed here.
    void buildRealThrows();
    pointage::PointageActions pointageActions();
    void showMediaPointage(pointage::MediaSource source, const pointage::MeasureFile *measure);
    void simulateLaunch(const pointage::FittedLaunch &launch);
    void openGraphes();
    void buildOutput();
    print::SceneOutput &output();
    void buildExercises();
    void activate();
    void Command7_Click();

    QtServices m_qtServices;
    Services m_services;
    NullAudio m_nullAudio;
    QtColourChooser m_qtChooser;
    ColourChooser *m_chooser;
    Simulation m_sim;
    SceneRenderer m_renderer;
    // The configuration in use and the file windows' folder, for the whole run.
    config::ConfigSession *m_configs;
    QTimer m_timer;
    Hints *m_hints = nullptr;

    ToolBar *m_toolBar = nullptr;
    ScenePane *m_scene = nullptr;
    AnimationBar *m_animation = nullptr;
    ScaleControl *m_scaleControl = nullptr;
    UndoHistory *m_history = nullptr;
    Narrator *m_narrator = nullptr;
    TabStrip *m_onglets = nullptr;
    std::array<Panel *, 4> m_panels{};
    ChronoPanel *m_chronoPanel = nullptr;
    graphs::GraphPanel *m_frame1 = nullptr;
    QToolButton *m_btexo = nullptr;
    HintLine *m_info = nullptr;
    QLineEdit *m_fich = nullptr;
    QTextEdit *m_supertext = nullptr;
    bool m_ticking = false;
    // What the controls were last set from: most ticks change none of it.
    std::optional<ShownControls> m_shownControls;
    // One calculator for the whole run: it keeps its last answer between openings.
    calc::Machine *m_machine = nullptr;
    // One printer and clipboard for the run: the chosen printer is remembered.
    std::unique_ptr<print::PrinterService> m_printer;
    std::unique_ptr<print::ClipboardService> m_clipboard;
    std::unique_ptr<print::SceneOutput> m_output;
    std::unique_ptr<exercises::QtFileDialogs> m_fileDialogs;
    exercises::ExerciseCommands *m_exercises = nullptr;
    exercises::OptionExo *m_optionexo = nullptr;
    QPointer<QWidget> m_pointage; // the measurement window, while it is open
    Opener *m_opener = nullptr;
    MediaOpener *m_mediaOpener = nullptr;
    bool m_closeAgreed = false; // closing for a restart the user agreed to
};

} // namespace orbane
