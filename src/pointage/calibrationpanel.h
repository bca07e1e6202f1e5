#pragma once

#include "pointage/calibration.h"

#include <QWidget>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPainter;
class QPushButton;

namespace orbane::pointage {

// "Étalonnage": the pupil clicks the two ends of an object of known length and types it, clicks
// the origin, and draws the x axis when the camera was not level. While a tool is chosen, the
// picture's clicks go to it; the scale segment and the axes are drawn over the picture.
class CalibrationPanel : public QWidget
{
    Q_OBJECT
public:
    enum class Tool { None, Scale, Origin, Axis };

    // A picture of this size starts with its origin at the bottom-left corner and a scale that
    // is only a placeholder until the pupil sets it.
    CalibrationPanel(QSize picture, QWidget *parent);

    const Calibration &calibration() const { return m_calibration; }
    void setCalibration(const Calibration &c);
    // The scale was set by the pupil (or read from a measurement).
    bool scaled() const { return m_scaled; }
    Tool tool() const { return m_tool; }
    void setTool(Tool tool);
    // A click on the picture (pixels): true when a tool took it.
    bool take(QPointF pixel);
    void paint(QPainter &p) const;
    // What the next click does, or what is left to do.
    QString status() const;
    // Shown on a video: the time origin is the frame on screen.
    QPushButton *timeOriginButton() const { return m_timeOrigin; }

signals:
    void changed();
    void toolChanged();

private:
    QPushButton *toolButton(const QString &name, const QString &caption, Tool tool);
    void finishClick();
    void refresh();

    Calibration m_calibration;
    bool m_scaled = false;
    Tool m_tool = Tool::None;
    std::vector<QPointF> m_clicks; // the clicks of the tool in hand
    QButtonGroup *m_tools = nullptr;
    QDoubleSpinBox *m_length = nullptr;
    QCheckBox *m_tilted = nullptr;
    QPushButton *m_axis = nullptr;
    QPushButton *m_timeOrigin = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace orbane::pointage
