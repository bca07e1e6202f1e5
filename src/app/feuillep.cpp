#include "app/feuillep.h"

#include "app/accessibility.h"
#include "app/backdrop.h"
#include "app/helpwindow.h"
#include "app/hintline.h"
#include "app/hints.h"
#include "app/scenewidget.h"
#include "app/tabstrip.h"
#include "app/welcome.h"
#include "calc/machine.h"
#include "config/configloader.h"
#include "exercises/exercisecommands.h"
#include "exercises/filedialogs.h"
#include "exercises/optionexo.h"
#include "config/configsession.h"
#include "config/enregistrer.h"
#include "config/ouvrir.h"
#include "exchange/exportdialog.h"
#include "graphs/graphes.h"
#include "graphs/graphpanel.h"
#include "pointage/pointagewindow.h"
#include "print/clipboardservice.h"
#include "print/printerservice.h"
#include "print/sceneoutput.h"
#include "core/handshake.h"
#include "core/numberformat.h"
#include "core/tables.h"
#include "scene/vectors.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>
#include <cmath>

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

    buildToolBar();
    buildReadouts();
    buildScene();
    buildAnimationButtons();
    buildTabs();
    buildBottom();
    buildOutput();
    buildExercises();
    bindPanels();
    bindTextBoxes();
    bindTabKeys();
    bindSimulation();
    installHints();
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
    graphs::connectLiveGraph(m_renderer, *m_frame1);
    m_frame1->openGraphWindow = [this] { openGraphes(); };
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
        m_output->graphFrameSize = [this] { return m_frame1->size(); };
        m_output->pdf.dialogs = m_services.dialogs;
        m_output->pdf.fileName = [this] {
            return m_fileDialogs->saveFileName(QStringLiteral("Document PDF|*.PDF"),
                                               QStringLiteral("pdf"));
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
    m_exercises->setBienvenue([this] { bienvenue(m_supertext); });
    m_optionexo = new exercises::OptionExo(*m_exercises, this);
    connect(m_btexo, &QToolButton::clicked, this, [this] { m_optionexo->btexo_Click(m_btexo); });
    openExercise = [this](const QString &path) { m_exercises->ouvreur(path); };
}

// Each activation: the animation buttons follow the initial conditions, and an exercise
// handed over by the courseware suite is opened.
void FeuilleP::activate()
{
    m_sim.Form_Activate();
    QTimer::singleShot(0, this, &FeuilleP::takeHandedOverExercise);
}

void FeuilleP::takeHandedOverExercise()
{
    if (m_exercises->loading()) // the next activation takes it
        return;
    const handshake::HandOver::Taken taken = m_handOver.take(m_sim.programDir());
    if (taken.name.isEmpty())
        return;
    hide();
    m_exercises->openHandedOver(taken.name);
    show();
    if (taken.stuck && !m_readOnlyExchangeTold) {
        m_readOnlyExchangeTold = true;
        m_services.dialogs->message(
            QStringLiteral("Le fichier d'échange %1 est en lecture seule : l'exercice transmis "
                           "(%2) n'a pas pu y être effacé. Il ne sera pas rouvert pendant cette "
                           "séance.")
                .arg(QDir::toNativeSeparators(handshake::path(m_sim.programDir())), taken.name),
            QStringLiteral("Fichier d'échange"), MsgIcon::Information);
    }
}

void FeuilleP::openGraphes()
{
    graphs::GraphWindowActions actions;
    actions.print = [this](const QImage &image) {
        output().printPicture(image, QApplication::activeModalWidget());
    };
    actions.copy = [this](const QImage &image) { output().copyPicture(image); };
    actions.calculator = [this] { calculatrice(); };
    actions.dialogs = m_services.dialogs;
    graphs::showGraphes(m_sim, actions, this);
}

