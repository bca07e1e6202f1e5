#include "app/feuillep.h"

#include "app/scenewidget.h"
#include "core/handshake.h"
#include "core/tables.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <cmath>

namespace orbane {

namespace {
// Design positions are in twips; 15 twips make a pixel.
QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

constexpr int kScrollMaxTwips = 5145;
constexpr int kFrameHeight = 457;
} // namespace

FeuilleP::FeuilleP(const QString &programDir, const Services *services, QWidget *parent)
    : QMainWindow(parent), m_sim(programDir), m_renderer(m_sim)
{
    setObjectName(QStringLiteral("feuilleP"));
    setWindowTitle(QStringLiteral("Orbane 1S"));
    setFixedSize(800, 600);
    setCentralWidget(new QWidget(this));
    m_qtServices.dialogs.setParent(this);
    m_sim.setServices(services ? *services : m_qtServices.all());
    m_sim.setSceneHooks(&m_renderer);

    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(20);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, &m_sim, &Simulation::Timer1_Timer);

    buildReadouts();
    buildScene();
    buildLists();
    buildAnimationButtons();
    buildOptionBoxes();
    bindSimulation();
}

FeuilleP::~FeuilleP() { m_sim.setSceneHooks(nullptr); }

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
    m_sim.Form_Load();
    if (m_sim.fatalErrorShown())
        return false;
    refresh();
    return true;
}

void FeuilleP::buildReadouts()
{
    auto *band = new QLabel(centralWidget());
    band->setGeometry(twips(120, 720, 6135, 255));
    band->setStyleSheet(QStringLiteral("background: rgb(0, 0, 128);"));
    const QString readoutStyle = QStringLiteral("color: white; background: rgb(0, 0, 128);");
    m_label3 = new QLabel(centralWidget());
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setGeometry(twips(135, 735, 1695, 255));
    m_label3->setStyleSheet(readoutStyle);
    m_label1 = new QLabel(centralWidget());
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(twips(1800, 735, 4215, 255));
    m_label1->setStyleSheet(readoutStyle);
}

void FeuilleP::buildScene()
{
    m_frame3 = new QWidget(centralWidget());
    m_frame3->setObjectName(QStringLiteral("Frame3"));
    m_frame3->setGeometry(twips(120, 960, 6135, 6855));
    m_picture2 = new SceneWidget(m_renderer, m_frame3);
    m_picture2->move(0, 0);

    // Image controls over the surface: the shadow under the projectile.
    m_ombre = new QLabel(m_picture2);
    m_ombre->setObjectName(QStringLiteral("ombre"));
    m_ombre->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_projectile = new QLabel(m_picture2);
    m_projectile->setObjectName(QStringLiteral("projectile"));

    // The scroll bar stands in the gap right of the frame, hiding only the last few columns
    // of the canvas, beyond the axis' arrow head.
    m_vscroll2 = new QScrollBar(Qt::Vertical, centralWidget());
    m_vscroll2->setObjectName(QStringLiteral("VScroll2"));
    m_vscroll2->setRange(0, kScrollMaxTwips);
    m_vscroll2->setSingleStep(150);
    m_vscroll2->setPageStep(1500);
    m_vscroll2->setGeometry(m_frame3->geometry().right() - 4, m_frame3->y(), 12, kFrameHeight);
    connect(m_vscroll2, &QScrollBar::valueChanged, this, &FeuilleP::scrollScene);
}

void FeuilleP::scrollScene(int twipsValue)
{
    m_picture2->move(0, -std::lround(twipsValue / 15.0));
    if (!m_refreshing)
        m_sim.d.VScroll2 = twipsValue;
}

void FeuilleP::buildLists()
{
    m_combo1 = new QComboBox(centralWidget());
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    for (int i = 0; i < int(places().size()); ++i)
        m_combo1->addItem(placeName(i));
    m_combo1->setGeometry(520, 80, 200, 22);
    connect(m_combo1, &QComboBox::activated, this, [this](int index) {
        m_sim.c.Combo1 = index;
        m_sim.Combo1_Click();
    });

    m_combo2 = new QComboBox(centralWidget());
    m_combo2->setObjectName(QStringLiteral("Combo2"));
    for (int i = 0; i < int(projectiles().size()); ++i)
        m_combo2->addItem(projectileName(i));
    m_combo2->setGeometry(520, 110, 200, 22);
    connect(m_combo2, &QComboBox::activated, this, [this](int index) {
        m_sim.c.Combo2 = index;
        m_sim.Combo2_Click();
    });
}

