#include "graphs/graphesparts.h"

#include "graphs/textpen.h"
#include "graphs/windowgraph.h"
#include "platform/dialogparts.h"
#include "platform/focusframe.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace orbane::graphs {

namespace {

QFont toolFont() { return graphFont(8.25); }

struct ImageButton
{
    const char *icon;
    const char *tip;
    int slot; // place from the right
    QKeyCombination key; // "Fermer" has Escape, the window's own
};
// Index 5, the export of the values, stands beside "Copier".
const std::array<ImageButton, GraphToolBar::kImageButtons> kImages = {
    ImageButton{"fermer", "Fermer", 0, {}},
    ImageButton{"imprimer", "Imprimer", 1, Qt::CTRL | Qt::Key_P},
    ImageButton{"copier", "Copier", 2, Qt::CTRL | Qt::Key_C},
    ImageButton{"calculatrice", "Calculatrice", 4, Qt::CTRL | Qt::Key_K},
    ImageButton{"exporter", "Exporter les valeurs", 3, Qt::CTRL | Qt::Key_S}};

} // namespace

// ---- Picture3 -------------------------------------------------------------------------------

GraphToolBar::GraphToolBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture3"));
    setFont(toolFont());
    m_boxes = makeQuantityBoxes(
        this, QStringLiteral("Check1"), [](int i) { return QRect(16 + 56 * i, 11, 17, 17); },
        [this](int i, bool on) { emit boxClicked(i, on); });
    for (int i = 0; i < kImageButtons; ++i) {
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("Image1"));
        b->setProperty("index", i + 1);
        b->setToolTip(QString::fromUtf8(kImages[i].tip));
        if (kImages[i].key != QKeyCombination()) {
            b->setShortcut(QKeySequence(kImages[i].key));
            b->setToolTip(withKey(b->toolTip(), b->shortcut()));
        }
        b->setAccessibleName(QString::fromUtf8(kImages[i].tip));
        b->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(kImages[i].icon))));
        b->setIconSize(QSize(24, 24));
        b->setAutoRaise(true);
        b->setCursor(Qt::PointingHandCursor);
        b->resize(32, 32);
        connect(b, &QToolButton::clicked, this, [this, i] { emit imageClicked(i + 1); });
        m_images[i] = b;
    }
}

void GraphToolBar::resizeEvent(QResizeEvent *) { Picture3_Resize(); }

void GraphToolBar::Picture3_Resize()
{
    // "Fermer" rightmost, the others 40 pixels apart to its left.
    const int w = width();
    const int top = (height() - 32) / 2;
    for (int i = 0; i < kImageButtons; ++i)
        m_images[i]->move(w - 50 - 40 * kImages[i].slot, top);
}

void GraphToolBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, QColor(192, 192, 192));
    p.setPen(Qt::white);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.left() + 1, r.bottom() - 1, r.right(), r.bottom() - 1);
    p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    p.setPen(Qt::black);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    writeLegends(p, m_boxes, 8.25, QPoint(2, 2));
}

// ---- Picture1 -------------------------------------------------------------------------------

