// The three panels of options: display, vectors, chronophotography.
#include "app/hintline.h"
#include "app/hints.h"
#include "app/panelpaint.h"
#include "app/panels.h"
#include "core/simulation.h"
#include "scene/vectors.h"

#include <QApplication>
#include <algorithm>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace orbane {

namespace {

// The window's style with a shorter least thumb: in a bar a few tens of pixels high the thumb
// would otherwise fill the whole groove and never show where the bar stands.
class ScaleBarStyle : public QProxyStyle
{
public:
    ScaleBarStyle() : QProxyStyle(QApplication::style()->name()) {}
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_ScrollBarSliderMin)
            return 8;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// A vertical bar: the higher the thumb, the longer the vectors.
QScrollBar *scaleBar(const QString &name, const QString &accessible, int maximum, QWidget *parent,
                     QRect geometry)
{
    auto *bar = new QScrollBar(Qt::Vertical, parent);
    auto *style = new ScaleBarStyle;
    style->setParent(bar);
    bar->setStyle(style);
    bar->setObjectName(name);
    bar->setAccessibleName(accessible);
    bar->setRange(0, maximum);
    bar->setPageStep(10);
    bar->setGeometry(geometry);
    bar->setFocusPolicy(Qt::StrongFocus); // the arrow keys change the scale too
    return bar;
}

// Sets a value without reporting it: the scales report the user's moves only.
template <typename Scale> void showValue(Scale *scale, int value)
{
    const QSignalBlocker block(scale);
    scale->setValue(value);
}

} // namespace

DisplayPanel::DisplayPanel(const PanelContext &context, QWidget *parent)
    : Panel(QStringLiteral("frame2"), QStringLiteral("Affichage"), context, parent)
{
    buildOptions(OptionTab::Display);
    addSwatch(4, 300, 11);
    addSwatch(5, 300, 83);
    buildAir();
    orderFocusByPosition();
    context.hints.add(this, Hints::displayOptions());
}

QLabel *DisplayPanel::boxLabel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(buddy);
    return label;
}

void DisplayPanel::buildAir()
{
    Simulation &sim = m_ctx.sim;
    m_model = new QComboBox(this);
    m_model->setObjectName(QStringLiteral("dragModel"));
    m_model->setAccessibleName(QStringLiteral("Modèle"));
    m_model->addItems({QStringLiteral("f = ½·ρ·Cx·S·v²"), QStringLiteral("f = k·v")});
    m_model->setGeometry(212, 152, 140, 22);
    boxLabel(QStringLiteral("Modèle : "), m_model)->setGeometry(150, 152, 62, 22);
    connect(m_model, &QComboBox::activated, &sim,
            [&sim](int index) { sim.dragModel_Click(index == 1); });

    // k and Cx share the first place: one law shows one of them.
    const char *const names[][3] = {
        {"dragK", "k (kg.s⁻¹) : ", "Coefficient k du frottement f = k·v, en kg par seconde"},
        {"dragCx", "Cx : ", "Coefficient de traînée Cx du projectile"},
        {"dragRho", "ρ (kg.m⁻³) : ", "Masse volumique de l'air ρ, en kg par mètre cube"},
    };
    const int lefts[] = {12, 12, 160};
    for (int i = 0; i < 3; ++i) {
        auto *box =
            parameterBox(QString::fromLatin1(names[i][0]), this, {lefts[i] + 86, 176, 56, 21});
        const QString label = QString::fromUtf8(names[i][1]);
        box->setAccessibleName(label.trimmed().chopped(1).trimmed());
        box->setAccessibleDescription(QString::fromUtf8(names[i][2]));
        m_airLabels[std::size_t(i)] = boxLabel(label, box);
        m_airLabels[std::size_t(i)]->setGeometry(lefts[i], 176, 86, 21);
        const auto which = DragBox(i);
        box->setFilter([&sim](QChar &key) {
            return sim.TextN_KeyPress(3, key) == Simulation::KeyResult::Accept
                       ? ParameterBox::Key::Accept
                       : ParameterBox::Key::Swallow;
        });
        connect(box, &ParameterBox::edited, this,
                [&sim, which](const QString &text) { sim.dragBox_Change(which, text); });
        connect(box, &ParameterBox::applied, this, [&sim, which, box] {
            box->setModified(false); // applied: the box shows the value as the law takes it
            sim.dragBox_LostFocus(which);
        });
        m_air[std::size_t(i)] = box;
    }
}

