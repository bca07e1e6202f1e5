#pragma once

#include "core/tones.h"
#include "graphs/quantities.h"
#include "graphs/windowgraph.h"

#include <QDialog>
#include <functional>
#include <vector>

class QTableWidget;

namespace orbane {
class Dialogs;
class Simulation;
}

namespace orbane::graphs {

class GraphToolBar;
class GraphView;
class TableHeader;

// What the graph window's image buttons hand over to the rest of the program.
struct GraphWindowActions
{
    // "Imprimer": set-up dialog, then the image centred, drawn again by the painting function at
    // the printer's resolution.
    std::function<void(const QImage &, const std::function<void(QPainter &)> &)> print;
    std::function<void(const QImage &)> copy;  // "Copier": the image on the clipboard
    std::function<void()> calculator;          // "Calculatrice": the calculator, modal
    Dialogs *dialogs = nullptr; // the export window's messages; without them it does not open
    std::function<void(const QString &)> say; // to the screen reader, wherever the focus is
    AudioOut *audio = nullptr;  // "Écouter la courbe"; without it, silent
};

// The modal graph window `graphes`: lies exactly over the main window and shows, for the whole
// flight, the chosen quantities with a table of values, crosses on the curves for its rows and a
// read-out under the pointer. It starts with the main window's choice and never changes it.
// A cursor walks the table's points on the curves from the keyboard, in step with the table's
// current cell, and tells the screen reader each point; "Écouter la courbe" plays its curve.
class Graphes : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kCellWidth = 64;  // the grid's own cell size, in pixels
    static constexpr int kCellHeight = 16;
    static constexpr QRect kPicture1{280, 88, 508, 412};
    static constexpr QRect kPicture2{16, 96, 265, 25};
    static constexpr QRect kGrid{16, 120, 260, 232};

    static constexpr double kListenSeconds = 3.0;
    static constexpr int kListenSamples = 200;

    Graphes(const Simulation &sim, const GraphWindowActions &actions, QWidget *mainWindow);
    ~Graphes() override;

    void Check1_Click(int index, bool on);
    void tracegraphe();
    void Picture1_MouseMove(int button, int shift, double x, double y);
    void MSFlexGrid1_SelChange();
    void Image1_Click(int index);
    // "Étude de la portée…": the range against the angle or the speed, modal over this window.
    void openRangeStudy();
    // The view's keys: Left, Right, Home, End walk the rows, Up and Down the chosen quantities.
    void moveCursor(int key);
    void ecouterCourbe_Click();

    const Choice &choice() const { return m_choice; }
    const WindowGraph &graph() const { return m_graph; }
    int lignesel() const { return m_lignesel; }
    QTableWidget *grid() const { return m_grid; }
    GraphToolBar *toolBar() const { return m_picture3; }
    GraphView *view() const { return m_picture1; }
    TableHeader *header() const { return m_picture2; }
    int cursorCurve() const { return m_curve; } // index in the table's quantities

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void drawThrough(QPainter &p) const;
    void Form_Load(QWidget *mainWindow);
    void buildGrid();
    void fillGrid();
    void syncBoxes();
    void setCellBackground(int row, int column, const QColor &colour);
    void showReadout(double x, double y);
    void hideReadout();
    void addListenButton(const QRect &beside);
    void placeCursor(int row, int curve);
    void followGrid(int row, int column);
    void showCursor();
    void resetCursor();
    QString cursorText() const;
    QString cell(int row, int column) const;
    std::vector<double> curveSamples(int quantity) const;
    AudioOut &audio();

    const Simulation &m_sim;
    GraphWindowActions m_actions;
    WindowGraph m_graph;
    Choice m_choice{};
    bool m_encours = false;
    int m_lignesel = -1;
    GraphToolBar *m_picture3 = nullptr;
    GraphView *m_picture1 = nullptr;
    TableHeader *m_picture2 = nullptr;
    QTableWidget *m_grid = nullptr;
    int m_curve = 0;
    NullAudio m_silence;
    tones::BufferSource m_sound;
};

// Opens a fresh graph window over `mainWindow` and waits until it is closed.
void showGraphes(const Simulation &sim, const GraphWindowActions &actions, QWidget *mainWindow);

} // namespace orbane::graphs