void FeuilleP::bindPanels()
{
    // Lists and scales report the user's choices only: the window's own updates are silent.
    connect(m_pc.Combo1, &QComboBox::activated, &m_sim, &Simulation::Combo1_Click);
    connect(m_pc.Combo2, &QComboBox::activated, &m_sim, &Simulation::Combo2_Click);
    bindParameterBoxes();
    bindOptions();
    for (Swatch *s : m_pc.Label4)
        connect(s, &Swatch::clicked, this, &FeuilleP::chooseColour);
    connect(m_pc.VScroll1, &QScrollBar::valueChanged, &m_sim, &Simulation::VScroll1_Change);
    connect(m_pc.VScroll3, &QScrollBar::valueChanged, &m_sim, &Simulation::VScroll3_Change);
    connect(m_pc.UpDown1, &UpDown::valueChanged, &m_sim, &Simulation::UpDown1_Change);
    connect(m_pc.command12, &QToolButton::clicked, &m_sim, &Simulation::command12_Click);
    m_pc.Label5->installEventFilter(this);

    connect(m_command15, &QToolButton::clicked, &m_sim, &Simulation::command15_Click);
    connect(m_command16, &QToolButton::clicked, &m_sim, &Simulation::command16_Click);
    connect(m_image4, &QToolButton::clicked, &m_sim, &Simulation::Image4_Click);
    connect(m_command18, &QToolButton::clicked, &m_sim, &Simulation::command18_Click);
    connect(m_toolBar[0], &QToolButton::clicked, this, &FeuilleP::effacer);
    connect(m_toolBar[7], &QToolButton::clicked, this, &QWidget::close);
    connect(m_toolBar[5], &QToolButton::clicked, this, &FeuilleP::calculatrice);
    connect(m_toolBar[2], &QToolButton::clicked, this, [this] {
        config::Enregistrer window(m_sim, *m_configs, *m_services.dialogs, this);
        window.exec();
    });
    connect(m_toolBar[1], &QToolButton::clicked, this, [this] {
        config::Ouvrir window(m_sim, *m_configs, *m_services.dialogs, this);
        window.exec();
    });
    connect(m_configs, &config::ConfigSession::titleChanged, this,
            &QWidget::setWindowTitle);
    connect(m_toolBar[4], &QToolButton::clicked, this, [this] { output().Command10_Click(this); });
    connect(m_toolBar[3], &QToolButton::clicked, this, [this] { output().Command4_Click(this); });
    connect(m_command14, &QToolButton::clicked, this, &FeuilleP::openGraphes);
    connect(m_pc.exporter, &QPushButton::clicked, this, &FeuilleP::exportPositions);
    connect(m_pc.pointage, &QPushButton::clicked, this, &FeuilleP::openPointage);
    connect(m_toolBar[6], &QToolButton::clicked, this, &FeuilleP::Command7_Click);
}

void FeuilleP::bindParameterBoxes()
{
    for (int n = 1; n <= 4; ++n) {
        ParameterBox *box = m_pc.Text[n];
        box->setFilter([this, n](QChar &key) {
            return m_sim.TextN_KeyPress(n, key) == Simulation::KeyResult::Accept
                       ? ParameterBox::Key::Accept
                       : ParameterBox::Key::Swallow;
        });
        connect(box, &QLineEdit::textEdited, this,
                [this, n](const QString &text) { m_sim.TextN_Change(n, text); });
        connect(box, &ParameterBox::focused, this, [this, n] { m_sim.TextN_GotFocus(n); });
        connect(box, &ParameterBox::applied, this, [this, n] { m_sim.TextN_LostFocus(n); });
        if (n == 2)
            connect(box, &ParameterBox::keySwallowed, &m_sim, [this] {
                m_sim.plusbouton();
                refresh();
            });
    }
    m_pc.chrono->setEnterSwallowed(false);
    m_pc.chrono->setFilter([this](QChar &key) {
        return m_sim.chrono_KeyPress(key) == Simulation::KeyResult::Accept
                   ? ParameterBox::Key::Accept
                   : ParameterBox::Key::Swallow;
    });
    connect(m_pc.chrono, &QLineEdit::textEdited, &m_sim, &Simulation::chrono_Change);
    connect(m_pc.chrono, &ParameterBox::applied, &m_sim, &Simulation::chrono_LostFocus);
}