void DisplayPanel::refresh()
{
    Panel::refresh();
    const Simulation &sim = m_ctx.sim;
    const bool air = option(QStringLiteral("drag"))->isEnabled(sim.c, sim.d);
    {
        const QSignalBlocker block(m_model);
        m_model->setCurrentIndex(sim.c.dragLinear ? 1 : 0);
    }
    enableUnlessFixed(m_model, air, FixableSetting::Display);
    for (int i = 0; i < 3; ++i) {
        const bool shown = (i == 0) == sim.c.dragLinear;
        ParameterBox *box = m_air[std::size_t(i)];
        box->setVisible(shown);
        m_airLabels[std::size_t(i)]->setVisible(shown);
        enableUnlessFixed(box, air, FixableSetting::Display);
        const QString text = sim.dragText(DragBox(i));
        // What the user is typing stays until it is applied.
        if (!(box->hasFocus() && box->isModified()) && box->text() != text)
            box->showText(text);
    }
}

void DisplayPanel::paintTexts(QPainter &p)
{
    p.drawText(QPointF(232, 24), QStringLiteral("Axes :"));
    p.drawText(QPointF(212, 96), QStringLiteral("Trajectoire :"));
}

VectorsPanel::VectorsPanel(const PanelContext &context, QWidget *parent)
    : Panel(QStringLiteral("Picture1"), QStringLiteral("Vecteurs"), context, parent)
{
    Simulation &sim = context.sim;
    // The swatches in one column, the scale bars in another at the right edge, apart.
    constexpr int swatches = 306, bars = 334;
    buildOptions(OptionTab::Vectors);
    addSwatch(0, swatches, 18);
    addSwatch(1, swatches, 36);
    addSwatch(2, 40, 73);
    addSwatch(3, 190, 73);
    addSwatch(7, swatches, 155);
    addSwatch(Controls::kSecondLawSwatch, swatches, 173);
    addSwatch(Controls::kDragForceSwatch, swatches, 136);

    m_label9 = new QLabel(this);
    m_label9->setObjectName(QStringLiteral("Label9"));
    m_label9->setGeometry(250, 95, 34, 17);
    m_label9->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_label9->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_label9->setAutoFillBackground(true);
    m_upDown1 = new UpDown(1, 20, this);
    m_upDown1->setObjectName(QStringLiteral("UpDown1"));
    m_upDown1->setAccessibleName(QStringLiteral("Δt"));
    m_upDown1->setAccessibleDescription(
        QStringLiteral("Intervalle de temps de la variation du vecteur vitesse"));
    m_upDown1->setValueText([](int v) { return QString::number(v * 100) + QStringLiteral(" ms"); });
    m_upDown1->setArrowNames(QStringLiteral("Augmenter l'intervalle"),
                             QStringLiteral("Diminuer l'intervalle"));
    m_upDown1->move(286, 91);
    m_vscroll1 = scaleBar(QStringLiteral("VScroll1"), QStringLiteral("Échelle du vecteur vitesse"),
                          49, this, {bars, 58, 15, 82});
    m_line1Start = QPoint(160, 127);
    m_vscroll3 = scaleBar(QStringLiteral("VScroll3"), QStringLiteral("Échelle du vecteur poids"),
                          90, this, {bars, 146, 15, 54});
    // Both segments start at the same place, clear of their "Échelle de représentation :".
    m_line2Start = QPoint(160, 187);
    orderFocusByPosition();

    connect(m_vscroll1, &QScrollBar::valueChanged, &sim, &Simulation::VScroll1_Change);
    connect(m_vscroll3, &QScrollBar::valueChanged, &sim, &Simulation::VScroll3_Change);
    connect(m_upDown1, &UpDown::valueChanged, &sim, &Simulation::UpDown1_Change);
    context.hints.add(this, QStringLiteral("Les modifications de ces paramètres interviennent "
                                           "sur le projectile en mouvement"));
}

