#pragma once

#include <QWidget>

class QToolButton;

namespace orbane {

// An up-down control: two small arrows stepping a bounded value shown elsewhere.
class UpDown : public QWidget
{
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, QWidget *parent);
    int value() const { return m_value; }
    void setValue(int value); // kept within the bounds; signals a change
    void step(int delta);
    QToolButton *up() const { return m_up; }
    QToolButton *down() const { return m_down; }
    void setArrowNames(const QString &up, const QString &down);

signals:
    void valueChanged(int value);

private:
    int m_minimum, m_maximum, m_value;
    QToolButton *m_up, *m_down;
};

} // namespace orbane
