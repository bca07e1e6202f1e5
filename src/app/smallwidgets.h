#pragma once

#include "core/controls.h"
#include "platform/updown.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <functional>

class QToolButton;

namespace orbane {

// `Label4`(i): a small coloured square; a click, Space or Enter asks for a new colour.
class Swatch : public QLabel
{
    Q_OBJECT
public:
    Swatch(int index, QWidget *parent);
    int index() const { return m_index; }
    void setColour(Rgb colour);
    // As a click: asks for a new colour.
    void activate() { emit clicked(m_index); }

signals:
    void clicked(int index);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_index;
};

// A parameter box whose keys go through the simulation's filter. Enter applies the box at
// once without leaving it; leaving it applies it too. Every change of its text not made by the
// program through showText (typed, pasted, or set by an assistive tool) is an edit.
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
    // The program shows a value: not an edit.
    void showText(const QString &text);

signals:
    void edited(const QString &text);
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
    bool m_showing = false;
};

// Fixed colours through the palette: a style sheet makes Qt polish its widget with a
// style-sheet style, which is costly at start-up.
void paintIn(QWidget *w, const QColor &text, const QColor &background);

// A vertical picture button of the animation row or the camera.
// A key anywhere in `window` that clicks `button` when it is enabled; the tool tip names the key
// unless `inTip` is false (a tool tip that tells a state).
void clickWithKey(QAbstractButton *button, const QKeySequence &key, QWidget *window,
                  bool inTip = true);

QToolButton *pictureButton(const QString &name, const QString &icon, const QString &tip,
                           QWidget *parent);

} // namespace orbane