void VectorsPanel::refresh()
{
    const Controls &c = m_ctx.sim.c;
    Panel::refresh();
    showValue(m_vscroll1, c.VScroll1);
    showValue(m_vscroll3, c.VScroll3);
    showValue(m_upDown1, c.UpDown1);
    nameScaleBars();
    m_label9->setText(vectorscale::label9(c.UpDown1));
    repaintWhenChanged({quint32(c.VScroll1), quint32(c.VScroll3), quint32(c.Combo2)});
}

// The scale bars say the scale they set.
void VectorsPanel::nameScaleBars()
{
    const Controls &c = m_ctx.sim.c;
    renameForScreenReaders(m_vscroll1,
                           QStringLiteral("Échelle du vecteur vitesse : 1 m·s⁻¹ pour %1 pixels")
                               .arg(vectorscale::velocity(c.VScroll1)));
    renameForScreenReaders(m_vscroll3, QStringLiteral("Échelle des forces : %1 pour %2 pixels")
                                           .arg(vectorscale::forceLegend(c.Combo2))
                                           .arg(vectorscale::force(c.VScroll3)));
}

void VectorsPanel::paintTexts(QPainter &p)
{
    const VectorsLayout at{swatch(2)->geometry(), swatch(3)->geometry(), m_label9->geometry(),
                           m_line1Start, m_line2Start};
    paintVectorsPanel(p, at, m_ctx.sim.c);
}

ChronoPanel::ChronoPanel(const PanelContext &context, QWidget *parent)
    : Panel(QStringLiteral("Picture6"), QStringLiteral("Chronophotographie"), context, parent)
{
    Simulation &sim = context.sim;
    m_chrono = new ParameterBox(QStringLiteral("chrono"), this);
    m_chrono->setGeometry(44, 30, 60, 21);
    m_chrono->setAlignment(Qt::AlignRight);
    m_chrono->setAccessibleName(QStringLiteral("τ (ms)"));
    m_chrono->setAccessibleDescription(
        QStringLiteral("Durée entre deux chronophotographies (10 à 5000 ms)"));
    m_chrono->setEnterSwallowed(false);
    m_chrono->setFilter([&sim](QChar &key) {
        return sim.chrono_KeyPress(key) == Simulation::KeyResult::Accept
                   ? ParameterBox::Key::Accept
                   : ParameterBox::Key::Swallow;
    });
    connect(m_chrono, &ParameterBox::edited, &sim, &Simulation::chrono_Change);
    connect(m_chrono, &ParameterBox::applied, &sim, &Simulation::chrono_LostFocus);
    buildOptions(OptionTab::Chrono);
    addSwatch(6, 318, 85);
    addSwatch(8, 318, 107);
    buildButtons();
    orderFocusByPosition();

    Hints &h = context.hints;
    h.add(m_chrono,
          QStringLiteral("Vous pouvez régler l'intervalle de temps pour la chronophotographie."));
    h.add(m_command12, [this] {
        return m_command12->toolTip() == QStringLiteral("Chronophotographie")
                   ? QStringLiteral("Appuyer sur la caméra pour commencer l'enregistrement.")
                   : QStringLiteral(
                         "Appuyer sur le bouton pour arrêter l'enregistrement en cours.");
    });
    h.add(this, QStringLiteral("Paramètres de la chronophotographie"));
    h.add(m_pointage, [this] { return pointageHint(); });
}

