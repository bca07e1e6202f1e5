#pragma once

#include "core/exporttable.h"
#include "core/services.h"

#include <QDialog>
#include <functional>

class QRadioButton;
class QSpinBox;

namespace orbane {

// "Exporter les valeurs": the flight's values or the chronophotographs' positions as a
// tab-separated table, saved to a file or copied for a spreadsheet.
class ExportDialog : public QDialog
{
    Q_OBJECT
public:
    // Builds the table for a separator (and, for the flight, a time step in ms).
    using TableMaker = std::function<QString(exporttable::Separator, int stepMs, const QString &eol)>;
    // Asks where to save; an empty answer cancels.
    using SaveChooser = std::function<QString(QWidget *parent)>;

    // `columns` says what the table holds, as the window shows it.
    ExportDialog(QWidget *parent, const QString &title, const QString &columns, TableMaker maker,
                 Dialogs &dialogs, int defaultStepMs = -1); // no step for the photographs

    // What each table holds.
    static QString flightColumns();
    static QString photoColumns();
    void setSaveChooser(SaveChooser chooser) { m_chooser = std::move(chooser); }

    exporttable::Separator separator() const;
    int stepMs() const;
    QString table(const QString &eol) const;
    bool save(const QString &path);
    void copy();

private:
    void saveClicked();

    TableMaker m_maker;
    Dialogs &m_dialogs;
    SaveChooser m_chooser;
    QSpinBox *m_step = nullptr;
    QRadioButton *m_comma = nullptr;
};

} // namespace orbane
