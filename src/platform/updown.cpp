#include "platform/updown.h"

#include <QToolButton>

namespace orbane {

UpDown::UpDown(int minimum, int maximum, QWidget *parent)
    : QWidget(parent), m_minimum(minimum), m_maximum(maximum), m_value(minimum),
      m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    setFixedSize(17, 26);
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setGeometry(0, 0, 17, 13);
    m_down->setGeometry(0, 13, 17, 13);
    m_up->setAutoRepeat(true);
    m_down->setAutoRepeat(true);
    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setArrowNames(const QString &up, const QString &down)
{
    m_up->setAccessibleName(up);
    m_down->setAccessibleName(down);
}

void UpDown::setValue(int value)
{
    const int v = qBound(m_minimum, value, m_maximum);
    if (v == m_value)
        return;
    m_value = v;
    emit valueChanged(m_value);
}

void UpDown::step(int delta) { setValue(m_value + delta); }

} // namespace orbane
