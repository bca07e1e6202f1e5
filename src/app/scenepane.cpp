#include "app/scenepane.h"

#include "app/hintline.h"
#include "app/hints.h"
#include "app/scenewidget.h"
#include "app/smallwidgets.h"
#include "core/numberformat.h"
#include "core/simulation.h"
#include "core/units.h"
#include "scene/scenerenderer.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <cmath>
#include <vector>

namespace orbane {

namespace {
constexpr int kScrollMaxTwips = 5145;
// The scene's scroll bar stands in its own column right of the scene frame.
constexpr int kSceneBarWidth = 12;
const QColor kNavy(0, 0, 128); // the read-outs' band

// A read-out's text, for screen readers and for the band: the band paints it.
class ReadoutText final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override {}
};

// The navy band above the scene with its read-outs, painted as one widget. Each read-out's text
// is drawn into a picture when it changes, as its label would draw it; a repaint copies it.
class ReadoutBand final : public QWidget
{
public:
    ReadoutBand(QWidget *parent, const QRect &band) : QWidget(parent), m_band(band)
    {
        setObjectName(QStringLiteral("bandeLectures"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(band);
    }

    // The read-outs reach one pixel below the band: the widget covers both and nothing else.
    void addReadout(QLabel *label, const QRect &geometry)
    {
        const QRect whole = m_band.united(geometry);
        setGeometry(whole);
        label->setGeometry(geometry.translated(-whole.topLeft()));
        m_readouts.push_back({label, {}, {}});
        QRegion shape(m_band.translated(-whole.topLeft()));
        for (const Readout &r : m_readouts)
            shape += r.label->geometry();
        setMask(shape);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), kNavy);
        for (Readout &r : m_readouts) {
            if (r.picture.isNull() || r.text != r.label->text())
                draw(r);
            p.drawPixmap(r.label->pos(), r.picture);
        }
    }

private:
    struct Readout
    {
        QLabel *label;
        QString text;
        QPixmap picture;
    };

    static void draw(Readout &r)
    {
        QLabel *l = r.label;
        r.text = l->text();
        const qreal ratio = l->devicePixelRatioF();
        r.picture = QPixmap(l->size() * ratio);
        r.picture.setDevicePixelRatio(ratio);
        r.picture.fill(l->palette().color(QPalette::Window));
        QPainter p(&r.picture);
        p.setFont(l->font());
        l->style()->drawItemText(&p, l->contentsRect(),
                                 int(QStyle::visualAlignment(l->layoutDirection(), l->alignment())),
                                 l->palette(), l->isEnabled(), r.text, l->foregroundRole());
    }

    QRect m_band;
    std::vector<Readout> m_readouts;
};

} // namespace

ScenePane::ScenePane(QWidget *parent, Simulation &sim, SceneRenderer &renderer, Hints &hints)
    : QObject(parent), m_sim(sim), m_renderer(renderer)
{
    buildReadouts(parent);
    m_frame3 = new QWidget(parent);
    m_frame3->setObjectName(QStringLiteral("Frame3"));
    m_frame3->setGeometry(twips::toPixels(120, 960, 6135, 6855));
    m_picture2 = new SceneWidget(m_renderer, m_frame3);
    m_picture2->setAccessibleName(QStringLiteral("Scène de l'animation"));
    connect(m_picture2, &SceneWidget::mouseMoved, this, &ScenePane::sceneMouseMoved);
    connect(m_picture2, &SceneWidget::arrowPressed, &sim, [&sim](int dx, int dy, bool large) {
        const double step = large ? 1.0 : 0.1; // metres
        sim.projectile_KeyMove(dx * step, dy * step);
    });

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
    buildScrollBar(parent);

    connect(&sim, &Simulation::focusSceneRequested, this,
            [this] { m_picture2->setFocus(Qt::OtherFocusReason); });
    hints.add(m_picture2, QStringLiteral("Vous pouvez déplacer le projectile directement sur "
                                         "l'image pour modifier la position initiale"));
}

