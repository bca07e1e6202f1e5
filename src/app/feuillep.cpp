#include "app/feuillep.h"

#include "app/accessibility.h"
#include "app/backdrop.h"
#include "app/helpwindow.h"
#include "app/hintline.h"
#include "app/hints.h"
#include "app/mediaopener.h"
#include "app/narrator.h"
#include "app/opener.h"
#include "app/panels.h"
#include "app/scalecontrol.h"
#include "app/scenepane.h"
#include "app/smallwidgets.h"
#include "app/tabstrip.h"
#include "app/toolbar.h"
#include "app/undohistory.h"
#include "app/welcome.h"
#include "calc/machine.h"
#include "exercises/exercisecommands.h"
#include "exercises/filedialogs.h"
#include "exercises/optionexo.h"
#include "config/configsession.h"
#include "config/enregistrer.h"
#include "config/ouvrir.h"
#include "core/flightsound.h"
#include "exchange/exportdialog.h"
#include "graphs/graphes.h"
#include "graphs/graphpanel.h"
#include "pointage/pointagewindow.h"
#include "print/clipboardservice.h"
#include "print/printerservice.h"
#include "print/sceneoutput.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QTextEdit>
#include <QToolButton>

namespace orbane {

FeuilleP::FeuilleP(const QString &programDir, const Services *services, ColourChooser *chooser,
                   QWidget *parent)
    : QMainWindow(parent), m_chooser(chooser ? chooser : &m_qtChooser), m_sim(programDir),
      m_renderer(m_sim), m_configs(new config::ConfigSession(this))
{
    installAccessibility();
    setObjectName(QStringLiteral("feuilleP"));
    setWindowTitle(QStringLiteral("Orbane 1S"));
    setFixedSize(800, 600);
    setCentralWidget(new Backdrop(this));
    setFont(QFont(QStringLiteral("Arial"), 8));
    m_qtServices.dialogs.setParent(this);
    m_services = services ? *services : m_qtServices.all();
    m_sim.setServices(m_services);
    m_sim.setSceneHooks(&m_renderer);

    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(20);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &FeuilleP::tick);

    m_hints = new Hints([this](const QString &hint) { m_info->showHint(hint); }, this);
    m_toolBar = new ToolBar(centralWidget(), *m_hints);
    m_scene = new ScenePane(centralWidget(), m_sim, m_renderer, *m_hints);
    m_animation = new AnimationBar(centralWidget(), m_sim, *m_hints);
    m_scaleControl = new ScaleControl(centralWidget(), *m_hints, *m_services.dialogs,
                                      {[this] { return closeAgreed(); },
                                       [this] { return m_configs->fichconfig(); },
                                       [this] { return carryOver(); }});
    m_history = new UndoHistory(m_sim, m_renderer, this);
    buildTabs();
    buildBottom();
    buildOutput();
    buildExercises();
    bindToolBar();
    bindTextBoxes();
    bindTabKeys();
    bindSimulation();
    m_hints->addBackground(centralWidget(), Hints::window());
}

FeuilleP::~FeuilleP()
{
    // Widgets going away lose the focus; that must not reach a half-destroyed simulation.
    for (QWidget *w : findChildren<QWidget *>())
        w->blockSignals(true);
    delete takeCentralWidget();
    m_sim.setSceneHooks(nullptr);
}

// On screens wider than 850 pixels the window is 800 x 600, centred.
void FeuilleP::applyGeometryRule()
{
    const QScreen *screen = this->screen();
    if (!screen || screen->geometry().width() <= 850)
        return;
    setWindowState(Qt::WindowNoState);
    const QRect area = screen->geometry();
    setGeometry((area.width() - 800) / 2 + area.left(), (area.height() - 600) / 2 + area.top(),
                800, 600);
}

bool FeuilleP::load()
{
    applyGeometryRule();
    bienvenue(m_supertext);
    m_sim.Form_Load();
    if (m_sim.fatalErrorShown())
        return false;
    m_info->showHint(m_sim.d.info);
    refresh();
    return true;
}

