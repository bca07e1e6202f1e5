#pragma once

#include <initializer_list>

class QHBoxLayout;
class QKeySequence;
class QLabel;
class QPushButton;
class QString;
class QWidget;

// Small pieces the windows are built from.
namespace orbane {

// A push button named `name` that is never pressed by Enter: in the windows that use it, Enter
// belongs to their boxes and lists.
QPushButton *commandButton(const QString &name, const QString &text, QWidget *parent);

// A caption whose text names `buddy` for screen readers.
QLabel *caption(const QString &text, QWidget *buddy, QWidget *parent);

// A row with these buttons at its right end, in this order.
QHBoxLayout *buttonRow(std::initializer_list<QWidget *> buttons);

// A tool tip that names its key: "Imprimer (Ctrl+P)".
QString withKey(const QString &tip, const QKeySequence &key);

} // namespace orbane
