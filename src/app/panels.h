#pragma once

#include "app/smallwidgets.h"

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace orbane {

// A panel of the tab strip: fills its background and paints its own texts.
class Panel : public QWidget
{
    Q_OBJECT
public:
    Panel(const QString &name, QWidget *parent);
    std::function<void(QPainter &)> painter;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Every control of the five panels, by its name.
struct PanelControls
{
    Panel *Picture3 = nullptr; // parameters
    Panel *frame2 = nullptr;   // display
    Panel *Picture1 = nullptr; // vectors
    Panel *Picture6 = nullptr; // chronophotography
    QComboBox *Combo1 = nullptr;
    QComboBox *Combo2 = nullptr;
    std::array<ParameterBox *, 5> Text{}; // Text1..Text4 (index 0 unused)
    ParameterBox *chrono = nullptr;
    std::array<QCheckBox *, 13> Check{}; // Check1..Check12
    QCheckBox *speed = nullptr;
    QCheckBox *secondLaw = nullptr; // "Afficher m·Δv/Δt"
    std::array<Swatch *, 9> Label4{};
    QScrollBar *VScroll1 = nullptr;
    QScrollBar *VScroll3 = nullptr;
    UpDown *UpDown1 = nullptr;
    QLabel *Label9 = nullptr;
    QToolButton *command12 = nullptr;
    QLabel *Label5 = nullptr;
    QPushButton *exporter = nullptr; // the photographs' positions for a spreadsheet
    QPushButton *pointage = nullptr; // the pupil measures on the chronophotograph
    // Scale segments: left end, right end follows the scroll value.
    QPoint line1Start, line2Start;
};

void buildParametersPanel(PanelControls &pc, QWidget *parent);
void buildDisplayPanel(PanelControls &pc, QWidget *parent);
void buildVectorsPanel(PanelControls &pc, QWidget *parent);
void buildChronoPanel(PanelControls &pc, QWidget *parent);

// Texts with a lowered index or a raised exponent, drawn at a moving pen position.
struct ScriptWriter
{
    QPainter &p;
    QPointF pos;
    void text(const QString &s, int dy = 0, int pointSize = 0);
};

} // namespace orbane