void FeuilleP::buildOutput()
{
    connect(m_frame1, &graphs::GraphPanel::graphWindowRequested, this, &FeuilleP::openGraphes);
    connect(m_frame1, &graphs::GraphPanel::hintChanged, this,
            [this](const QString &hint) { m_info->showHint(hint); });
}

// The printer is looked for only when first needed: finding the printers takes a while.
print::SceneOutput &FeuilleP::output()
{
    if (!m_output) {
        m_printer = std::make_unique<print::QtPrinterService>();
        m_clipboard = std::make_unique<print::QtClipboard>();
        m_output = std::make_unique<print::SceneOutput>(m_sim, m_renderer, *m_printer,
                                                        *m_clipboard, m_services.beeper);
        m_output->graphImage = [this] { return m_frame1->image(); };
        m_output->graphPaint = [this](QPainter &p) { m_frame1->paintPrint(p); };
        m_output->graphFrameSize = [this] { return m_frame1->size(); };
        m_output->pdf.dialogs = m_services.dialogs;
        m_output->pdf.fileName = [this] {
            return m_fileDialogs->saveFileName(QStringLiteral("Document PDF|*.PDF"),
                                               QStringLiteral("pdf"),
                                               QStringLiteral("Impression.pdf"));
        };
        connect(m_output.get(), &print::SceneOutput::hintChanged, this,
                [this](const QString &hint) { m_info->showHint(hint); });
    }
    return *m_output;
}

void FeuilleP::buildExercises()
{
    m_fileDialogs = std::make_unique<exercises::QtFileDialogs>(this);
    m_exercises = new exercises::ExerciseCommands(m_sim, *m_configs, m_supertext, m_fich,
                                                  *m_services.dialogs, *m_fileDialogs, this);
    m_exercises->actions().bienvenue = [this] { bienvenue(m_supertext); };
    m_exercises->actions().say = announcer();
    m_optionexo = new exercises::OptionExo(*m_exercises, this);
    connect(m_btexo, &QToolButton::clicked, this, [this] { m_optionexo->btexo_Click(m_btexo); });
    m_opener = new Opener(m_sim, *m_configs, *m_exercises, *m_services.dialogs, this);
}

void FeuilleP::openFile(const QString &path)
{
    if (!m_mediaOpener->open(path))
        m_opener->openFile(path);
}

QString FeuilleP::carryOver() const { return m_opener->carryOver(); }

void FeuilleP::resume(const QString &carried, const QString &inUse)
{
    m_opener->resume(carried, inUse);
}

// Each activation: the animation buttons follow the initial conditions, and an exercise
// handed over by the courseware suite is opened.
void FeuilleP::activate()
{
    m_sim.Form_Activate();
    QTimer::singleShot(0, m_opener, &Opener::takeHandedOverExercise);
}

void FeuilleP::openGraphes()
{
    graphs::GraphWindowActions actions;
    actions.print = [this](const QImage &image, const std::function<void(QPainter &)> &paint) {
        output().printPicture(image, QApplication::activeModalWidget(), paint);
    };
    actions.copy = [this](const QImage &image) { output().copyPicture(image); };
    actions.calculator = [this] { calculatrice(); };
    actions.dialogs = m_services.dialogs;
    actions.audio = m_services.audio;
    actions.say = announcer();
    graphs::showGraphes(m_sim, actions, this);
}

