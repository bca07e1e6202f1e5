#pragma once

#include <QLabel>

namespace orbane {

// `info`: the hint line under the tab strip. Screen readers read its current hint as its name
// and hear each new one.
class HintLine : public QLabel
{
    Q_OBJECT
public:
    explicit HintLine(QWidget *parent);
    void showHint(const QString &hint);
};

// Gives a widget a new accessible name, announced only when it really changes.
void renameForScreenReaders(QWidget *widget, const QString &name);

} // namespace orbane
