#include "app/hints.h"

#include "core/options.h"
#include "core/settinglocks.h"

#include <QEvent>
#include <QHoverEvent>
#include <QVariant>
#include <QWidget>

namespace orbane {

namespace {
using HintFunction = std::function<QString()>;
}

Hints::Hints(Setter setter, QObject *parent) : QObject(parent), m_setter(std::move(setter)) {}

void Hints::add(QWidget *widget, const QString &hint)
{
    add(widget, [hint] { return hint; });
}

void Hints::add(QWidget *widget, std::function<QString()> hint)
{
    widget->setProperty("orbaneHint", QVariant::fromValue(HintFunction(std::move(hint))));
    widget->setAttribute(Qt::WA_Hover);
    widget->installEventFilter(this);
}

void Hints::addBackground(QWidget *widget, const QString &hint)
{
    add(widget, hint);
    m_background = widget;
}

void Hints::fix(QWidget *widget, bool fixed)
{
    if (widget->property("orbaneFixed").toBool() == fixed)
        return;
    widget->setProperty("orbaneFixed", fixed);
    if (!fixed) {
        widget->setToolTip(widget->property("orbaneTip").toString());
        widget->setAccessibleDescription(widget->property("orbaneDescription").toString());
        return;
    }
    widget->setProperty("orbaneTip", widget->toolTip());
    const QString description = widget->accessibleDescription();
    widget->setProperty("orbaneDescription", description);
    widget->setToolTip(fixedSettingHint());
    widget->setAccessibleDescription(description.isEmpty() ? fixedSettingHint()
                                                           : description + QStringLiteral(". ") +
                                                                 fixedSettingHint());
    widget->setAttribute(Qt::WA_Hover);
    widget->installEventFilter(this);
}

bool Hints::eventFilter(QObject *watched, QEvent *event)
{
    bool show = event->type() == QEvent::Enter || event->type() == QEvent::HoverEnter;
    // Coming back from a control onto the background sends the background no Enter, only the
    // hover moves that every ancestor of the control receives.
    if (event->type() == QEvent::HoverMove && watched == m_background) {
        const QPoint global = static_cast<QHoverEvent *>(event)->globalPosition().toPoint();
        const QPoint at = m_background->mapFromGlobal(global);
        show = m_background->rect().contains(at) && !m_background->childAt(at);
    }
    if (show && watched->property("orbaneFixed").toBool()) {
        m_setter(fixedSettingHint());
        return false;
    }
    if (show) {
        const auto hint = watched->property("orbaneHint").value<HintFunction>();
        if (hint)
            m_setter(hint());
    }
    return false;
}

QString Hints::displayOptions()
{
    return checkOption(1).hintText();
}

QString Hints::window()
{
    return QStringLiteral("Vous pouvez modifier les paramètres,\nouvrir une configuration ou un "
                          "exercice");
}

} // namespace orbane
