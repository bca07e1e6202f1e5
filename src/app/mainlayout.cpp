// Where every control of the main window stands: design positions in twips (15 per pixel).
#include "app/backdrop.h"
#include "app/feuillep.h"
#include "app/hintline.h"
#include "app/panelpaint.h"
#include "app/scenewidget.h"
#include "app/tabstrip.h"
#include "app/welcome.h"
#include "core/units.h"
#include "graphs/graphpanel.h"
#include "platform/accessibility.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>

namespace orbane {

namespace {
QRect fromTwips(int left, int top, int width, int height)
{
    using twips::toPixels;
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

constexpr int kScrollMaxTwips = 5145;

// The scene's scroll bar stands in its own column right of the scene frame; the column of the
// tab strip, hint line and text box moves right to make room, keeping equal margins.
constexpr int kSceneBarWidth = 12;
constexpr int kRightColumnShift = 7; // pixels

QRect rightColumn(int left, int top, int width, int height)
{
    return fromTwips(left, top, width, height).translated(kRightColumnShift, 0);
}

// Fixed colours through the palette: a style sheet makes Qt polish its widget with a
// style-sheet style, which is costly at start-up.
void paintIn(QWidget *w, const QColor &text, const QColor &background)
{
    QPalette palette = w->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, text);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        palette.setColor(role, background);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

struct ToolButtonDesign
{
    const char *name, *caption, *icon, *tip;
    int left, width;
};

// The tool bar, left to right.
constexpr ToolButtonDesign kToolBar[] = {
    {"Command13", "&Effacer", "effacer", "Effacer l'image", 0, 1455},
    {"Command2", "&Ouvrir", "ouvrir", "Retrouver une configuration", 1440, 1455},
    {"Command11", "&Enregistrer", "enregistrer", "Enregistrer la configuration actuelle", 2880,
     1575},
    {"Command4", "Co&pier", "copier", "Placer l'image dans le presse-papiers", 4440, 1455},
    {"Command10", "&Imprimer", "imprimer", "Imprimer l'image", 5880, 1575},
    {"Command8", "&Calculatrice", "calculatrice", "Machine à calculer", 7440, 1455},
    {"Command7", "&Aide", "aide", "Aide pour utiliser cette application", 8880, 1455},
    {"Command1", "&Fermer", "fermer", "Quitter cette application", 10320, 1695},
};
} // namespace

void FeuilleP::buildToolBar()
{
    int i = 0;
    for (const ToolButtonDesign &d : kToolBar) {
        auto *b = new QToolButton(centralWidget());
        b->setObjectName(QString::fromLatin1(d.name));
        b->setText(QString::fromUtf8(d.caption));
        b->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(QString::fromLatin1(d.icon))));
        b->setIconSize(QSize(24, 24));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setToolTip(QString::fromUtf8(d.tip));
        b->setAccessibleName(QString(b->text()).remove(QLatin1Char('&')));
        b->setGeometry(fromTwips(d.left, 0, d.width, 615));
        // Grey buttons through the palette: style sheets cost a lot at start-up.
        QPalette palette = b->palette();
        palette.setColor(QPalette::Button, QColor(192, 192, 192));
        palette.setColor(QPalette::Window, QColor(192, 192, 192));
        b->setPalette(palette);
        b->setAutoFillBackground(true);
        m_toolBar[i++] = b;
    }
}

void FeuilleP::buildReadouts()
{
    auto *band = new QLabel(centralWidget());
    band->setGeometry(fromTwips(120, 720, 6135, 255));
    const QColor navy(0, 0, 128);
    paintIn(band, Qt::white, navy);
    m_label3 = new QLabel(centralWidget());
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setGeometry(fromTwips(135, 735, 1695, 255));
    m_label1 = new QLabel(centralWidget());
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(fromTwips(1800, 735, 4215, 255));
    // Both change at every tick: plain Latin text needs no shaping, which costs more than the
    // rest of the label's paint.
    QFont readout(QStringLiteral("Arial"), 8);
    readout.setStyleStrategy(QFont::PreferNoShaping);
    for (QLabel *l : {m_label3, m_label1}) {
        paintIn(l, Qt::white, navy);
        l->setFont(readout);
        l->setAccessibleDescription(QStringLiteral("Lecture de la position"));
    }
}

void FeuilleP::buildScene()
{
    m_frame3 = new QWidget(centralWidget());
    m_frame3->setObjectName(QStringLiteral("Frame3"));
    m_frame3->setGeometry(fromTwips(120, 960, 6135, 6855));
    m_picture2 = new SceneWidget(m_renderer, m_frame3);
    m_picture2->setAccessibleName(QStringLiteral("Scène de l'animation"));
    connect(m_picture2, &SceneWidget::mouseMoved, this, &FeuilleP::sceneMouseMoved);

    // Image controls over the surface: the shadow under the projectile.
    m_ombre = new QLabel(m_picture2);
    m_ombre->setObjectName(QStringLiteral("ombre"));
    m_ombre->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_projectile = new QLabel(m_picture2);
    m_projectile->setObjectName(QStringLiteral("projectile"));
    m_projectile->setAccessibleName(QStringLiteral("Projectile"));
    m_projectile->setMouseTracking(true);
    m_projectile->setCursor(Qt::OpenHandCursor);
    m_projectile->installEventFilter(this);

    // Beside the frame, not over it: the whole scene stays visible and a scene update does
    // not repaint the bar.
    m_vscroll2 = new QScrollBar(Qt::Vertical, centralWidget());
    m_vscroll2->setObjectName(QStringLiteral("VScroll2"));
    m_vscroll2->setAccessibleName(QStringLiteral("Faire défiler la scène"));
    m_vscroll2->setRange(0, kScrollMaxTwips);
    m_vscroll2->setSingleStep(150);
    m_vscroll2->setPageStep(1500);
    m_vscroll2->setFocusPolicy(Qt::StrongFocus); // the arrow keys scroll the scene too
    m_vscroll2->setGeometry(m_frame3->geometry().right() + 2, m_frame3->y(), kSceneBarWidth,
                            m_frame3->height());
    connect(m_vscroll2, &QScrollBar::valueChanged, this, &FeuilleP::scrollScene);
    connect(m_vscroll2, &QScrollBar::valueChanged, &m_sim, &Simulation::VScroll2_Change);
}

