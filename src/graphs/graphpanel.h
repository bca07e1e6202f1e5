#pragma once

#include "graphs/livegraph.h"
#include "graphs/quantityboxes.h"

#include <QCursor>
#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QPushButton;

namespace orbane {
class Simulation;
} // namespace orbane

namespace orbane::graphs {

// The choice panel `Picture5`: the eight boxes `Check13` and the button "Afficher" (`Command6`).
// It only shows the boxes and paints their captions; GraphPanel reacts to them.
class ChoicePanel : public QWidget
{
    Q_OBJECT
public:
    explicit ChoicePanel(QWidget *parent);

    QCheckBox *box(int index) const { return m_boxes.at(index); }
    const QuantityBoxes &boxes() const { return m_boxes; }
    QPushButton *command6() const { return m_command6; }

    // Design positions of the boxes, in pixels within the panel.
    static QPoint boxPosition(int index);

signals:
    void boxClicked(int index, bool on);
    void hintChanged(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QuantityBoxes m_boxes{};
    QPushButton *m_command6 = nullptr;
};

// The "Graphes" panel `frame1`: the live graph with its buttons "Menu" (`Command3`) and
// "Agrandir" (`Command5`), and the choice panel lying over it when it is open. It reads the
// simulation and is driven by the scene's redraw through repgraphe and tracegraphe.
class GraphPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kBorder = 2;              // sunken border around the surface
    static constexpr QSize kDesignSize{361, 209};  // 5415 x 3135 twips
    static constexpr double kEnlargeLimit = 270.0; // right of it, a click does not enlarge

    explicit GraphPanel(Simulation &sim, QWidget *parent = nullptr);

    LiveGraph &graph() { return m_graph; }
    ChoicePanel *choicePanel() const { return m_picture5; }
    QPushButton *command3() const { return m_command3; }
    QPushButton *command5() const { return m_command5; }
    // The surface's picture, as copied and printed.
    QImage image() const { return m_graph.image(); }
    // The same picture drawn again through a painter scaled to its pixels, as printed.
    void paintPrint(QPainter &painter) const { m_graph.paint(painter); }

    void repgraphe();
    void tracegraphe();
    void Check13_Click(int index, bool on);
    void Command3_Click(); // "Menu": shows the choice panel
    void Command5_Click(); // "Agrandir": the graph window
    void Command6_Click(); // "Afficher": hides the choice panel
    // Mouse over the surface, x and y in its units.
    void frame1_MouseMove(double x, double y);
    void frame1_Click();

    // Follows the simulation: enabled buttons and the boxes' states.
    void refresh();

    // Surface units of a point of the widget.
    static QPointF toUnits(QPoint widgetPos);
    static const QCursor &enlargeCursor();

signals:
    void hintChanged(const QString &text);
    void graphWindowRequested(); // "Agrandir": the main window shows the graph window

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool cursorIsEnlarge() const;
    bool vacuumShown() const; // "Comparer avec le vide", with the air on
    void placeChoicePanel();

    Simulation &m_sim;
    LiveGraph m_graph;
    ChoicePanel *m_picture5 = nullptr;
    QPushButton *m_command3 = nullptr;
    QPushButton *m_command5 = nullptr;
    bool m_enlargeShown = false; // the surface shows the enlarge pointer
};

} // namespace orbane::graphs
