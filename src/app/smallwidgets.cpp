#include "app/smallwidgets.h"

#include "platform/dialogparts.h"
#include "platform/focusframe.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QToolButton>

namespace orbane {

Swatch::Swatch(int index, QWidget *parent) : QLabel(parent), m_index(index)
{
    // A control array: every element has the array's name and its index.
    setObjectName(QStringLiteral("Label4"));
    setProperty("index", index);
    setToolTip(QStringLiteral("Couleur"));
    setAccessibleName(QStringLiteral("Couleur"));
    setAccessibleDescription(QStringLiteral("Choisir une autre couleur"));
    setFixedSize(17, 17);
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
}

void Swatch::setColour(Rgb colour)
{
    if (palette().color(QPalette::Window) == QColor::fromRgb(colour))
        return; // the window refreshes at every tick: no palette change for nothing
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor::fromRgb(colour));
    setPalette(p);
}

void Swatch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        activate();
}

void Swatch::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        activate();
    else
        QLabel::keyPressEvent(event);
}

void Swatch::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    drawFocusFrame(p, rect().adjusted(2, 2, -2, -2));
}

ParameterBox::ParameterBox(const QString &name, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(name);
    // An assistive tool sets the text through QLineEdit::setText, which emits no textEdited.
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!m_showing)
            emit edited(text);
    });
}

void ParameterBox::showText(const QString &text)
{
    m_showing = true;
    setText(text);
    m_showing = false;
}

void ParameterBox::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit applied();
        if (m_enterSwallowed)
            emit keySwallowed();
        return;
    }
    // Editing and moving keys are not characters: they work as in any box.
    const QString text = event->text();
    if (text.isEmpty() || key == Qt::Key_Backspace || key == Qt::Key_Delete ||
        key == Qt::Key_Tab || key == Qt::Key_Backtab || (event->modifiers() & Qt::ControlModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar ch = text.at(0);
    if (m_filter && m_filter(ch) == Key::Swallow) {
        emit keySwallowed();
        return;
    }
    insert(QString(ch));
}

void ParameterBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    emit focused();
}

void ParameterBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    emit applied();
}

void paintIn(QWidget *w, const QColor &text, const QColor &background)
{
    QPalette palette = w->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, text);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        palette.setColor(role, background);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

QToolButton *pictureButton(const QString &name, const QString &icon, const QString &tip,
                           QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(QIcon(icon));
    b->setIconSize(QSize(20, 20));
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setAutoRaise(false);
    return b;
}

} // namespace orbane

namespace orbane {

void clickWithKey(QAbstractButton *button, const QKeySequence &key, QWidget *window, bool inTip)
{
    auto *shortcut = new QShortcut(key, window);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled())
            button->click();
    });
    if (inTip)
        button->setToolTip(withKey(button->toolTip(), key));
}

} // namespace orbane