void FeuilleP::buildAnimationButtons()
{
    const auto place = [this](const char *name, const char *icon, const char *tip, int left) {
        QToolButton *b = pictureButton(QString::fromLatin1(name),
                                       QStringLiteral(":/icons/%1.png").arg(QLatin1String(icon)),
                                       QString::fromUtf8(tip), centralWidget());
        b->setGeometry(fromTwips(left, 7860, 360, 360));
        return b;
    };
    m_command18 = place("command18", "retour", "Retrouver la position initiale", 2760);
    m_image4 = place("Image4", "stop", "Stop", 3240);
    m_command15 = place("command15", "simulation", "Simulation", 3720);
    m_command16 = place("command16", "pause", "Pause", 4200);

    m_command14 = new QToolButton(centralWidget());
    m_command14->setObjectName(QStringLiteral("Command14"));
    m_command14->setText(QStringLiteral("&Graphes"));
    m_command14->setToolTip(QStringLiteral("Afficher les graphes x(t), y(t) et y(x)"));
    m_command14->setAccessibleName(QStringLiteral("Graphes"));
    m_command14->setGeometry(fromTwips(4800, 7860, 1200, 360));
}

void FeuilleP::buildTabs()
{
    m_onglets = new TabStrip(centralWidget());
    m_onglets->setGeometry(rightColumn(6360, 720, 5415, 3375));
    buildParametersPanel(m_pc, m_onglets);
    buildDisplayPanel(m_pc, m_onglets);
    buildVectorsPanel(m_pc, m_onglets);
    buildChronoPanel(m_pc, m_onglets);
    m_frame1 = new graphs::GraphPanel(m_sim, m_onglets);
    m_onglets->setPanel(1, m_pc.Picture3);
    m_onglets->setPanel(2, m_pc.frame2);
    m_onglets->setPanel(3, m_pc.Picture1);
    m_onglets->setPanel(4, m_pc.Picture6);
    m_onglets->setPanel(5, m_frame1);
    m_pc.Picture3->painter = [this](QPainter &p) {
        paintParametersPanel(p, m_pc, m_sim.c.Label4[0]);
    };
    m_pc.Picture1->painter = [this](QPainter &p) { paintVectorsPanel(p, m_pc, m_sim.c); };
    m_pc.Picture6->painter = [this](QPainter &p) { paintChronoPanel(p, m_pc); };
}

void FeuilleP::buildBottom()
{
    m_btexo = new QToolButton(centralWidget());
    m_btexo->setObjectName(QStringLiteral("btexo"));
    m_btexo->setIcon(QIcon(QStringLiteral(":/icons/exercices.png")));
    m_btexo->setIconSize(QSize(32, 32));
    m_btexo->setToolTip(QStringLiteral("Exercices"));
    m_btexo->setAccessibleName(QStringLiteral("Exercices"));
    m_btexo->setGeometry(rightColumn(6600, 4200, 615, 495));

    m_info = new HintLine(centralWidget());
    m_info->setGeometry(rightColumn(7680, 4200, 3495, 495));
    m_info->setWordWrap(true);
    m_info->setFont(QFont(QStringLiteral("Arial"), 8));
    m_info->setFrameStyle(QFrame::Box | QFrame::Plain);
    // The system's tool-tip colours: a label paints with the window roles, so they take the
    // tool-tip palette's tool-tip roles.
    const QPalette tips = QToolTip::palette();
    paintIn(m_info, tips.color(QPalette::Inactive, QPalette::ToolTipText),
            tips.color(QPalette::Inactive, QPalette::ToolTipBase));

    m_fich = new QLineEdit(centralWidget());
    m_fich->setObjectName(QStringLiteral("fich"));
    m_fich->setGeometry(rightColumn(6360, 4800, 5415, 285));
    m_fich->setReadOnly(true);
    m_fich->setFrame(false);
    paintIn(m_fich, Qt::white, QColor(128, 0, 0));
    m_fich->setAccessibleName(QStringLiteral("Fichier de l'exercice"));

    m_supertext = new QTextEdit(centralWidget());
    m_supertext->setObjectName(QStringLiteral("supertext"));
    m_supertext->setGeometry(rightColumn(6360, 5085, 5415, 3090));
    m_supertext->setAccessibleName(QStringLiteral("Texte de l'exercice"));
    nameScrollBars(m_supertext, QStringLiteral("Faire défiler le texte"));

    auto *backdrop = static_cast<Backdrop *>(centralWidget());
    backdrop->shadowOf = QRect(QPoint(m_supertext->x(), m_fich->y()),
                               QPoint(m_supertext->geometry().right(),
                                      m_supertext->geometry().bottom()));
    backdrop->animationTitle = QPoint(m_picture2->x() + 50, m_frame3->geometry().bottom() + 1 + 3);
}

} // namespace orbane
