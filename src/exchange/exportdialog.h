#pragma once

#include "core/exporttable.h"
#include "exchange/format.h"
#include "exchange/table.h"

#include <QDialog>
#include <functional>
#include <vector>

class QLabel;
class QRadioButton;
class QSpinBox;

namespace orbane {
class Dialogs;
class Simulation;
}

namespace orbane::exchange {

// "Exporter les valeurs": a table in one of the offered formats, saved to a file or copied for
// a spreadsheet.
class ExportDialog : public QDialog
{
    Q_OBJECT
public:
    // Builds the table (for the flight, every `stepMs` milliseconds).
    using TableMaker = std::function<Table(int stepMs)>;
    // Asks where to save; an empty answer cancels.
    using PathQuestion = std::function<QString(QWidget *parent)>;

    // The window describes the columns of the table `maker` gives.
    ExportDialog(QWidget *parent, const QString &title, TableMaker maker, Dialogs &dialogs,
                 int defaultStepMs = -1); // no step for the photographs

    void setSaveChooser(PathQuestion chooser) { m_chooser = std::move(chooser); }
    // The file name the save window suggests, without its suffix: "valeurs" at first.
    void suggestName(const QString &stem) { m_stem = stem; }
    // "valeurs.csv": the stem and the chosen format's suffix.
    QString suggestedFile() const { return m_stem + format().suffix; }

    const FormatEntry &format() const;
    int stepMs() const;
    QString table(const QString &eol) const;
    bool save(const QString &path);
    void copy();

private:
    QWidget *buildFormats();
    void showColumns();
    void saveClicked();

    TableMaker m_maker;
    Dialogs &m_dialogs;
    PathQuestion m_chooser;
    QString m_stem = QStringLiteral("valeurs");
    QString m_columns; // what the table's columns are, in the window's words
    QSpinBox *m_step = nullptr;
    std::vector<QRadioButton *> m_formats; // as formats() lists them
    QLabel *m_description = nullptr;
};

// True, with the message that says why, when `hidden`: `what` would give a hidden value away.
bool refusedWhileHidden(bool hidden, Dialogs &dialogs,
                        const QString &what = QStringLiteral("Exportation"));
// The flight's values, every chosen step (the chronophotography's interval at first); refused
// while the exercise hides a value, which the flight's values would carry.
void exportFlight(const Simulation &sim, Dialogs &dialogs, QWidget *parent);
// The chronophotographs' positions; without any, a message says how to take them.
void exportPositions(const std::vector<exporttable::PhotoPosition> &photos, Dialogs &dialogs,
                     QWidget *parent);

} // namespace orbane::exchange