void FeuilleP::bindToolBar()
{
    const auto on = [this](ToolBar::Role role, auto slot) {
        connect(m_toolBar->button(role), &QToolButton::clicked, this, slot);
    };
    on(ToolBar::Effacer, &FeuilleP::effacer);
    on(ToolBar::Fermer, &QWidget::close);
    on(ToolBar::Calculatrice, &FeuilleP::calculatrice);
    on(ToolBar::Enregistrer, [this] {
        config::Enregistrer window(m_sim, *m_configs, *m_services.dialogs, this);
        window.exec();
    });
    on(ToolBar::Ouvrir, [this] {
        config::Ouvrir window(m_sim, *m_configs, *m_services.dialogs, this);
        window.exec();
    });
    on(ToolBar::Imprimer, [this] { output().Command10_Click(this); });
    on(ToolBar::Copier, [this] { output().Command4_Click(this); });
    on(ToolBar::Aide, &FeuilleP::Command7_Click);
    connect(m_configs, &config::ConfigSession::titleChanged, this, &QWidget::setWindowTitle);
    connect(m_animation->graphes(), &QToolButton::clicked, this, &FeuilleP::openGraphes);
    connect(m_chronoPanel, &ChronoPanel::exportRequested, this, &FeuilleP::exportPositions);
    connect(m_chronoPanel, &ChronoPanel::pointageRequested, this, &FeuilleP::openPointage);
}

// Ctrl+Tab and Ctrl+Shift+Tab move between the tabs from anywhere in the window.
void FeuilleP::bindTabKeys()
{
    const auto step = [this](int delta) {
        const int current = m_onglets->onglet() == 0 ? 1 : m_onglets->onglet();
        m_onglets->setOnglet((current - 1 + delta + TabGeometry::kTabs) % TabGeometry::kTabs + 1);
    };
    auto *next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, [step] { step(1); });
    auto *previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    connect(previous, &QShortcut::activated, this, [step] { step(-1); });
    m_toolBar->addShortcuts(this);
    m_animation->addShortcuts(this);
    // Undo and redo: their keys, and the background's context menu.
    centralWidget()->setContextMenuPolicy(Qt::ActionsContextMenu);
    centralWidget()->addActions({m_history->undoAction(), m_history->redoAction()});
    bindListening();
    bindPanelKeys();
    buildRealThrows();
}

// Other windows speak through this window's announcements: a reader names a dialog before
// each notification that lies inside it.
std::function<void(const QString &)> FeuilleP::announcer()
{
    return [this](const QString &text) { m_narrator->line()->say(text); };
}

// The buttons of the panels and the exercises, from anywhere in the window.
void FeuilleP::bindPanelKeys()
{
    const auto button = [this](const char *name) {
        return centralWidget()->findChild<QAbstractButton *>(QLatin1String(name));
    };
    // The camera's tool tip tells whether it records: the key is in the help only.
    clickWithKey(button("command12"), QKeySequence(Qt::Key_F9), this, false);
    clickWithKey(button("pointage"), QKeySequence(Qt::CTRL | Qt::Key_M), this);
    clickWithKey(button("exporterPositions"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
                 this);
    clickWithKey(m_btexo, QKeySequence(Qt::CTRL | Qt::Key_E), this);
}

// The flight in words and in sound, for a pupil who cannot see it: in the background's context
// menu and the help button's menu.
void FeuilleP::bindListening()
{
    auto *narrator = m_narrator = new Narrator(m_sim, centralWidget());
    // A closed list's new choice is not read by the screen reader: it is announced.
    for (auto *list : centralWidget()->findChildren<QComboBox *>())
        connect(list, &QComboBox::activated, narrator, [say = announcer(), list] {
            if (list->hasFocus())
                say(list->currentText());
        });
    m_animation->setSay(announcer());
    QList<QAction *> actions = narrator->actions();
    auto *sound = new FlightSound(m_sim, m_services.audio ? *m_services.audio : m_nullAudio, this);
    auto *heard = new QAction(QStringLiteral("Son de la trajectoire"), this);
    heard->setObjectName(QStringLiteral("flightSound"));
    heard->setCheckable(true);
    heard->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(heard, &QAction::toggled, sound, &FlightSound::setEnabled);
    actions << heard;
    centralWidget()->addActions(actions);

    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("menuAide"));
    QAction *help = menu->addAction(QStringLiteral("Aide"), this, &FeuilleP::Command7_Click);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    menu->addSeparator();
    menu->addActions(actions);
    m_toolBar->setHelpMenu(menu, this);
}

