#pragma once

#include "core/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <functional>

class QToolButton;

namespace orbane {

// `Label4`(i): a small coloured square; a click asks for a new colour.
class Swatch : public QLabel
{
    Q_OBJECT
public:
    Swatch(int index, QWidget *parent);
    int index() const { return m_index; }
    void setColour(Rgb colour);

signals:
    void clicked(int index);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_index;
};

// `UpDown1`: two arrows stepping a value, shown elsewhere (`Label9`).
class UpDown : public QWidget
{
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, QWidget *parent);
    int value() const { return m_value; }
    void setValue(int value); // no signal: the window's own refresh

signals:
    void valueChanged(int value); // the user stepped it

private:
    void step(int delta);
    int m_minimum, m_maximum, m_value;
    QToolButton *m_up, *m_down;
};

// A parameter box whose keys go through the simulation's filter. Enter applies the box at
// once without leaving it; leaving it applies it too.
class ParameterBox : public QLineEdit
{
    Q_OBJECT
public:
    enum class Key { Accept, Swallow };
    using Filter = std::function<Key(QChar &)>;
    ParameterBox(const QString &name, QWidget *parent);
    void setFilter(Filter filter) { m_filter = std::move(filter); }
    // Enter swallowed (the boxes) or passed on after applying (the interval box).
    void setEnterSwallowed(bool swallowed) { m_enterSwallowed = swallowed; }

signals:
    void applied();        // Enter, or the focus left
    void focused();        // got the focus
    void keySwallowed();   // a key was refused (Enter included)

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    Filter m_filter;
    bool m_enterSwallowed = true;
};

// A vertical picture button of the animation row or the camera.
QToolButton *pictureButton(const QString &name, const QString &icon, const QString &tip,
                           QWidget *parent);

} // namespace orbane
