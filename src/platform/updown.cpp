#include "platform/updown.h"

#include "platform/accessibility.h"
#include "platform/focusframe.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

namespace orbane {

namespace {
// Lies over the arrows, which fill the control, and shows the keyboard focus as a dotted frame.
class FocusFrame : public QWidget
{
public:
    explicit FocusFrame(QWidget *owner) : QWidget(owner)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!parentWidget()->hasFocus())
            return;
        QPainter p(this);
        drawFocusFrame(p, rect().adjusted(1, 1, -1, -1));
    }
};
} // namespace

UpDown::UpDown(int minimum, int maximum, QWidget *parent)
    : QWidget(parent), m_minimum(minimum), m_maximum(maximum), m_value(minimum),
      m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    installPlatformAccessibility();
    setFixedSize(17, 26);
    setFocusPolicy(Qt::StrongFocus);
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setGeometry(0, 0, 17, 13);
    m_down->setGeometry(0, 13, 17, 13);
    m_up->setAutoRepeat(true);
    m_down->setAutoRepeat(true);
    // The control itself takes the keyboard; the arrows are for the mouse.
    m_up->setFocusPolicy(Qt::NoFocus);
    m_down->setFocusPolicy(Qt::NoFocus);
    m_focusFrame = new FocusFrame(this);
    m_focusFrame->setGeometry(rect());
    m_focusFrame->raise();
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
    QAccessibleValueChangeEvent event(this, m_value);
    QAccessible::updateAccessibility(&event);
    emit valueChanged(m_value);
}

void UpDown::step(int delta) { setValue(m_value + delta); }

QString UpDown::valueText() const
{
    return m_valueText ? m_valueText(m_value) : QString::number(m_value);
}

void UpDown::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Right)
        step(1);
    else if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Left)
        step(-1);
    else
        QWidget::keyPressEvent(event);
}

void UpDown::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    m_focusFrame->update();
}

void UpDown::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_focusFrame->update();
}

} // namespace orbane
