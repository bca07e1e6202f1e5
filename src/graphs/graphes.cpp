#include "graphs/graphes.h"

#include "core/numberformat.h"
#include "core/simulation.h"
#include "exchange/exportdialog.h"
#include "graphs/graphesparts.h"
#include "graphs/rangestudywindow.h"
#include "graphs/textpen.h"
#include "platform/announceline.h"
#include "platform/dialogparts.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

namespace orbane::graphs {

namespace {
const QColor kHighlight(255, 255, 200);
constexpr double kSquareMin = 19.0, kSquareMax = 381.0; // the read-out lives strictly inside
} // namespace

Graphes::Graphes(const Simulation &sim, const GraphWindowActions &actions, QWidget *mainWindow)
    : QDialog(mainWindow), m_sim(sim), m_actions(actions)
{
    setObjectName(QStringLiteral("graphes"));
    setModal(true);
    setMouseTracking(true);

    m_picture3 = new GraphToolBar(this);
    m_picture1 = new GraphView(m_graph, this);
    m_picture1->setScaledDrawing([this](QPainter &p) { drawThrough(p); });
    m_picture1->move(kPicture1.topLeft());
    m_picture2 = new TableHeader(this);
    m_picture2->setGeometry(kPicture2);
    buildGrid();
    // Under the graph, the one free place that no table length reaches.
    auto *study = new QPushButton(QStringLiteral("Étude de la &portée…"), this);
    study->setObjectName(QStringLiteral("boutonEtudePortee"));
    study->setAccessibleName(QStringLiteral("Étude de la portée"));
    study->setGeometry(kPicture1.left(), kPicture1.bottom() + 12, 160, 26);
    connect(study, &QPushButton::clicked, this, &Graphes::openRangeStudy);
    addListenButton(study->geometry());
    // The main window's announcements when it has them: a reader names the dialog before each
    // notification that lies inside a dialog.
    if (!m_actions.say) {
        auto *line = new AnnounceLine(this);
        m_actions.say = [line](const QString &text) { line->say(text); };
    }

    connect(m_picture3, &GraphToolBar::boxClicked, this, &Graphes::Check1_Click);
    connect(m_picture3, &GraphToolBar::imageClicked, this, &Graphes::Image1_Click);
    connect(m_picture1, &GraphView::mouseMoved, this,
            [this](QPointF u) { Picture1_MouseMove(0, 0, u.x(), u.y()); });
    connect(m_picture1, &GraphView::cursorKey, this, &Graphes::moveCursor);
    // Reached by Tab, the cursor shows where the arrows start from.
    connect(m_picture1, &GraphView::focusedByKeyboard, this,
            [this] { placeCursor(std::max(m_grid->currentRow(), 0), m_curve); });
    connect(m_grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { followGrid(row, column); });

    Form_Load(mainWindow);
}

// The sound must not outlive the window that owns it.
Graphes::~Graphes() { audio().stop(&m_sound); }

void Graphes::addListenButton(const QRect &beside)
{
    auto *listen = new QPushButton(QStringLiteral("Écouter la courbe"), this);
    listen->setObjectName(QStringLiteral("ecouterCourbe"));
    listen->setAccessibleName(listen->text());
    listen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    listen->setToolTip(withKey(listen->text(), listen->shortcut()));
    listen->setGeometry(beside.translated(beside.width() + 8, 0));
    connect(listen, &QPushButton::clicked, this, &Graphes::ecouterCourbe_Click);
}

void Graphes::buildGrid()
{
    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid->setGeometry(kGrid);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    m_grid->setFont(font);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setMinimumSectionSize(1);
    m_grid->verticalHeader()->setMinimumSectionSize(1);
    m_grid->horizontalHeader()->setDefaultSectionSize(kCellWidth + 1);
    m_grid->verticalHeader()->setDefaultSectionSize(kCellHeight + 1);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    // Nothing can be selected, but the keyboard walks the cells and a screen reader reads them.
    m_grid->setFocusPolicy(Qt::StrongFocus);
    m_grid->setTabKeyNavigation(false);
    m_grid->setAccessibleName(QStringLiteral("Tableau de valeurs"));
    m_grid->setAutoScroll(false);
    // The mouse never moves the current cell: a click leaves the table as it was.
    m_grid->viewport()->installEventFilter(this);
    connect(m_grid, &QTableWidget::itemSelectionChanged, this, &Graphes::MSFlexGrid1_SelChange);
}

void Graphes::Form_Load(QWidget *mainWindow)
{
    if (mainWindow) {
        setWindowTitle(mainWindow->windowTitle());
        setWindowIcon(mainWindow->windowIcon());
        setGeometry(mainWindow->geometry());
        if (mainWindow->minimumSize() == mainWindow->maximumSize())
            setFixedSize(mainWindow->size());
        setWindowState(mainWindow->windowState() & ~Qt::WindowMinimized);
    } else {
        resize(800, 600);
    }
    m_picture3->setGeometry(0, 0, width(), GraphToolBar::kHeight);
    m_picture3->Picture3_Resize();
    m_encours = false;
    m_lignesel = -1;
    showDragWork(m_picture3->boxes(), m_sim.dragActive());
    // Each box the main window has checked is checked here and raises its click.
    for (int i = 0; i < kQuantities; ++i)
        if (m_sim.c.Check13[i])
            m_picture3->box(i)->setChecked(true);
}

void Graphes::syncBoxes()
{
    for (int i = 0; i < kQuantities; ++i) {
        const QSignalBlocker block(m_picture3->box(i));
        m_picture3->box(i)->setChecked(m_choice[i]);
    }
}

void Graphes::Check1_Click(int index, bool on)
{
    if (m_encours)
        return;
    m_encours = true;
    m_choice.at(index) = on;
    if (m_choice[index])
        applyGroupRule(m_choice, index);
    else if (!anyChecked(m_choice))
        m_choice[index] = true; // one quantity is always shown
    syncBoxes();
    m_encours = false;
    hideReadout(); // its figures belonged to the quantity shown before
    tracegraphe();
}

// The graph drawn again through a painter: a print, or the view on a scaled screen.
void Graphes::drawThrough(QPainter &p) const
{
    WindowGraph(p).tracegraphe(m_sim.flight(), m_choice);
}

void Graphes::tracegraphe()
{
    if (!anyChecked(m_choice))
        return;
    m_graph.tracegraphe(m_sim.flight(), m_choice);
    m_picture1->update();
    fillGrid();
    resetCursor();
}

void Graphes::fillGrid()
{
    const ValueTable &table = m_graph.table();
    // Four columns of W(f) and the energies with the dates are narrowed to keep the table
    // left of the graph.
    const int room = kPicture1.left() - 4;
    const int pitchX = std::min(kCellWidth + 1, (room - 2) / std::max(table.cols(), 1));
    const int pitchY = kCellHeight + 1;
    const int width = table.cols() * pitchX + 2;
    const int height = table.rows * pitchY + 2;
    const int left = (kPicture1.left() - width) / 2;
    m_grid->clearContents();
    m_grid->setRowCount(table.rows);
    m_grid->horizontalHeader()->setDefaultSectionSize(pitchX);
    m_grid->setColumnCount(table.cols());
    // The painted header bar shows the titles; the grid's own hidden header gives them to
    // screen readers.
    QStringList titles = {plainTitle(-1)};
    for (int q : table.quantities)
        titles << plainTitle(q);
    m_grid->setHorizontalHeaderLabels(titles);
    m_grid->setGeometry(left, kGrid.top(), width, height);
    for (int r = 0; r < table.rows; ++r) {
        for (int c = 0; c < table.cols(); ++c) {
            auto *item = new QTableWidgetItem(cell(r, c));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setBackground(Qt::white);
            item->setFlags(Qt::ItemIsEnabled);
            m_grid->setItem(r, c, item);
        }
    }
    m_grid->scrollToTop();
    if (table.rows > 0)
        m_grid->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    m_picture2->setGeometry(left, kPicture2.top(), width, kPicture2.height());
    m_picture2->setColumns(table.quantities, pitchX);
}

void Graphes::MSFlexGrid1_SelChange()
{
    const QSignalBlocker block(m_grid);
    m_grid->clearSelection();
}

void Graphes::setCellBackground(int row, int column, const QColor &colour)
{
    if (QTableWidgetItem *item = m_grid->item(row, column))
        item->setBackground(colour);
}

void Graphes::Picture1_MouseMove(int, int, double x, double y)
{
    const bool inside = x > kSquareMin && x < kSquareMax && y > kSquareMin && y < kSquareMax;
    m_picture1->setCursor(inside ? Qt::CrossCursor : Qt::ArrowCursor);

    const ValueTable &table = m_graph.table();
    const PointsTab &pts = m_graph.pointstab();
    int h = -1;
    for (int k = 1; k < table.cols() && k < int(pts.size()); ++k) {
        for (int r = 0; r < table.rows; ++r) {
            if (pts[k][r] - 3 < y && y < pts[k][r] + 3 && pts[0][r] - 3 < x && x < pts[0][r] + 3) {
                setCellBackground(r, k, kHighlight);
                setCellBackground(r, 0, kHighlight);
                h = r;
            }
        }
    }
    if (m_lignesel != -1 && m_lignesel != h) {
        for (int c = 0; c < m_grid->columnCount(); ++c)
            setCellBackground(m_lignesel, c, Qt::white);
    }
    m_lignesel = h;

    if (inside && m_graph.framed()) {
        showReadout(x, y);
    } else {
        hideReadout();
    }
}

void Graphes::hideReadout()
{
    m_picture1->label1()->hide();
    m_picture1->label2()->hide();
}

void Graphes::showReadout(double x, double y)
{
    QLabel *l1 = m_picture1->label1();
    QLabel *l2 = m_picture1->label2();
    l1->setText(numfmt::fixed(m_graph.timeAt(x), 2));
    l2->setText(numfmt::fixed(m_graph.valueAt(y), 2));
    for (QLabel *l : {l1, l2})
        l->resize(std::max(32, l->fontMetrics().horizontalAdvance(l->text()) + 4), 13);
    // Time centred on x under the time axis; value right-aligned on x = 16, centred on y.
    l1->move(GraphView::toWidget(QPointF(x - l1->width() / 2.0, m_graph.yzero() + 4)));
    l2->move(GraphView::toWidget(QPointF(16 - l2->width(), y - l2->height() / 2.0)));
    l1->show();
    l2->show();
}

// Another choice: the cursor starts again, hidden, on the first quantity.
void Graphes::resetCursor()
{
    m_curve = 0;
    m_picture1->setMark(std::nullopt, {});
    m_picture1->setAccessibleDescription(GraphView::keysDescription());
}

void Graphes::moveCursor(int key)
{
    const ValueTable &table = m_graph.table();
    if (table.rows == 0 || table.quantities.isEmpty())
        return;
    int row = std::max(m_grid->currentRow(), 0);
    int curve = m_curve;
    switch (key) {
    case Qt::Key_Left: row = std::max(row - 1, 0); break;
    case Qt::Key_Right: row = std::min(row + 1, table.rows - 1); break;
    case Qt::Key_Home: row = 0; break;
    case Qt::Key_End: row = table.rows - 1; break;
    case Qt::Key_Up: curve = std::max(curve - 1, 0); break;
    case Qt::Key_Down: curve = std::min(curve + 1, int(table.quantities.size()) - 1); break;
    default: return;
    }
    placeCursor(row, curve);
    // Said again at either end, so the user hears that it stopped there.
    m_actions.say(cursorText());
}

// The table's current cell is the cursor's row: it follows here without reporting back.
void Graphes::placeCursor(int row, int curve)
{
    m_curve = curve;
    {
        // Quietly: the table tells a screen reader its current cell as if it had the focus,
        // which would take the reader away from the graph.
        const QSignalBlocker block(m_grid);
        const QSignalBlocker quiet(m_grid->selectionModel());
        m_grid->setCurrentCell(row, curve + 1, QItemSelectionModel::NoUpdate);
        m_grid->viewport()->update();
    }
    showCursor();
}

// The user walked the table: the cursor goes to its row, and to its column's curve.
void Graphes::followGrid(int row, int column)
{
    const ValueTable &table = m_graph.table();
    if (row < 0 || row >= table.rows || column < 0 || column >= table.cols())
        return;
    if (column > 0)
        m_curve = column - 1;
    showCursor();
}

void Graphes::showCursor()
{
    const ValueTable &table = m_graph.table();
    const int row = m_grid->currentRow();
    if (row < 0 || row >= table.rows || m_curve >= table.quantities.size())
        return;
    const PointsTab &pts = m_graph.pointstab();
    m_picture1->setMark(QPointF(pts[0][row], pts[std::size_t(m_curve) + 1][row]),
                        colour(table.quantities[m_curve]));
    m_picture1->setAccessibleDescription(cursorText());
}

// "t = 1,20 s ; y = 4,47 m": the table's own texts with the symbol and the unit.
QString Graphes::cursorText() const
{
    const ValueTable &table = m_graph.table();
    const QStringList &cells = table.cells.at(m_grid->currentRow());
    const int q = table.quantities.at(m_curve);
    return QStringLiteral("t = %1 s ; %2 = %3 %4")
        .arg(cells[0].trimmed(), symbol(q), cell(m_grid->currentRow(), m_curve + 1).trimmed(),
             unitText(q));
}

// A value of the table, the mark while the exercise hides a value: every quantity of the
// flight depends on g, v0 or α, and its energies on the mass. The dates stay; the curves stay
// drawn for the pointer's read-out.
QString Graphes::cell(int row, int column) const
{
    const QString &text = m_graph.table().cells.at(row).at(column);
    return column == 0 ? text : masked::unless(m_sim.hidden().any(), text);
}

AudioOut &Graphes::audio() { return m_actions.audio ? *m_actions.audio : m_silence; }

// The cursor's quantity over the whole flight, as the curve is drawn, finer than the table.
std::vector<double> Graphes::curveSamples(int quantity) const
{
    const Flight flight = m_sim.flight();
    std::vector<double> values(kListenSamples);
    for (int i = 0; i < kListenSamples; ++i)
        values[std::size_t(i)] = value(quantity, flight, m_graph.tvol() * i / (kListenSamples - 1));
    return values;
}

void Graphes::ecouterCourbe_Click()
{
    const ValueTable &table = m_graph.table();
    if (table.quantities.isEmpty() || m_curve >= table.quantities.size())
        return;
    // A sound still playing starts again from the left with the new one.
    m_sound.setSound(tones::curveSound(curveSamples(table.quantities[m_curve]), kListenSeconds));
    audio().start(&m_sound);
}

void Graphes::Image1_Click(int index)
{
    switch (index) {
    case 1:
        accept();
        break;
    case 2:
        if (m_actions.print)
            m_actions.print(m_graph.image(), [this](QPainter &p) { drawThrough(p); });
        break;
    case 3:
        if (m_actions.copy)
            m_actions.copy(m_graph.image());
        break;
    case 4:
        if (m_actions.calculator)
            m_actions.calculator();
        break;
    case 5:
        if (m_actions.dialogs)
            exchange::exportFlight(m_sim, *m_actions.dialogs, this);
        break;
    default:
        break;
    }
}

void Graphes::openRangeStudy()
{
    // The study's curve and figures are the range formula's, with g, v0 and α in it.
    if (m_sim.hidden().any()) {
        if (m_actions.dialogs)
            exchange::refusedWhileHidden(true, *m_actions.dialogs,
                                         QStringLiteral("Étude de la portée"));
        return;
    }
    RangeStudyWindow window(m_sim, m_actions.dialogs, this);
    window.exec();
}

bool Graphes::eventFilter(QObject *watched, QEvent *event)
{
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched == m_grid->viewport() && press) {
        m_grid->setFocus(Qt::MouseFocusReason);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Graphes::mouseMoveEvent(QMouseEvent *)
{
    Picture1_MouseMove(1, 0, 0, 0);
}

void Graphes::hideEvent(QHideEvent *event)
{
    audio().stop(&m_sound);
    QDialog::hideEvent(event);
}

void Graphes::resizeEvent(QResizeEvent *)
{
    m_picture3->setGeometry(0, 0, width(), GraphToolBar::kHeight);
    m_picture3->update();
}

void showGraphes(const Simulation &sim, const GraphWindowActions &actions, QWidget *mainWindow)
{
    Graphes window(sim, actions, mainWindow);
    window.exec();
}

} // namespace orbane::graphs