void FeuilleP::bindOptions()
{
    // Whatever ticks a box (mouse, keyboard, an accessibility action), the option follows; the
    // window's own updates of the boxes are silent.
    for (int i = 1; i <= 12; ++i) {
        connect(m_pc.Check[i], &QCheckBox::toggled, this,
                [this, i](bool on) { m_sim.Check_Click(i, on); });
    }
    connect(m_pc.speed, &QCheckBox::toggled, &m_sim, &Simulation::speed_Click);
    connect(m_pc.secondLaw, &QCheckBox::toggled, &m_sim, &Simulation::secondLaw_Click);
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
}

void FeuilleP::bindSimulation()
{
    connect(&m_sim, &Simulation::changed, this, &FeuilleP::refresh);
    connect(&m_sim, &Simulation::timerChanged, this, &FeuilleP::setTimerRunning);
    connect(&m_sim, &Simulation::focusSceneRequested, this,
            [this] { m_picture2->setFocus(Qt::OtherFocusReason); });
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

void FeuilleP::installHints()
{
    m_hints = new Hints([this](const QString &hint) { m_info->showHint(hint); }, this);
    Hints &h = *m_hints;
    for (QWidget *w : {static_cast<QWidget *>(m_pc.Check[1]), static_cast<QWidget *>(m_pc.Check[2]),
                       static_cast<QWidget *>(m_pc.Check[3]), static_cast<QWidget *>(m_pc.frame2)})
        h.add(w, Hints::displayOptions());
    h.add(m_pc.Check[4], QStringLiteral("Si cette case est cochée, l'animation sera stoppée si le "
                                        "projectile sort de l'écran."));
    h.add(m_pc.secondLaw, QStringLiteral("Avec la construction de Δv : le vecteur m·Δv/Δt, à "
                                         "l'échelle des forces,\nà côté du poids (deuxième loi "
                                         "de Newton)"));
    h.add(m_pc.Check[8],
          QStringLiteral("La trajectoire est tracée lorsque le projectile est en mouvement"));
    h.add(m_pc.chrono,
          QStringLiteral("Vous pouvez régler l'intervalle de temps pour la chronophotographie."));
    h.add(m_toolBar[7],
          QStringLiteral("Pour retrouver le module principal et quitter cette application"));
    h.add(m_toolBar[4], QStringLiteral("Pour configurer l'imprimante et imprimer l'image"));
    h.add(m_toolBar[2], QStringLiteral("Pour conserver la configuration en cours"));
    h.add(m_pc.command12, [this] {
        return m_pc.command12->toolTip() == QStringLiteral("Chronophotographie")
                   ? QStringLiteral("Appuyer sur la caméra pour commencer l'enregistrement.")
                   : QStringLiteral("Appuyer sur le bouton pour arrêter l'enregistrement en cours.");
    });
    h.add(m_toolBar[0], QStringLiteral("Pour effacer les chronophotographies de l'image actuelle: "
                                       "bouton « Nouveau »"));
    const QString animation = QStringLiteral(
        "Vous pouvez activer ou arrêter l'animation ou retrouver la position initiale");
    h.add(m_command15, animation);
    h.add(m_command18, animation);
    h.add(m_command16, animation + QLatin1Char('.'));
    h.add(m_toolBar[1], QStringLiteral("Pour retrouver une situation enregistrée"));
    h.add(m_toolBar[3], QStringLiteral(
                            "Copier pour placer l'image dans le presse- papiers puis coller depuis "
                            "Word, Paint..."));
    h.add(m_toolBar[6], QStringLiteral("Si vous rencontrez une difficulté avec cette application"));
    h.add(m_toolBar[5], QStringLiteral("Machine à calculer"));
    h.addBackground(centralWidget(), Hints::window());
    for (Swatch *s : m_pc.Label4)
        h.add(s, QStringLiteral("Modifier la couleur d'affichage"));
    h.add(m_pc.Picture1, QStringLiteral("Les modifications de ces paramètres interviennent sur le "
                                        "projectile en mouvement"));
    h.add(m_picture2, QStringLiteral("Vous pouvez déplacer le projectile directement sur l'image "
                                     "pour modifier la position initiale"));
    h.add(m_pc.Picture3, QStringLiteral(
                             "Vous pouvez modifier tous les paramètres : lieu, position et vitesse "
                             "initiale."));
    h.add(m_pc.Picture6, QStringLiteral("Paramètres de la chronophotographie"));
    h.add(m_pc.pointage, [this] { return pointageHint(); });
    h.add(m_btexo, QStringLiteral("Ouvrir un énoncé, enregistrer le texte, obtenir la correction, "
                                  "imprimer ou fermer."));
}

void FeuilleP::setTimerRunning(bool on)
{
    if (on)
        m_timer.start();
    else
        m_timer.stop();
}

void FeuilleP::scrollScene(int twipsValue)
{
    m_picture2->move(0, -twips::toPixelsRounded(twipsValue));
}

void FeuilleP::chooseColour(int index)
{
    if (const auto colour = m_chooser->choose(m_sim.c.Label4.at(index), this))
        m_sim.Label4_Chosen(index, *colour);
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

// The measurement needs a still scene and at least three photographs; the hint says why not.
bool FeuilleP::pointageReady() const { return !m_sim.d.timer1 && m_sim.photoPositions.size() >= 3; }

QString FeuilleP::pointageHint() const
{
    if (m_sim.d.timer1)
        return QStringLiteral("Arrêter l'animation pour pointer la chronophotographie.");
    if (!pointageReady())
        return QStringLiteral("Il faut au moins trois photographies : activer la "
                              "chronophotographie (caméra) puis lancer l'animation.");
    return QStringLiteral("Pointer les photographies, calculer les vitesses et vérifier la "
                          "deuxième loi de Newton.");
}

void FeuilleP::openPointage()
{
    if (!pointageReady())
        return;
    if (m_pointage)
        m_pointage->close();
    auto *window = new pointage::PointageWindow(m_sim, m_renderer.chronophotograph(),
                                                {m_services.dialogs, m_fileDialogs.get()}, this);
    m_pointage = window;
    connect(this, &FeuilleP::unloading, window, &QWidget::close);
    window->show();
}

void FeuilleP::exportPositions()
{
    exchange::exportPositions(m_sim.photoPositions, *m_services.dialogs, this);
}

// A file given on the command line (a double click in a file manager) opens as the open
// window or the exercise chooser would open it.
void FeuilleP::openFile(const QString &path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().toUpper();
    if (suffix == QStringLiteral("P08")) {
        if (!info.isFile()) {
            m_services.dialogs->message(QStringLiteral("Nom de fichier incorrect ou chemin non valide"),
                                        QStringLiteral("impossible d'ouvrir ce fichier"),
                                        MsgIcon::Critical);
            return;
        }
        m_configs->setCurrentFolder(info.absolutePath());
        m_configs->chargeconfig(m_sim, info.absoluteFilePath(), *m_services.dialogs);
        return;
    }
    if (suffix == QStringLiteral("E20") && openExercise) {
        openExercise(info.absoluteFilePath());
        return;
    }
    m_services.dialogs->message(QStringLiteral("Le fichier ") + path +
                                    QStringLiteral(" n'est ni une configuration (.P08) ni un "
                                                   "exercice (.E20) d'Orbane 1S."),
                                QStringLiteral("Orbane 1S"), MsgIcon::Exclamation);
}

void FeuilleP::effacer()
{
    m_toolBar[0]->setCursor(Qt::WaitCursor);
    m_sim.Command13_Click();
    m_toolBar[0]->unsetCursor();
}

void FeuilleP::sceneMouseMoved(QPoint pos)
{
    if (m_timer.isActive() || m_sim.d.timer1) {
        m_picture2->unsetCursor();
        m_picture2->setToolTip(QString());
        return;
    }
    m_picture2->setCursor(Qt::CrossCursor);
    m_picture2->setToolTip(QStringLiteral("x = ") + numfmt::fixed(scene::metresX(pos.x())) +
                           QStringLiteral(" m ; y = ") + numfmt::fixed(scene::metresY(pos.y())) +
                           QStringLiteral(" m."));
}

void FeuilleP::refreshSprites()
{
    const Display &d = m_sim.d;
    if (m_shownCombo2 != m_sim.c.Combo2) {
        m_shownCombo2 = m_sim.c.Combo2;
        m_projectile->setPixmap(QPixmap::fromImage(m_renderer.projectilePicture()));
        m_ombre->setPixmap(QPixmap::fromImage(m_renderer.shadowPicture()));
        m_projectile->resize(Sprites::kSize, Sprites::kSize);
        m_ombre->resize(Sprites::kSize, Sprites::kSize);
    }
    m_projectile->move(int(std::lround(d.projLeft)), int(std::lround(d.projTop)));
    m_projectile->setVisible(d.projVisible);
    m_ombre->move(int(std::lround(d.ombreLeft)), int(scene::kGroundTop));
}

void FeuilleP::refreshControls()
{
    const Controls &c = m_sim.c;
    const Display &d = m_sim.d;
    m_pc.Combo1->setCurrentIndex(c.Combo1);
    m_pc.Combo2->setCurrentIndex(c.Combo2);
    const QString *texts[] = {nullptr, &c.Text1, &c.Text2, &c.Text3, &c.Text4};
    for (int n = 1; n <= 4; ++n)
        if (m_pc.Text[n]->text() != *texts[n])
            m_pc.Text[n]->setText(*texts[n]);
    if (m_pc.chrono->text() != c.chrono)
        m_pc.chrono->setText(c.chrono);
    for (int i = 1; i <= 12; ++i) {
        const QSignalBlocker block(m_pc.Check[i]);
        m_pc.Check[i]->setChecked(c.Check[i]);
    }
    {
        const QSignalBlocker block(m_pc.speed);
        m_pc.speed->setChecked(c.speed);
    }
    {
        const QSignalBlocker block(m_pc.secondLaw);
        m_pc.secondLaw->setChecked(c.secondLaw);
    }
    m_pc.Check[1]->setEnabled(d.check1Enabled);
    m_pc.Check[3]->setEnabled(d.check3Enabled);
    m_pc.Check[7]->setEnabled(d.check7Enabled);
    m_pc.secondLaw->setEnabled(c.Check[6] && c.Check[7]); // drawn with the construction only
    for (int i = 0; i < 9; ++i)
        m_pc.Label4[i]->setColour(c.Label4[i]);
    {
        // The scales report the user's moves only.
        const QSignalBlocker b1(m_pc.VScroll1), b3(m_pc.VScroll3), b4(m_pc.UpDown1);
        m_pc.VScroll1->setValue(c.VScroll1);
        m_pc.VScroll3->setValue(c.VScroll3);
        m_pc.UpDown1->setValue(c.UpDown1);
    }
    nameScaleBars();
    m_pc.Label9->setText(vectorscale::label9(c.UpDown1));
    if (m_shownRecording != int(d.recording)) {
        m_shownRecording = int(d.recording);
        m_pc.command12->setIcon(QIcon(d.recording ? QStringLiteral(":/icons/camera-stop.png")
                                                  : QStringLiteral(":/icons/camera.png")));
    }
    m_pc.command12->setToolTip(d.command12Tip);
    renameForScreenReaders(m_pc.command12, d.command12Tip);
    m_pc.Label5->setText(d.Label5);
}

// Screen readers get the read-outs whenever the projectile rests, and at most once a second
// during a flight, so that a flight does not flood them with a new text every tick.
void FeuilleP::refreshReadouts()
{
    if (m_sim.d.timer1 && m_readoutsSaid.isValid() && m_readoutsSaid.elapsed() < 1000)
        return;
    m_readoutsSaid.start();
    renameForScreenReaders(m_label3, m_sim.d.Label3.trimmed());
    renameForScreenReaders(m_label1, m_sim.d.Label1.trimmed());
}

// The scale bars say the scale they set.
void FeuilleP::nameScaleBars()
{
    const Controls &c = m_sim.c;
    renameForScreenReaders(m_pc.VScroll1,
                           QStringLiteral("Échelle du vecteur vitesse : 1 m·s⁻¹ pour %1 pixels")
                               .arg(vectorscale::velocity(c.VScroll1)));
    renameForScreenReaders(m_pc.VScroll3, QStringLiteral("Échelle des forces : %1 pour %2 pixels")
                                              .arg(vectorscale::forceLegend(c.Combo2))
                                              .arg(vectorscale::force(c.VScroll3)));
}

void FeuilleP::tick()
{
    m_ticking = true;
    m_sim.Timer1_Timer();
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
    const Display &d = m_sim.d;
    m_label3->setText(d.Label3);
    m_label1->setText(d.Label1);
    refreshReadouts();
    refreshSprites();
    // A tick moves the projectile and its read-outs; the controls change only when the tick
    // changed their values. Any other change sets them all, as the user may have moved one.
    auto shown = shownControls();
    if (!m_ticking || m_shownControls != shown) {
        m_shownControls = std::move(shown);
        refreshControls();
    }
    m_pc.pointage->setEnabled(pointageReady());
    if (const QString why = pointageHint(); why != m_pc.pointage->toolTip())
        m_pc.pointage->setToolTip(why);
    for (QWidget *w : {static_cast<QWidget *>(m_pc.command12),
                       static_cast<QWidget *>(m_command14), static_cast<QWidget *>(m_command15),
                       static_cast<QWidget *>(m_command16), static_cast<QWidget *>(m_command18)})
        w->setEnabled(d.animationButtons);
    {
        const QSignalBlocker block(m_vscroll2);
        m_vscroll2->setValue(d.VScroll2);
    }
    scrollScene(d.VScroll2);
    // The panels paint texts that follow a few values: repaint them only when those change.
    const std::array<quint32, 4> painted = {quint32(m_sim.c.VScroll1), quint32(m_sim.c.VScroll3),
                                            quint32(m_sim.c.Combo2), m_sim.c.Label4[0]};
    if (painted != m_paintedState) {
        m_paintedState = painted;
        m_onglets->update();
    }
}

bool FeuilleP::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_projectile &&
        (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress)) {
        auto *me = static_cast<QMouseEvent *>(event);
        const QPoint p = me->position().toPoint();
        m_sim.projectile_MouseMove(me->buttons() == Qt::LeftButton, me->buttons() != Qt::NoButton,
                                   p.x(), p.y());
        return event->type() == QEvent::MouseMove;
    }
    if (watched == m_pc.Label5 && event->type() == QEvent::MouseButtonRelease) {
        m_sim.command12_Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
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

void FeuilleP::closeEvent(QCloseEvent *event)
{
    if (!m_sim.Form_QueryUnload()) {
        event->ignore();
        return;
    }
    m_timer.stop();
    m_sim.Form_Unload();
    emit unloading();
    event->accept();
}

} // namespace orbane