void ChronoPanel::buildButtons()
{
    m_command12 = pictureButton(QStringLiteral("command12"), QStringLiteral(":/icons/camera.png"),
                                QStringLiteral("Chronophotographie"), this);
    m_command12->setIconSize(QSize(24, 24));
    m_command12->setGeometry(12, 138, 36, 36);
    connect(m_command12, &QToolButton::clicked, &m_ctx.sim, &Simulation::command12_Click);
    m_label5 = new QLabel(this);
    m_label5->setObjectName(QStringLiteral("Label5"));
    m_label5->setGeometry(56, 146, 280, 20);
    m_label5->setCursor(Qt::PointingHandCursor);
    m_label5->installEventFilter(this);
    m_exporter = new QPushButton(QStringLiteral("Exporter les positions…"), this);
    m_exporter->setObjectName(QStringLiteral("exporterPositions"));
    m_exporter->setToolTip(QStringLiteral("Les dates et positions des chronophotographies, pour "
                                          "un tableur ou un logiciel de modélisation"));
    m_exporter->adjustSize();
    m_exporter->move(190, 176);
    m_pointage = new QPushButton(QStringLiteral("Pointage…"), this);
    m_pointage->setObjectName(QStringLiteral("pointage"));
    m_pointage->adjustSize();
    m_pointage->move(m_exporter->x() - m_pointage->width() - 8, 176);
    m_real = new QToolButton(this);
    m_real->setObjectName(QStringLiteral("pointageReel"));
    m_real->setText(QStringLiteral("Vidéo, photo"));
    m_real->setAccessibleName(QStringLiteral("Pointage d'une vidéo ou d'une photo"));
    m_real->setToolTip(QStringLiteral("Pointer un lancer filmé ou photographié en classe"));
    m_real->setPopupMode(QToolButton::InstantPopup);
    m_real->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_real->adjustSize();
    m_real->setGeometry(std::max(4, m_pointage->x() - m_real->width() - 16), 176,
                        m_real->width() + 12, m_pointage->height());
    connect(m_exporter, &QPushButton::clicked, this, &ChronoPanel::exportRequested);
    connect(m_pointage, &QPushButton::clicked, this, [this] {
        if (pointageReady())
            emit pointageRequested();
    });
}

bool ChronoPanel::pointageReady() const
{
    return !m_ctx.sim.d.timer1 && m_ctx.sim.photoPositions.size() >= 3;
}

QString ChronoPanel::pointageHint() const
{
    if (m_ctx.sim.d.timer1)
        return QStringLiteral("Arrêter l'animation pour pointer la chronophotographie.");
    if (!pointageReady())
        return QStringLiteral("Il faut au moins trois photographies : activer la "
                              "chronophotographie (caméra) puis lancer l'animation.");
    return QStringLiteral("Pointer les photographies, calculer les vitesses et vérifier la "
                          "deuxième loi de Newton.");
}

void ChronoPanel::refreshButtons()
{
    m_command12->setEnabled(m_ctx.sim.d.animationButtons);
    m_pointage->setEnabled(pointageReady());
    if (const QString why = pointageHint(); why != m_pointage->toolTip())
        m_pointage->setToolTip(why);
}

void ChronoPanel::refresh()
{
    const Controls &c = m_ctx.sim.c;
    const Display &d = m_ctx.sim.d;
    if (m_chrono->text() != c.chrono)
        m_chrono->showText(c.chrono);
    enableUnlessFixed(m_chrono, true, FixableSetting::Interval);
    Panel::refresh();
    if (m_shownRecording != int(d.recording)) {
        m_shownRecording = int(d.recording);
        m_command12->setIcon(QIcon(d.recording ? QStringLiteral(":/icons/camera-stop.png")
                                               : QStringLiteral(":/icons/camera.png")));
    }
    m_command12->setToolTip(d.command12Tip);
    renameForScreenReaders(m_command12, d.command12Tip);
    m_label5->setText(d.Label5);
}

bool ChronoPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label5 && event->type() == QEvent::MouseButtonRelease) {
        m_ctx.sim.command12_Click();
        return true;
    }
    return Panel::eventFilter(watched, event);
}

void ChronoPanel::paintTexts(QPainter &p)
{
    paintChronoPanel(p, m_chrono->geometry(), optionBox("Check9")->x());
}

} // namespace orbane
