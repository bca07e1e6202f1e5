#include "pointage/framebar.h"

#include "core/numberformat.h"
#include "pointage/controlparts.h"

#include <QBoxLayout>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace orbane::pointage {

FrameBar::FrameBar(std::vector<double> fileTimes, bool irregular, QWidget *parent)
    : QWidget(parent), m_fileTimes(std::move(fileTimes))
{
    setObjectName(QStringLiteral("barreImages"));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("image"));
    m_slider->setAccessibleName(QStringLiteral("Image de la vidéo"));
    m_slider->setRange(0, std::max(0, frameCount() - 1));
    m_slider->setPageStep(10);
    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("positionImage"));
    m_position->setMinimumWidth(m_position->fontMetrics().horizontalAdvance(
        QStringLiteral("Image 0000 / 0000 – t = -00,000 s")));
    connect(m_slider, &QSlider::valueChanged, this, &FrameBar::show);

    m_step = new QSpinBox(this);
    m_step->setObjectName(QStringLiteral("pas"));
    m_step->setRange(1, 50);
    m_step->setAccessibleName(QStringLiteral("Après chaque point, avancer de (images)"));
    m_slowMotion = numberBox(QStringLiteral("ralenti"), QStringLiteral("Ralenti : facteur"), 1.0,
                             100.0, 2, this);
    m_slowMotion->setPrefix(QStringLiteral("× "));
    m_slowMotion->setToolTip(QStringLiteral("Une vidéo ralentie : 1 en temps réel, 8 pour une "
                                            "vidéo filmée à 240 images par seconde et lue à 30"));
    connect(m_slowMotion, &QDoubleSpinBox::valueChanged, this, [this] {
        show(frame());
        emit timesChanged();
    });

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(stepButton(QStringLiteral("premiere"), QStyle::SP_MediaSkipBackward,
                              QStringLiteral("Première image"), -frameCount()));
    row->addWidget(stepButton(QStringLiteral("precedente"), QStyle::SP_MediaSeekBackward,
                              QStringLiteral("Image précédente (Page préc.)"), -1));
    row->addWidget(m_slider, 1);
    row->addWidget(stepButton(QStringLiteral("suivante"), QStyle::SP_MediaSeekForward,
                              QStringLiteral("Image suivante (Page suiv.)"), 1));
    row->addWidget(m_position);
    auto *options = new QHBoxLayout;
    options->setContentsMargins(0, 0, 0, 0);
    options->addWidget(new QLabel(QStringLiteral("Après chaque point, avancer de"), this));
    options->addWidget(m_step);
    options->addWidget(new QLabel(QStringLiteral("image(s)"), this));
    options->addSpacing(16);
    options->addWidget(new QLabel(QStringLiteral("Ralenti :"), this));
    options->addWidget(m_slowMotion);
    options->addStretch();
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(row);
    column->addLayout(options);
    if (irregular) {
        auto *warning = new QLabel(
            QStringLiteral("cadence irrégulière : les dates des images sont utilisées"), this);
        warning->setObjectName(QStringLiteral("cadence"));
        column->addWidget(warning);
    }
    show(0);
}

QToolButton *FrameBar::stepButton(const QString &name, QStyle::StandardPixmap icon,
                                  const QString &tip, int by)
{
    auto *b = new QToolButton(this);
    b->setObjectName(name);
    b->setIcon(style()->standardIcon(icon));
    b->setToolTip(tip);
    b->setAccessibleName(tip.section(QStringLiteral(" ("), 0, 0));
    b->setAutoRepeat(by == 1 || by == -1);
    connect(b, &QToolButton::clicked, this, [this, by] { setFrame(frame() + by); });
    return b;
}

int FrameBar::frame() const { return m_slider->value(); }

void FrameBar::setFrame(int frame) { m_slider->setValue(std::clamp(frame, 0, m_slider->maximum())); }

bool FrameBar::advance()
{
    const int next = frame() + step();
    if (next >= frameCount())
        return false;
    setFrame(next);
    return true;
}

int FrameBar::step() const { return m_step->value(); }

double FrameBar::slowMotion() const { return m_slowMotion->value(); }

void FrameBar::setSlowMotion(double factor) { m_slowMotion->setValue(factor); }

void FrameBar::setTimeOrigin(int frame)
{
    m_timeOrigin = std::clamp(frame, 0, std::max(0, frameCount() - 1));
    show(this->frame());
    emit timesChanged();
}

double FrameBar::time(int frame) const
{
    const double t = m_fileTimes.at(std::size_t(frame)) - m_fileTimes.at(std::size_t(m_timeOrigin));
    return t / slowMotion();
}

std::vector<double> FrameBar::times() const
{
    std::vector<double> out;
    out.reserve(m_fileTimes.size());
    for (int i = 0; i < frameCount(); ++i)
        out.push_back(time(i));
    return out;
}

QString FrameBar::position() const
{
    const int i = frame();
    const double t = m_fileTimes.empty() ? 0.0 : time(i);
    return QStringLiteral("Image %1 / %2 – t = %3 s")
        .arg(i + 1)
        .arg(frameCount())
        .arg(numfmt::fixed(t, 3));
}

void FrameBar::show(int frame)
{
    m_position->setText(position());
    m_slider->setAccessibleDescription(m_position->text());
    emit frameChanged(frame);
}

} // namespace orbane::pointage
