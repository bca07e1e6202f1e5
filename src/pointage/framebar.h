#pragma once

#include <QStyle>
#include <QWidget>
#include <vector>

class QDoubleSpinBox;
class QLabel;
class QSlider;
class QSpinBox;
class QToolButton;

namespace orbane::pointage {

// Under a video's frame: the slider and the buttons that step through the frames, "Image 12 /
// 255 – t = 0,440 s", how many frames a placed point moves on, and the slow-motion factor. The
// times are the frames' own, from the time origin, divided by the slow-motion factor.
class FrameBar : public QWidget
{
    Q_OBJECT
public:
    // fileTimes: each frame's time in the file (s); irregular: the frames are not evenly spaced.
    FrameBar(std::vector<double> fileTimes, bool irregular, QWidget *parent);

    int frame() const;
    int frameCount() const { return int(m_fileTimes.size()); }
    void setFrame(int frame);
    // Moves on by the chosen step after a point, within the video; false at its end.
    bool advance();
    int step() const;
    double slowMotion() const;
    void setSlowMotion(double factor);
    int timeOrigin() const { return m_timeOrigin; }
    void setTimeOrigin(int frame);
    // The frames' times as the analysis reads them: real seconds from the time origin.
    std::vector<double> times() const;
    double time(int frame) const;
    QString position() const; // "Image 12 / 255 – t = 0,440 s"

signals:
    void frameChanged(int frame);
    void timesChanged(); // the time origin or the slow-motion factor

private:
    QToolButton *stepButton(const QString &name, QStyle::StandardPixmap icon, const QString &tip,
                            int by);
    void show(int frame);

    std::vector<double> m_fileTimes;
    int m_timeOrigin = 0;
    QSlider *m_slider = nullptr;
    QLabel *m_position = nullptr;
    QSpinBox *m_step = nullptr;
    QDoubleSpinBox *m_slowMotion = nullptr;
};

} // namespace orbane::pointage
