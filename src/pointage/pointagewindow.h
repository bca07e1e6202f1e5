#pragma once

#include "pointage/measurement.h"
#include "pointage/pointageview.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QUndoStack;

namespace orbane {
class Dialogs;
class Simulation;
}
namespace orbane::exchange {
class SaveChooser;
}

namespace orbane::pointage {

// What the measurement window needs for its exports; without them its export buttons do
// nothing.
struct PointageActions
{
    Dialogs *dialogs = nullptr;             // the export window's and the saving's messages
    exchange::SaveChooser *files = nullptr; // asks where the Python program goes
    std::function<void(const QString &)> say; // to the screen reader, wherever the focus is
};

// "Pointage de la chronophotographie": the pupil points the photographs, reads the table of
// times and positions, checks the points and a velocity vector, and sees m·Δv/Δt beside P.
// Not modal; it closes with "Fermer" or Escape.
class PointageWindow : public QDialog
{
    Q_OBJECT
public:
    PointageWindow(const Simulation &sim, const QImage &chronophotograph, PointageActions actions,
                   QWidget *parent);

    const Measurement &measurement() const { return m_measurement; }
    PointageView *view() const { return m_view; }
    QTableWidget *table() const { return m_table; }
    QLabel *summary() const { return m_summary; }
    QLabel *secondLaw() const { return m_secondLaw; }
    QLabel *verdict() const { return m_verdict; }

    QUndoStack *undoStack() const { return m_undo; }

    void addPoint(QPointF pixel);
    void undoPoint();
    void clearPoints();
    void verifyPoints();
    // The typed or drawn vector against the one computed at its point.
    void verifyVector();
    void setVector(int point, QPointF velocity);

private:
    void buildControls(QWidget *side);
    void buildUndo();
    // Records the change of points just made as a step of the window's undo history.
    void recordPoints(const QString &name, const std::vector<QPointF> &before);
    // A point was just added to `before`: recorded, said and shown.
    void pointAdded(const std::vector<QPointF> &before);
    void sayLastPoint();
    void showPoints(const std::vector<QPointF> &points);
    QWidget *buildVectorBox(QWidget *parent);
    void refresh();
    void refreshTable();
    QString secondLawText() const;
    bool massHidden() const;
    int firstStaleRow() const;
    void fillRow(int row);
    void updateOverlay();
    void exportTable();
    void exportPython();

    const Simulation &m_sim;
    Measurement m_measurement;
    QUndoStack *m_undo = nullptr;
    PointageActions m_actions;
    bool m_verified = false;
    // What the table shows, so that a change refills only the rows it reaches.
    std::vector<QPointF> m_tabled;
    bool m_tabledVerified = false;
    PointageView *m_view = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_summary = nullptr;
    QLabel *m_secondLaw = nullptr;
    QLabel *m_verdict = nullptr;
    QCheckBox *m_zoom = nullptr;
    QCheckBox *m_velocities = nullptr;
    QCheckBox *m_variations = nullptr;
    QSpinBox *m_vectorPoint = nullptr;
    QDoubleSpinBox *m_vx = nullptr;
    QDoubleSpinBox *m_vy = nullptr;
};

} // namespace orbane::pointage
