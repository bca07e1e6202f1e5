#pragma once

#include "graphs/rangestudy.h"

#include <QDialog>
#include <QImage>
#include <array>

class QComboBox;
class QLabel;
class QLayout;

namespace orbane {
class Dialogs;
class Simulation;
}

namespace orbane::graphs {

// The study's graph in the graphs' style: the curve of the chosen quantity against the chosen
// variable, with its grid, graduated axes and the marked point with its text. With a curve in
// the air, both curves in their colours, a legend naming them and each one's mark. Headless.
QImage drawRangeStudy(rangestudy::Measure q, const rangestudy::Curve &vacuum,
                      const rangestudy::Curve *air);

// "Étude de la portée": the range, the highest point or the time of flight of the current
// launch against its angle or its speed, for the current place, projectile and initial height,
// in the vacuum and, with the simulation's drag active, in the air too. It follows the
// simulation's changes; its values export like the other tables.
class RangeStudyWindow : public QDialog
{
    Q_OBJECT
public:
    // Without `dialogs` the values cannot be exported.
    RangeStudyWindow(const Simulation &sim, Dialogs *dialogs, QWidget *parent);

    rangestudy::Measure quantity() const;
    rangestudy::Variable variable() const;
    const rangestudy::Study &study() const { return m_vacuum.study; }
    QString markText() const;
    exchange::Table table() const;

private:
    QLayout *buildChoices();
    QLayout *buildButtons();
    // What the curve in the air is flown from.
    struct AirInputs
    {
        std::array<double, 7> launchAndLaw{};
        rangestudy::Variable variable{};
        bool operator==(const AirInputs &) const = default;
    };

    void refresh();
    void refreshAir(const Flight &base, const rangestudy::Launch &launch);
    void exportValues();

    const Simulation &m_sim;
    Dialogs *m_dialogs = nullptr;
    rangestudy::Curve m_vacuum;
    std::optional<rangestudy::Curve> m_air;
    AirInputs m_airInputs;
    std::optional<rangestudy::Measure> m_airMarked; // the quantity m_air's mark is for
    QComboBox *m_quantity = nullptr;
    QComboBox *m_variable = nullptr;
    QLabel *m_plot = nullptr;
    QLabel *m_markLabel = nullptr;
};

} // namespace orbane::graphs
