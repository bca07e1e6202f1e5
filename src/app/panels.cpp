#include "app/panels.h"

#include "core/tables.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace orbane {

Panel::Panel(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setFont(QFont(QStringLiteral("Arial"), 8));
}

void Panel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(240, 235, 230));
    p.setPen(Qt::black);
    if (painter)
        painter(p);
}

namespace {

QCheckBox *checkBox(PanelControls &pc, int index, QWidget *parent, int x, int y)
{
    auto *box = new QCheckBox(checkCaption(index), parent);
    box->setObjectName(QStringLiteral("Check%1").arg(index));
    box->move(x, y);
    box->adjustSize();
    pc.Check[index] = box;
    return box;
}

// What each swatch colours, for screen readers and tool tips.
QString swatchName(int index)
{
    static const char *const names[] = {
        "Couleur du vecteur vitesse",
        "Couleur du vecteur variation de vitesse",
        "Couleur du vecteur v(t + Δt / 2)",
        "Couleur du vecteur - v(t - Δt / 2)",
        "Couleur des axes",
        "Couleur de la trajectoire",
        "Couleur des marques du centre d'inertie",
        "Couleur du vecteur poids",
        "Couleur des projections sur les axes",
    };
    return QString::fromUtf8(names[index]);
}

Swatch *swatch(PanelControls &pc, int index, QWidget *parent, int x, int y)
{
    auto *s = new Swatch(index, parent);
    s->setAccessibleName(swatchName(index));
    s->setToolTip(swatchName(index));
    s->move(x, y);
    pc.Label4[index] = s;
    return s;
}

ParameterBox *box(const QString &name, QWidget *parent, QRect geometry)
{
    auto *b = new ParameterBox(name, parent);
    b->setGeometry(geometry);
    b->setAlignment(Qt::AlignRight);
    return b;
}

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

} // namespace

void ScriptWriter::text(const QString &s, int dy, int pointSize)
{
    const QFont saved = p.font();
    if (pointSize > 0) {
        QFont f = saved;
        f.setPointSize(pointSize);
        p.setFont(f);
    }
    p.drawText(QPointF(pos.x(), pos.y() + dy), s);
    pos.rx() += QFontMetricsF(p.font()).horizontalAdvance(s);
    p.setFont(saved);
}

void buildParametersPanel(PanelControls &pc, QWidget *parent)
{
    auto *panel = new Panel(QStringLiteral("Picture3"), parent);
    panel->setAccessibleName(QStringLiteral("Paramètres"));
    pc.Picture3 = panel;
    pc.Combo1 = new QComboBox(panel);
    pc.Combo1->setObjectName(QStringLiteral("Combo1"));
    pc.Combo1->setAccessibleName(QStringLiteral("Lieu"));
    for (int i = 0; i < int(places().size()); ++i)
        pc.Combo1->addItem(placeName(i));
    pc.Combo1->setGeometry(84, 6, 120, 22);
    pc.Combo2 = new QComboBox(panel);
    pc.Combo2->setObjectName(QStringLiteral("Combo2"));
    pc.Combo2->setAccessibleName(QStringLiteral("Projectile"));
    for (int i = 0; i < int(projectiles().size()); ++i)
        pc.Combo2->addItem(projectileName(i));
    pc.Combo2->setGeometry(84, 32, 170, 22);
    // Real labels rather than painted text: screen readers name a list by the label of which
    // it is the buddy.
    for (QComboBox *list : {pc.Combo1, pc.Combo2}) {
        auto *label = new QLabel(list == pc.Combo1 ? QStringLiteral("Lieu : ")
                                                   : QStringLiteral("Projectile : "),
                                 panel);
        label->setGeometry(0, list->y(), list->x(), list->height());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(list);
    }

    pc.Text[1] = box(QStringLiteral("Text1"), panel, {96, 80, 64, 21});
    pc.Text[2] = box(QStringLiteral("Text2"), panel, {96, 104, 64, 21});
    pc.Text[3] = box(QStringLiteral("Text3"), panel, {140, 146, 64, 21});
    pc.Text[4] = box(QStringLiteral("Text4"), panel, {140, 170, 64, 21});
    // Named as the labels beside them read; the description says it in words.
    const char *const names[][2] = {
        {"x₀ (m)", "Abscisse initiale x0 en mètres"},
        {"y₀ (m)", "Hauteur initiale y0 en mètres"},
        {"v₀ (m.s⁻¹)", "Vitesse initiale v0 en mètres par seconde"},
        {"α₀ (- 180° à 180°)", "Angle de tir en degrés"},
    };
    for (int n = 1; n <= 4; ++n) {
        pc.Text[n]->setAccessibleName(QString::fromUtf8(names[n - 1][0]));
        pc.Text[n]->setAccessibleDescription(QString::fromUtf8(names[n - 1][1]));
    }
}

