#pragma once

#include <QPointF>
#include <QWidget>
#include <vector>

namespace orbane::pointage {

// The fit's residuals against time: x − x_modèle and y − y_modèle at each point, in centimetres,
// around a zero line. Aliased, like the program's other plots.
class ResidualPlot : public QWidget
{
    Q_OBJECT
public:
    explicit ResidualPlot(QWidget *parent);

    void setResiduals(std::vector<double> times, std::vector<QPointF> residuals);
    void clear();
    bool empty() const { return m_times.empty(); }
    QSize sizeHint() const override { return {320, 150}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<double> m_times;
    std::vector<QPointF> m_residuals; // m
};

} // namespace orbane::pointage
