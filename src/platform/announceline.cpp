#include "platform/announceline.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace orbane {

namespace {

// A notification: Orca speaks one whenever it is shown, wherever the focus is (a status line's
// name changes are heard only when it has the focus).
QAccessibleInterface *statusLine(const QString &className, QObject *object)
{
    if (className != QLatin1String("orbane::AnnounceLine") || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
}

} // namespace

AnnounceLine::AnnounceLine(QWidget *parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(statusLine);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announceLine"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Nameless until it says something: a dialog's unnamed objects are not read when it opens.
    setGeometry(0, 0, 1, 1);
    lower();
}

// A repeated text changes no name: the event is sent anyway, so it is announced again.
void AnnounceLine::say(const QString &text)
{
    const bool same = accessibleName() == text;
    setAccessibleName(text);
    if (same) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    QAccessibleEvent hidden(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace orbane