void buildDisplayPanel(PanelControls &pc, QWidget *parent)
{
    auto *panel = new Panel(QStringLiteral("frame2"), parent);
    panel->setAccessibleName(QStringLiteral("Affichage"));
    pc.frame2 = panel;
    checkBox(pc, 1, panel, 12, 10);
    swatch(pc, 4, panel, 300, 11);
    checkBox(pc, 3, panel, 32, 34);
    checkBox(pc, 10, panel, 12, 58);
    checkBox(pc, 8, panel, 12, 82);
    swatch(pc, 5, panel, 300, 83);
    pc.speed = new QCheckBox(QStringLiteral("Animation au ralenti"), panel);
    pc.speed->setObjectName(QStringLiteral("speed"));
    pc.speed->move(12, 106);
    pc.speed->adjustSize();
    checkBox(pc, 4, panel, 12, 130);
    panel->painter = [](QPainter &p) {
        p.drawText(QPointF(232, 24), QStringLiteral("Axes :"));
        p.drawText(QPointF(212, 96), QStringLiteral("Trajectoire :"));
    };
}

void buildVectorsPanel(PanelControls &pc, QWidget *parent)
{
    auto *panel = new Panel(QStringLiteral("Picture1"), parent);
    panel->setAccessibleName(QStringLiteral("Vecteurs"));
    pc.Picture1 = panel;
    // The swatches in one column, the scale bars in another at the right edge, apart.
    constexpr int swatches = 306, bars = 334;
    checkBox(pc, 5, panel, 12, 17);
    swatch(pc, 0, panel, swatches, 18);
    checkBox(pc, 6, panel, 12, 35);
    swatch(pc, 1, panel, swatches, 36);
    checkBox(pc, 7, panel, 32, 53);
    swatch(pc, 2, panel, 40, 73);
    swatch(pc, 3, panel, 190, 73);

    pc.Label9 = new QLabel(panel);
    pc.Label9->setObjectName(QStringLiteral("Label9"));
    pc.Label9->setGeometry(250, 95, 34, 17);
    pc.Label9->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pc.Label9->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pc.Label9->setAutoFillBackground(true);
    pc.UpDown1 = new UpDown(1, 20, panel);
    pc.UpDown1->setObjectName(QStringLiteral("UpDown1"));
    pc.UpDown1->setAccessibleName(QStringLiteral("Δt"));
    pc.UpDown1->setAccessibleDescription(
        QStringLiteral("Intervalle de temps de la variation du vecteur vitesse"));
    pc.UpDown1->setValueText([](int v) { return QString::number(v * 100) + QStringLiteral(" ms"); });
    pc.UpDown1->setArrowNames(QStringLiteral("Augmenter l'intervalle"),
                              QStringLiteral("Diminuer l'intervalle"));
    pc.UpDown1->move(286, 91);

    pc.VScroll1 = scaleBar(QStringLiteral("VScroll1"), QStringLiteral("Échelle du vecteur vitesse"),
                           49, panel, {bars, 58, 15, 82});
    pc.line1Start = QPoint(160, 127);

    checkBox(pc, 12, panel, 12, 154);
    pc.secondLaw = new QCheckBox(QStringLiteral("Afficher m·Δv/Δt"), panel);
    pc.secondLaw->setObjectName(QStringLiteral("secondLaw"));
    pc.secondLaw->move(176, 154);
    pc.secondLaw->adjustSize();
    swatch(pc, 7, panel, swatches, 155);
    pc.VScroll3 = scaleBar(QStringLiteral("VScroll3"), QStringLiteral("Échelle du vecteur poids"),
                           90, panel, {bars, 146, 15, 54});
    // Both segments start at the same place, clear of their "Échelle de représentation :".
    pc.line2Start = QPoint(160, 187);
}

void buildChronoPanel(PanelControls &pc, QWidget *parent)
{
    auto *panel = new Panel(QStringLiteral("Picture6"), parent);
    panel->setAccessibleName(QStringLiteral("Chronophotographie"));
    pc.Picture6 = panel;
    pc.chrono = box(QStringLiteral("chrono"), panel, {44, 30, 60, 21});
    pc.chrono->setAccessibleName(QStringLiteral("τ (ms)"));
    pc.chrono->setAccessibleDescription(
        QStringLiteral("Durée entre deux chronophotographies (10 à 5000 ms)"));
    checkBox(pc, 9, panel, 12, 62);
    checkBox(pc, 2, panel, 12, 84);
    swatch(pc, 6, panel, 318, 85);
    checkBox(pc, 11, panel, 12, 106);
    swatch(pc, 8, panel, 318, 107);
    pc.command12 = pictureButton(QStringLiteral("command12"), QStringLiteral(":/icons/camera.png"),
                                 QStringLiteral("Chronophotographie"), panel);
    pc.command12->setIconSize(QSize(24, 24));
    pc.command12->setGeometry(12, 138, 36, 36);
    pc.Label5 = new QLabel(panel);
    pc.Label5->setObjectName(QStringLiteral("Label5"));
    pc.Label5->setGeometry(56, 146, 280, 20);
    pc.Label5->setCursor(Qt::PointingHandCursor);
    pc.exporter = new QPushButton(QStringLiteral("Exporter les positions…"), panel);
    pc.exporter->setObjectName(QStringLiteral("exporterPositions"));
    pc.exporter->setToolTip(QStringLiteral("Les dates et positions des chronophotographies, pour "
                                           "un tableur ou un logiciel de modélisation"));
    pc.exporter->adjustSize();
    pc.exporter->move(190, 176);
    pc.pointage = new QPushButton(QStringLiteral("Pointage…"), panel);
    pc.pointage->setObjectName(QStringLiteral("pointage"));
    pc.pointage->adjustSize();
    pc.pointage->move(pc.exporter->x() - pc.pointage->width() - 8, 176);
}

} // namespace orbane
