#pragma once

#include "graphs/quantityboxes.h"

#include <QList>
#include <QPainter>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <utility>

class QCheckBox;
class QLabel;
class QToolButton;

namespace orbane::graphs {

class WindowGraph;

// The grey tool bar `Picture3` of the graph window: the eight boxes `Check1` with their painted
// labels and the image buttons `Image1` (1 "Fermer", 2 "Imprimer", 3 "Copier", 4 "Calculatrice")
// at its right end.
class GraphToolBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kImageButtons = 5;
    static constexpr int kHeight = 41; // 615 twips

    explicit GraphToolBar(QWidget *parent);
    QCheckBox *box(int index) const { return m_boxes.at(index); }
    const QuantityBoxes &boxes() const { return m_boxes; }
    QToolButton *image(int index) const { return m_images.at(index - 1); }
    // Places the image buttons at the right end of the bar.
    void Picture3_Resize();

signals:
    void boxClicked(int index, bool on);
    void imageClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QuantityBoxes m_boxes{};
    std::array<QToolButton *, kImageButtons> m_images{};
};

// The graph surface `Picture1`: shows the window's graph and reports the pointer in the graph's
// units (x = -36 at its left edge). It holds the read-out labels `Label1` and `Label2`. Tab
// reaches it; its arrows, Home and End move the keyboard's cursor on the curves.
class GraphView : public QWidget
{
    Q_OBJECT
public:
    GraphView(const WindowGraph &graph, QWidget *parent);
    // How to draw the graph again through a painter, used on a scaled screen so that curves
    // and texts are drawn at the screen's pixels instead of stretching the graph's picture.
    void setScaledDrawing(std::function<void(QPainter &)> draw)
    {
        m_scaledDrawing = std::move(draw);
    }
    QLabel *label1() const { return m_label1; }
    QLabel *label2() const { return m_label2; }
    // The keys, as the view's accessible description tells them until the cursor moves.
    static QString keysDescription();
    // The keyboard's cursor at a point in the graph's units, or none. It is drawn on the screen
    // only: prints and copies take the graph's picture.
    void setMark(std::optional<QPointF> units, const QColor &colour);
    std::optional<QPointF> mark() const { return m_mark; }
    // Widget pixel of a point in the graph's units, and back.
    static QPoint toWidget(QPointF units);
    static QPointF toUnits(QPoint widgetPos);

signals:
    void mouseMoved(QPointF units);
    void cursorKey(int key);   // Qt::Key_Left, Right, Home, End, Up or Down
    void focusedByKeyboard(); // Tab or Shift+Tab

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void drawMark(QPainter &p) const;

    const WindowGraph &m_graph;
    std::function<void(QPainter &)> m_scaledDrawing;
    std::optional<QPointF> m_mark;
    QColor m_markColour;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
};

// One piece of a column title: raised (-1), on the line (0) or lowered (1).
struct TitlePiece
{
    QString text;
    int shift = 0;
};
// Title of the time column (quantity -1) or of a quantity's column.
QList<TitlePiece> columnTitle(int quantity);
// The same in plain text, for screen readers: "vx (m · s-1)".
QString plainTitle(int quantity);

// The header bar `Picture2` over the table: the column titles, dark blue with white text.
class TableHeader : public QWidget
{
    Q_OBJECT
public:
    explicit TableHeader(QWidget *parent);
    // Quantities of the value columns and the column pitch in pixels.
    void setColumns(const QList<int> &quantities, int pitch);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<int> m_quantities;
    int m_pitch = 65;
};

} // namespace orbane::graphs