void FeuilleP::bindSimulation()
{
    connect(&m_sim, &Simulation::changed, this, &FeuilleP::refresh);
    connect(&m_sim, &Simulation::timerChanged, this, &FeuilleP::setTimerRunning);
    connect(&m_sim, &Simulation::quitRequested, this, [](int code) { QCoreApplication::exit(code); },
            Qt::QueuedConnection);
}

void FeuilleP::bindTextBoxes()
{
    connect(m_fich, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_fich->setCursorPosition(int(text.size())); // the end of a long path stays visible
        m_fich->setToolTip(text);
    });
    connect(m_supertext, &QTextEdit::textChanged, this, [this] {
        if (!m_fich->text().isEmpty())
            m_sim.setTextemodif(1);
    });
}

void FeuilleP::setTimerRunning(bool on)
{
    if (on)
        m_timer.start();
    else
        m_timer.stop();
}

void FeuilleP::calculatrice()
{
    if (!m_machine) {
        m_machine = new calc::Machine(this, m_services);
        connect(this, &FeuilleP::unloading, m_machine, &QDialog::reject);
    }
    m_machine->exec();
}

// Help opens beside the scene, which keeps its drawing.
void FeuilleP::Command7_Click() { openHelp(this, m_sim.programDir(), *m_services.dialogs); }

void FeuilleP::openPointage()
{
    if (m_pointage)
        m_pointage->close();
    const SceneRenderer::Chronophotograph photo = m_renderer.chronophotograph();
    auto *window = new pointage::PointageWindow(m_sim, photo.picture, pointageActions(), this);
    window->view()->setScaledPicture(photo.at);
    m_pointage = window;
    connect(this, &FeuilleP::unloading, window, &QWidget::close);
    window->show();
}

void FeuilleP::exportPositions()
{
    exchange::exportPositions(m_sim.photoPositions, *m_services.dialogs, this);
}

void FeuilleP::effacer()
{
    QToolButton *button = m_toolBar->button(ToolBar::Effacer);
    button->setCursor(Qt::WaitCursor);
    m_history->effacer();
    button->unsetCursor();
}

void FeuilleP::tick()
{
    m_ticking = true;
    m_history->tick();
    m_ticking = false;
}

// The values the controls show, as the simulation holds them.
FeuilleP::ShownControls FeuilleP::shownControls() const
{
    const Display &d = m_sim.d;
    return {m_sim.c, std::tuple(d.check1Enabled, d.check3Enabled, d.check7Enabled, d.recording,
                                d.command12Tip, d.Label5)};
}

void FeuilleP::refresh()
{
    m_scene->refresh();
    // A tick moves the projectile and its read-outs; the controls change only when the tick
    // changed their values. Any other change sets them all, as the user may have moved one.
    auto shown = shownControls();
    if (!m_ticking || m_shownControls != shown) {
        m_shownControls = std::move(shown);
        for (Panel *panel : m_panels)
            panel->refresh();
    }
    m_chronoPanel->refreshButtons();
    m_animation->refresh();
}

void FeuilleP::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activate();
    // Maximised or stretched, the window comes back to 800 x 600, centred; minimising stays
    // possible.
    if (event->type() == QEvent::WindowStateChange && !(windowState() & Qt::WindowMinimized) &&
        windowState() != Qt::WindowNoState)
        QTimer::singleShot(0, this, &FeuilleP::applyGeometryRule);
    QMainWindow::changeEvent(event);
}

// The start-up window is activated when it first appears, even where no window manager
// hands it the focus.
void FeuilleP::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        activate();
}

// The user already agreed to close (a restart): the quit question is not asked again.
bool FeuilleP::closeAgreed()
{
    m_closeAgreed = true;
    const bool closed = close();
    m_closeAgreed = false;
    return closed;
}

void FeuilleP::closeEvent(QCloseEvent *event)
{
    if (!m_closeAgreed && !m_sim.Form_QueryUnload()) {
        event->ignore();
        return;
    }
    m_timer.stop();
    m_sim.Form_Unload();
    emit unloading();
    event->accept();
}

} // namespace orbane
