#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace orbane {

// Shows a control's hint in the hint line when the pointer enters it.
class Hints : public QObject
{
    Q_OBJECT
public:
    using Setter = std::function<void(const QString &)>;
    explicit Hints(Setter setter, QObject *parent = nullptr);

    // A fixed hint, or one computed when the pointer enters (it may depend on the state).
    void add(QWidget *widget, const QString &hint);
    void add(QWidget *widget, std::function<QString()> hint);
    // The window's background: its hint shows wherever the pointer is over it and over none of
    // its controls, also when the pointer comes back from a control.
    void addBackground(QWidget *widget, const QString &hint);

    // A control that an open exercise fixes, or no longer fixes: the hint line, its tool tip
    // and its description say so while it is fixed, and are as before once it is free.
    void fix(QWidget *widget, bool fixed);

    // The texts of the hint line.
    static QString displayOptions();
    static QString window();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Setter m_setter;
    QWidget *m_background = nullptr;
};

} // namespace orbane
