#pragma once

#include "pointage/mediasource.h"
#include "pointage/measurement.h"
#include "pointage/pointageview.h"

#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
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

struct FittedLaunch;
struct MeasureFile;
struct MediaParts;
enum class NotebookVersion;

// What the measurement window needs for its exports; without them its export buttons do
// nothing.
struct PointageActions
{
    Dialogs *dialogs = nullptr;             // the export window's and the saving's messages
    exchange::SaveChooser *files = nullptr; // asks where the Python program goes
    std::function<void(const QString &)> say; // to the screen reader, wherever the focus is
    // Asks which file to open ("Label|*.ext *.ext2"); empty when cancelled.
    std::function<QString(const QString &filter)> openFile;
    // "Simuler ce lancer": the fitted launch into the main window.
    std::function<void(const FittedLaunch &)> simulate;
};

// The points and, on a video, their frames: what an undo step brings back.
struct Marks
{
    std::vector<QPointF> points;
    std::vector<int> frames;
    bool operator==(const Marks &) const = default;
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
    // A real photograph or video: the same window with the picture's calibration, the frames'
    // own times, automatic tracking and the model fitted to the points.
    PointageWindow(const Simulation &sim, MediaSource source, PointageActions actions,
                   QWidget *parent);
    ~PointageWindow() override;

    bool onMedia() const { return m_media != nullptr; }
    MediaParts *media() const { return m_media.get(); }

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
    void setScheme(Scheme scheme);

    // On a photograph or a video.
    void showFrame(int frame);
    // A point placed on the frame shown, then the next frame (or the n-th next).
    bool placeOnFrame(QPointF pixel);
    // Follows the object under the click from the frame shown; the points found, one undo step.
    int trackFrom(QPointF pixel);
    void fitModel();
    void simulateFit();
    bool saveMeasureTo(const QString &path);
    bool openMeasureFrom(const QString &path);
    void exportNotebook(NotebookVersion version);
    // A measurement read from its file, on the picture it was made on.
    void applyMeasure(const MeasureFile &f);
    MeasureFile measureFile(const QString &path) const;

private:
    void buildWindow(int pictureWidth);
    void buildControls(QWidget *side);
    QWidget *buildSchemeBox(QWidget *parent);
    void buildMedia();
    QWidget *buildMediaPicture(QWidget *scroll);
    QWidget *buildMediaSide(QWidget *measure);
    QWidget *buildMassBox(QWidget *parent);
    QWidget *buildModelTab(QWidget *parent);
    void connectView();
    void mediaChanged();
    // What dates, places or weighs the points changed: every row is stale, and so is a fit.
    void remeasure();
    void paintOverMedia(QPainter &p) const;
    Marks marks() const;
    void recordMarks(const QString &name, const Marks &before);
    void showMarks(const Marks &marks);
    void saveMeasure();
    void openMeasure();
    void buildUndo();
    // A point was just added to `before`: recorded, said and shown.
    void pointAdded(const Marks &before);
    void sayLastPoint();
    void sayPoint(int i);
    QWidget *buildVectorBox(QWidget *parent);
    void refresh();
    void refreshTable();
    QString secondLawText() const;
    QString mediaSummary() const;
    QString instruction() const;
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
    Marks m_tabled;
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
    QComboBox *m_scheme = nullptr;
    QPushButton *m_verify = nullptr;
    QPushButton *m_python = nullptr;
    QWidget *m_bottomRow = nullptr;
    std::unique_ptr<MediaParts> m_media;
};

} // namespace orbane::pointage
