#pragma once

#include "graphs/rangestudy.h"

#include <QDialog>
#include <QImage>

class QComboBox;
class QLabel;
class QLayout;

namespace orbane {
class Dialogs;
class Simulation;
}

namespace orbane::graphs {

// The study's graph in the graphs' style: the curve of the chosen quantity against the chosen
// variable, with its grid, graduated axes and the marked point with its text. Headless.
QImage drawRangeStudy(const rangestudy::Study &study, rangestudy::Measure q,
                      const std::optional<rangestudy::Mark> &mark);

// "Étude de la portée": the range, the highest point or the time of flight of the current
// launch against its angle or its speed, for the current place, projectile and initial height.
// It follows the simulation's changes; its values export like the other tables.
class RangeStudyWindow : public QDialog
{
    Q_OBJECT
public:
    // Without `dialogs` the values cannot be exported.
    RangeStudyWindow(const Simulation &sim, Dialogs *dialogs, QWidget *parent);

    rangestudy::Measure quantity() const;
    rangestudy::Variable variable() const;
    const rangestudy::Study &study() const { return m_study; }
    QString markText() const;
    exchange::Table table() const;

private:
    QLayout *buildChoices();
    QLayout *buildButtons();
    void refresh();
    void exportValues();

    const Simulation &m_sim;
    Dialogs *m_dialogs = nullptr;
    rangestudy::Study m_study;
    std::optional<rangestudy::Mark> m_mark;
    QComboBox *m_quantity = nullptr;
    QComboBox *m_variable = nullptr;
    QLabel *m_plot = nullptr;
    QLabel *m_markLabel = nullptr;
};

} // namespace orbane::graphs
