#include "app/hintline.h"

namespace orbane {

HintLine::HintLine(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("info"));
    setAccessibleDescription(QStringLiteral("Ligne d'aide"));
    setAccessibleName(QStringLiteral("Aide"));
}

void HintLine::showHint(const QString &hint)
{
    setText(hint);
    // A hint is written on two lines; it is said as one sentence.
    renameForScreenReaders(this, QString(hint).replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

void renameForScreenReaders(QWidget *widget, const QString &name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

} // namespace orbane