void FeuilleP::buildAnimationButtons()
{
    m_command15 = new QPushButton(centralWidget());
    m_command15->setObjectName(QStringLiteral("command15"));
    m_command15->setGeometry(twips(3720, 7860, 360, 360));
    m_command15->setIcon(QIcon(QStringLiteral(":/icons/simulation.png")));
    m_command15->setToolTip(QStringLiteral("Simulation"));
    connect(m_command15, &QPushButton::clicked, &m_sim, &Simulation::command15_Click);

    m_command16 = new QPushButton(centralWidget());
    m_command16->setObjectName(QStringLiteral("command16"));
    m_command16->setGeometry(twips(4200, 7860, 360, 360));
    m_command16->setIcon(QIcon(QStringLiteral(":/icons/pause.png")));
    m_command16->setToolTip(QStringLiteral("Pause"));
    connect(m_command16, &QPushButton::clicked, &m_sim, &Simulation::command16_Click);
}

// The option boxes, in a column until they find their panels.
void FeuilleP::buildOptionBoxes()
{
    static constexpr int order[] = {1, 3, 10, 8, 4, 5, 12, 6, 7, 9, 2, 11};
    int y = 150;
    for (int i : order) {
        auto *box = new QCheckBox(checkCaption(i), centralWidget());
        box->setObjectName(QStringLiteral("Check%1").arg(i));
        box->setGeometry(440, y, 350, 20);
        y += 21;
        connect(box, &QCheckBox::clicked, this, [this, i](bool on) {
            m_sim.c.Check[i] = on;
            m_sim.Check_Click(i);
        });
        m_check[i] = box;
    }
    m_command12 = new QPushButton(centralWidget());
    m_command12->setObjectName(QStringLiteral("command12"));
    m_command12->setGeometry(440, y + 6, 32, 32);
    connect(m_command12, &QPushButton::clicked, &m_sim, &Simulation::command12_Click);
    m_label5 = new QLabel(centralWidget());
    m_label5->setObjectName(QStringLiteral("Label5"));
    m_label5->setGeometry(480, y + 12, 300, 20);
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

void FeuilleP::setTimerRunning(bool on)
{
    if (on)
        m_timer.start();
    else
        m_timer.stop();
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

void FeuilleP::refresh()
{
    m_refreshing = true;
    const Display &d = m_sim.d;
    m_label3->setText(d.Label3);
    m_label1->setText(d.Label1);
    refreshSprites();
    m_combo1->setCurrentIndex(m_sim.c.Combo1);
    m_combo2->setCurrentIndex(m_sim.c.Combo2);
    m_command15->setEnabled(d.animationButtons);
    m_command16->setEnabled(d.animationButtons);
    m_vscroll2->setValue(d.VScroll2);
    for (int i = 1; i <= 12; ++i)
        m_check[i]->setChecked(m_sim.c.Check[i]);
    m_check[1]->setEnabled(d.check1Enabled);
    m_check[3]->setEnabled(d.check3Enabled);
    m_check[7]->setEnabled(d.check7Enabled);
    m_command12->setEnabled(d.animationButtons);
    m_command12->setIcon(QIcon(d.recording ? QStringLiteral(":/icons/camera-stop.png")
                                           : QStringLiteral(":/icons/camera.png")));
    m_command12->setToolTip(d.command12Tip);
    m_label5->setText(d.Label5);
    m_refreshing = false;
}

void FeuilleP::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_sim.Form_Activate();
    QMainWindow::changeEvent(event);
}

// The start-up window is activated when it first appears, even where no window manager
// hands it the focus.
void FeuilleP::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        m_sim.Form_Activate();
}

void FeuilleP::closeEvent(QCloseEvent *event)
{
    m_timer.stop();
    m_qtServices.sound.close();
    handshake::markStopped(m_sim.programDir());
    event->accept();
}

} // namespace orbane