void ScenePane::buildReadouts(QWidget *parent)
{
    auto *band = new ReadoutBand(parent, twips::toPixels(120, 720, 6135, 255));
    m_label3 = new ReadoutText(band);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label1 = new ReadoutText(band);
    m_label1->setObjectName(QStringLiteral("Label1"));
    // Both change at every tick: plain Latin text needs no shaping, which costs more than the
    // rest of its paint.
    QFont readout(QStringLiteral("Arial"), 8);
    readout.setStyleStrategy(QFont::PreferNoShaping);
    for (QLabel *l : {m_label3, m_label1}) {
        paintIn(l, Qt::white, kNavy);
        l->setAutoFillBackground(false); // the band paints under it
        l->setFont(readout);
        l->setAccessibleDescription(QStringLiteral("Lecture de la position"));
    }
    band->addReadout(m_label3, twips::toPixels(135, 735, 1695, 255));
    band->addReadout(m_label1, twips::toPixels(1800, 735, 4215, 255));
}

// Beside the frame, not over it: the whole scene stays visible and a scene update does not
// repaint the bar.
void ScenePane::buildScrollBar(QWidget *parent)
{
    m_vscroll2 = new QScrollBar(Qt::Vertical, parent);
    m_vscroll2->setObjectName(QStringLiteral("VScroll2"));
    m_vscroll2->setAccessibleName(QStringLiteral("Faire défiler la scène"));
    m_vscroll2->setRange(0, kScrollMaxTwips);
    m_vscroll2->setSingleStep(150);
    m_vscroll2->setPageStep(1500);
    m_vscroll2->setFocusPolicy(Qt::StrongFocus); // the arrow keys scroll the scene too
    m_vscroll2->setGeometry(m_frame3->geometry().right() + 2, m_frame3->y(), kSceneBarWidth,
                            m_frame3->height());
    connect(m_vscroll2, &QScrollBar::valueChanged, this, &ScenePane::scrollScene);
    connect(m_vscroll2, &QScrollBar::valueChanged, &m_sim, &Simulation::VScroll2_Change);
}

void ScenePane::refresh()
{
    m_label3->setText(m_sim.d.Label3);
    m_label1->setText(m_sim.d.Label1);
    refreshReadouts();
    refreshSprites();
    describeStart();
    {
        const QSignalBlocker block(m_vscroll2);
        m_vscroll2->setValue(m_sim.d.VScroll2);
    }
    scrollScene(m_sim.d.VScroll2);
}

void ScenePane::refreshSprites()
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

// Screen readers get the read-outs whenever the projectile rests, and at most once a second
// during a flight, so that a flight does not flood them with a new text every tick.
void ScenePane::refreshReadouts()
{
    if (m_sim.d.timer1 && m_readoutsSaid.isValid() && m_readoutsSaid.elapsed() < 1000)
        return;
    m_readoutsSaid.start();
    renameForScreenReaders(m_label3, m_sim.d.Label3.trimmed());
    renameForScreenReaders(m_label1, m_sim.d.Label1.trimmed());
}

// The start position the arrow keys move, said when it changes.
void ScenePane::describeStart()
{
    if (m_sim.d.timer1)
        return;
    const QString start = QStringLiteral("x = ") + numfmt::box(m_sim.x0()) +
                          QStringLiteral(" m ; y = ") + numfmt::box(m_sim.y0()) +
                          QStringLiteral(" m");
    if (m_picture2->accessibleDescription() != start)
        m_picture2->setAccessibleDescription(start);
}

void ScenePane::scrollScene(int twipsValue)
{
    m_picture2->move(0, -twips::toPixelsRounded(twipsValue));
}

void ScenePane::sceneMouseMoved(QPoint pos)
{
    if (m_sim.d.timer1) {
        m_picture2->unsetCursor();
        m_picture2->setToolTip(QString());
        return;
    }
    m_picture2->setCursor(Qt::CrossCursor);
    m_picture2->setToolTip(QStringLiteral("x = ") + numfmt::fixed(scene::metresX(pos.x())) +
                           QStringLiteral(" m ; y = ") + numfmt::fixed(scene::metresY(pos.y())) +
                           QStringLiteral(" m."));
}

bool ScenePane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_projectile &&
        (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress)) {
        auto *me = static_cast<QMouseEvent *>(event);
        const QPoint p = me->position().toPoint();
        m_sim.projectile_MouseMove(me->buttons() == Qt::LeftButton, me->buttons() != Qt::NoButton,
                                   p.x(), p.y());
        return event->type() == QEvent::MouseMove;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orbane
