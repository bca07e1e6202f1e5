#include "graphs/graphpanel.h"

#include "core/simulation.h"
#include "scene/scenerenderer.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace orbane::graphs {

namespace {

const QColor kPanelBackground(240, 235, 230);

QString hintChoice()
{
    return QStringLiteral("Sélectionner le graphe qui sera affiché pendant l'animation");
}

// A magnifying glass with a plus: the graph can be enlarged.
QPixmap drawEnlargeCursor()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 12), 9, 9);
    p.setPen(QPen(QColor(0, 0, 200), 2));
    p.drawLine(QPointF(8, 12), QPointF(16, 12));
    p.drawLine(QPointF(12, 8), QPointF(12, 16));
    return pm;
}

void drawSunkenBorder(QPainter &p, const QRect &r)
{
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    p.setPen(Qt::white);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    p.setPen(QColor(64, 64, 64));
    p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    p.setPen(QColor(192, 192, 192));
    p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
}

} // namespace

// ---- Picture5 -------------------------------------------------------------------------------

QPoint ChoicePanel::boxPosition(int index)
{
    // A row per group (x, y; v, vx, vy; Ec, Ep, Em), in design twips / 15; W(f), in the air
    // only, under Em, where the two curves it compares are named together.
    static constexpr std::array<int, 3> columns = {48, 152, 248};
    if (index == kDragWork)
        return boxPosition(kDragWork - 1) + QPoint(0, 24);
    const Quantity &q = kQuantityTable.at(std::size_t(index));
    return {columns.at(std::size_t(q.choiceColumn)), 40 + 56 * int(q.group)};
}

ChoicePanel::ChoicePanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture5"));
    setAccessibleName(QStringLiteral("Choix des graphes"));
    setMouseTracking(true);
    m_boxes = makeQuantityBoxes(
        this, QStringLiteral("Check13"), [](int i) { return QRect(boxPosition(i), QSize(17, 13)); },
        [this](int i, bool on) { emit boxClicked(i, on); });
    m_command6 = new QPushButton(QStringLiteral("Afficher"), this);
    m_command6->setObjectName(QStringLiteral("Command6"));
    m_command6->resize(70, 22);
}

void ChoicePanel::resizeEvent(QResizeEvent *)
{
    m_command6->move(width() - m_command6->width() - 6, 6);
}

void ChoicePanel::mouseMoveEvent(QMouseEvent *)
{
    emit hintChanged(hintChoice());
}

void ChoicePanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), kPanelBackground);
    QFont title(QStringLiteral("Verdana"));
    title.setPointSizeF(8);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::black);
    const QFontMetrics fm(title);
    for (std::size_t g = 0; g < kQuantityGroups.size(); ++g)
        p.drawText(QPoint(12, 40 + 56 * int(g) - 20 + fm.ascent()),
                   QString::fromUtf8(kQuantityGroups[g].title));

    // The legend starts 20 pixels right of its box's left edge.
    writeLegends(p, m_boxes, 8, QPoint(3, 0));
}

// ---- frame1 ---------------------------------------------------------------------------------

const QCursor &GraphPanel::enlargeCursor()
{
    static const QCursor cursor(drawEnlargeCursor(), 12, 12);
    return cursor;
}

