#pragma once

#include "app/smallwidgets.h"
#include "core/options.h"
#include "core/settinglocks.h"

#include <QWidget>
#include <array>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace orbane {

class ColourChooser;
class Hints;
class Simulation;

// What every panel needs from the window: the model, the hint line, the colour dialog.
struct PanelContext
{
    Simulation &sim;
    Hints &hints;
    ColourChooser &colours;
};

// A number box of the panels, right-aligned as the parameter boxes.
ParameterBox *parameterBox(const QString &name, QWidget *parent, QRect geometry);

// A panel of the tab strip: fills its background, paints its own texts, and builds, binds,
// refreshes and hints its own controls. Its options come from the option table.
class Panel : public QWidget
{
    Q_OBJECT
public:
    Panel(const QString &name, const QString &accessibleName, const PanelContext &context,
          QWidget *parent);
    // Shows the simulation's values; the widgets' own signals stay silent meanwhile.
    virtual void refresh();

protected:
    void paintEvent(QPaintEvent *event) override;
    virtual void paintTexts(QPainter &) {}
    // The check boxes of the tab's options, at their places.
    void buildOptions(OptionTab tab);
    Swatch *addSwatch(int index, int x, int y);
    const Swatch *swatch(int index) const;
    QCheckBox *optionBox(const char *objectName) const;
    // Enabled as the state allows unless an open exercise fixes its setting, which it then says.
    void enableUnlessFixed(QWidget *control, bool enabled, std::optional<FixableSetting> setting);
    // Keyboard order follows reading order: top to bottom, then left to right.
    void orderFocusByPosition();
    // Repaints the painted texts when the values they show change.
    void repaintWhenChanged(std::vector<quint32> shown);

    PanelContext m_ctx;

private:
    void chooseColour(int index);

    std::vector<std::pair<const Option *, QCheckBox *>> m_options;
    std::vector<Swatch *> m_swatches;
    std::vector<quint32> m_painted;
};

// "Paramètres": place, projectile, initial position and velocity.
class ParametersPanel final : public Panel
{
    Q_OBJECT
public:
    ParametersPanel(const PanelContext &context, QWidget *parent);
    void refresh() override;
    QRect boxGeometry(int n) const; // Text1..Text4

signals:
    void refreshRequested(); // a refused key changed what the window shows

protected:
    void paintTexts(QPainter &p) override;

private:
    void bindBoxes();
    QString boxText(int n) const;

    QComboBox *m_combo1 = nullptr;
    QComboBox *m_combo2 = nullptr;
    std::array<ParameterBox *, 5> m_text{}; // Text1..Text4 (index 0 unused)
};

// "Affichage": axes, grid, lines, trajectory, speed, exit.
class DisplayPanel final : public Panel
{
    Q_OBJECT
public:
    DisplayPanel(const PanelContext &context, QWidget *parent);
    void refresh() override;

protected:
    void paintTexts(QPainter &p) override;

private:
    // The air's law under its option: "Modèle", then k or Cx and ρ.
    void buildAir();
    QLabel *boxLabel(const QString &text, QWidget *buddy);

    QComboBox *m_model = nullptr;
    std::array<ParameterBox *, 3> m_air{}; // k, Cx, ρ
    std::array<QLabel *, 3> m_airLabels{};
};

// "Vecteurs": velocity, its variation, the weight, their scales.
class VectorsPanel final : public Panel
{
    Q_OBJECT
public:
    VectorsPanel(const PanelContext &context, QWidget *parent);
    void refresh() override;

protected:
    void paintTexts(QPainter &p) override;

private:
    void nameScaleBars();

    QLabel *m_label9 = nullptr;
    QScrollBar *m_vscroll1 = nullptr;
    QScrollBar *m_vscroll3 = nullptr;
    UpDown *m_upDown1 = nullptr;
    // Scale segments: left end, right end follows the scroll value.
    QPoint m_line1Start, m_line2Start;
};

// "Chronophotographie": interval, marks, camera, the positions' export and the pointage.
class ChronoPanel final : public Panel
{
    Q_OBJECT
public:
    ChronoPanel(const PanelContext &context, QWidget *parent);
    void refresh() override;
    // What every state change may enable or disable, during a flight too.
    void refreshButtons();
    // The measurement needs a still scene and at least three photographs.
    bool pointageReady() const;
    // "Vidéo, photo": the pointage of a real throw, at any time; its menu is the window's.
    QToolButton *realPointage() const { return m_real; }

signals:
    void exportRequested();
    void pointageRequested();

protected:
    void paintTexts(QPainter &p) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString pointageHint() const;
    void buildButtons();

    ParameterBox *m_chrono = nullptr;
    QToolButton *m_command12 = nullptr;
    QLabel *m_label5 = nullptr;
    QPushButton *m_exporter = nullptr;
    QPushButton *m_pointage = nullptr;
    QToolButton *m_real = nullptr;
    int m_shownRecording = -1;
};

// Texts with a lowered index or a raised exponent, drawn at a moving pen position.
struct ScriptWriter
{
    QPainter &p;
    QPointF pos;
    void text(const QString &s, int dy = 0, int pointSize = 0);
};

} // namespace orbane