GraphView::GraphView(const WindowGraph &graph, QWidget *parent) : QWidget(parent), m_graph(graph)
{
    setObjectName(QStringLiteral("Picture1"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Graphe"));
    setAccessibleDescription(keysDescription());
    resize(WindowGraph::kSize);
    for (QLabel **label : {&m_label1, &m_label2}) {
        *label = new QLabel(this);
        (*label)->setFont(graphFont(8));
        (*label)->setAutoFillBackground(true);
        QPalette pal = (*label)->palette();
        pal.setColor(QPalette::Window, Qt::white);
        pal.setColor(QPalette::WindowText, Qt::black);
        (*label)->setPalette(pal);
        (*label)->setAttribute(Qt::WA_TransparentForMouseEvents);
        (*label)->resize(32, 13); // 480 x 195 twips
        (*label)->hide();
    }
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAlignment(Qt::AlignCenter);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QPoint GraphView::toWidget(QPointF units)
{
    return (units - QPointF(WindowGraph::kOrigin)).toPoint();
}

QPointF GraphView::toUnits(QPoint widgetPos)
{
    return QPointF(widgetPos + WindowGraph::kOrigin);
}

QString GraphView::keysDescription()
{
    return QStringLiteral("Flèches gauche et droite : date précédente ou suivante du tableau ; "
                          "Début et Fin : première et dernière date ; flèches haut et bas : "
                          "grandeur précédente ou suivante ; Ctrl+E : écouter la courbe.");
}

void GraphView::setMark(std::optional<QPointF> units, const QColor &colour)
{
    m_mark = units;
    m_markColour = colour;
    update();
}

void GraphView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (m_scaledDrawing && devicePixelRatioF() != 1)
        m_scaledDrawing(p);
    else
        p.drawImage(QPoint(0, 0), m_graph.image());
    drawMark(p);
    if (hasFocus())
        drawFocusFrame(p, rect().adjusted(1, 1, -1, -1));
}

// A square ring around the table's cross, in the curve's colour, thick enough to be found at
// a glance.
void GraphView::drawMark(QPainter &p) const
{
    if (!m_mark)
        return;
    const QPoint centre = toWidget(*m_mark);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(m_markColour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRect(centre - QPoint(5, 5), QSize(11, 11)));
    p.restore();
}

void GraphView::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(toUnits(event->position().toPoint()));
}

void GraphView::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool moves = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home ||
                           key == Qt::Key_End || key == Qt::Key_Up || key == Qt::Key_Down;
    if (!moves || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit cursorKey(key);
}

void GraphView::focusInEvent(QFocusEvent *event)
{
    update();
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        emit focusedByKeyboard();
    QWidget::focusInEvent(event);
}

void GraphView::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}

// ---- Picture2 -------------------------------------------------------------------------------

QList<TitlePiece> columnTitle(int quantity)
{
    if (quantity == -1)
        return {{QStringLiteral("t(s)"), 0}};
    if (quantity < 0 || quantity >= kQuantities)
        return {};
    // The symbol with its lowered index, then the group's unit in brackets with its exponent.
    const Quantity &q = kQuantityTable[std::size_t(quantity)];
    const Unit unit = groupUnit(q.group);
    const QList<TitlePiece> pieces = {{QString::fromUtf8(q.letter), 0},
                                      {QString::fromUtf8(q.index), 1},
                                      {QStringLiteral("(") + unit.text.trimmed(), 0},
                                      {unit.exponent, -1},
                                      {QStringLiteral(")"), 0}};
    // A title with neither index nor exponent is written in one piece.
    if (*q.index == '\0' && unit.exponent.isEmpty())
        return {{pieces[0].text + pieces[2].text + pieces[4].text, 0}};
    QList<TitlePiece> title;
    for (const TitlePiece &piece : pieces)
        if (!piece.text.isEmpty())
            title << piece;
    return title;
}

QString plainTitle(int quantity)
{
    QString title;
    for (const TitlePiece &piece : columnTitle(quantity))
        title += piece.text;
    return title;
}

TableHeader::TableHeader(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture2"));
    setFont(graphFont(8.25));
}

void TableHeader::setColumns(const QList<int> &quantities, int pitch)
{
    m_quantities = quantities;
    m_pitch = pitch;
    update();
}

void TableHeader::paintEvent(QPaintEvent *)
{
    constexpr int kTextTop = 4; // 60 twips below the top edge
    constexpr int kShift = 3;   // 45 twips
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 0, 192));
    const QFontMetrics fm(font());
    QList<int> columns = {-1};
    columns += m_quantities;
    for (int c = 0; c < columns.size(); ++c) {
        const QList<TitlePiece> title = columnTitle(columns[c]);
        int x = c * m_pitch + (m_pitch - fm.horizontalAdvance(plainTitle(columns[c]))) / 2;
        p.setPen(Qt::white);
        for (const TitlePiece &piece : title) {
            p.drawText(QPoint(x, kTextTop + kShift * piece.shift + fm.ascent()), piece.text);
            x += fm.horizontalAdvance(piece.text);
        }
        p.setPen(Qt::black);
        const int sep = (c + 1) * m_pitch - 1;
        p.drawLine(sep, 0, sep, height());
    }
}

} // namespace orbane::graphs