GraphPanel::GraphPanel(Simulation &sim, QWidget *parent) : QWidget(parent), m_sim(sim)
{
    setObjectName(QStringLiteral("frame1"));
    setAccessibleName(QStringLiteral("Graphes"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent); // the paint covers it: the strip under it is not painted
    resize(kDesignSize);
    // The frame is drawn anew at start-up and at each launch; each tick adds its piece.
    connect(&sim, &Simulation::reset, this, &GraphPanel::repgraphe);
    connect(&sim, &Simulation::launched, this, &GraphPanel::repgraphe);
    // A loaded configuration or exercise is a new situation: the last flight's curves go.
    connect(&sim, &Simulation::loaded, this, &GraphPanel::repgraphe);
    connect(&sim, &Simulation::ticked, this, &GraphPanel::tracegraphe);

    m_command3 = new QPushButton(QStringLiteral("Menu"), this);
    m_command3->setObjectName(QStringLiteral("Command3"));
    m_command3->setGeometry(280, 5, 70, 20);
    m_command5 = new QPushButton(QStringLiteral("Agrandir"), this);
    m_command5->setObjectName(QStringLiteral("Command5"));
    m_command5->setGeometry(280, 27, 70, 20);
    connect(m_command3, &QPushButton::clicked, this, &GraphPanel::Command3_Click);
    connect(m_command5, &QPushButton::clicked, this, &GraphPanel::Command5_Click);

    m_picture5 = new ChoicePanel(this);
    m_picture5->hide();
    connect(m_picture5, &ChoicePanel::boxClicked, this, &GraphPanel::Check13_Click);
    connect(m_picture5, &ChoicePanel::hintChanged, this, &GraphPanel::hintChanged);
    connect(m_picture5->command6(), &QPushButton::clicked, this, &GraphPanel::Command6_Click);
    connect(&m_sim, &Simulation::changed, this, &GraphPanel::refresh);

    refresh();
    // The start-up state: nothing chosen, so the choice panel is open.
    if (!anyChecked(m_sim.c.Check13))
        Command3_Click();
}

void GraphPanel::refresh()
{
    m_command3->setEnabled(m_sim.d.command3Enabled);
    m_command5->setEnabled(m_sim.d.command5Enabled);
    for (int i = 0; i < kQuantities; ++i) {
        const QSignalBlocker block(m_picture5->box(i));
        m_picture5->box(i)->setChecked(m_sim.c.Check13[i]);
    }
    showDragWork(m_picture5->boxes(), m_sim.dragActive());
    m_picture5->command6()->setEnabled(anyChecked(m_sim.c.Check13));
    if (m_graph.showVacuum(vacuumShown()))
        update();
}

bool GraphPanel::vacuumShown() const
{
    return m_sim.c.vacuumGhost && m_sim.dragActive();
}

void GraphPanel::repgraphe()
{
    m_graph.showVacuum(vacuumShown());
    if (m_graph.repgraphe(m_sim.flight(), m_sim.c.Check13) == LiveGraph::Outcome::Menu)
        Command3_Click();
    m_graph.takeDrawn();
    update();
}

void GraphPanel::tracegraphe()
{
    const SimState &s = m_sim.s;
    const auto outcome =
        m_graph.tracegraphe(m_sim.flight(), m_sim.c.Check13, s.temps, s.dt, s.enrebond != 0);
    if (outcome == LiveGraph::Outcome::Menu)
        Command3_Click();
    else if (outcome == LiveGraph::Outcome::Drawn)
        // The new pieces only; at the device's pixels a line may reach half a pixel further.
        update(m_graph.takeDrawn().translated(kBorder, kBorder).adjusted(-1, -1, 1, 1));
}

void GraphPanel::Check13_Click(int index, bool on)
{
    m_sim.Check13_Click(index, on);
    refresh();
    if (anyChecked(m_sim.c.Check13))
        repgraphe();
}

void GraphPanel::Command3_Click()
{
    if (!m_picture5->isHidden())
        return;
    placeChoicePanel();
    m_picture5->show();
    m_picture5->raise();
    m_picture5->update();
}

void GraphPanel::Command6_Click()
{
    m_picture5->hide();
}

void GraphPanel::Command5_Click()
{
    m_command5->setCursor(Qt::WaitCursor);
    emit graphWindowRequested();
    m_command5->setCursor(Qt::ArrowCursor);
}

void GraphPanel::placeChoicePanel()
{
    m_picture5->setGeometry(kBorder, kBorder, width() - 2 * kBorder, height() - 2 * kBorder);
}

void GraphPanel::resizeEvent(QResizeEvent *)
{
    if (!m_picture5->isHidden())
        placeChoicePanel();
}

QPointF GraphPanel::toUnits(QPoint widgetPos)
{
    return QPointF(widgetPos - QPoint(kBorder, kBorder) + LiveGraph::kOrigin);
}

bool GraphPanel::cursorIsEnlarge() const
{
    return m_enlargeShown;
}

void GraphPanel::frame1_MouseMove(double x, double)
{
    m_enlargeShown = x < kEnlargeLimit && m_sim.d.command3Enabled;
    if (m_enlargeShown)
        setCursor(enlargeCursor());
    else
        setCursor(Qt::ArrowCursor);
    emit hintChanged(m_sim.d.command3Enabled
                         ? QStringLiteral("Ce graphe peut être agrandi")
                         : QStringLiteral("Le graphe est tracé pendant l'animation"));
}

void GraphPanel::frame1_Click()
{
    if (!cursorIsEnlarge())
        return;
    setCursor(Qt::WaitCursor);
    Command5_Click();
    setCursor(enlargeCursor());
}

void GraphPanel::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF u = toUnits(event->position().toPoint());
    frame1_MouseMove(u.x(), u.y());
}

void GraphPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        frame1_Click();
}

void GraphPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    m_graph.setDeviceRatio(devicePixelRatioF());
    const QImage &device = m_graph.deviceImage();
    p.drawImage(QPoint(kBorder, kBorder), device.isNull() ? m_graph.image() : device);
    drawSunkenBorder(p, rect());
}

} // namespace orbane::graphs
