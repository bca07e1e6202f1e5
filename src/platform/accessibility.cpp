#include "platform/accessibility.h"

#include "platform/updown.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>

namespace orbane {

namespace {

// The up-down control reads as a spin box: its value, its bounds, and steps up and down.
class UpDownInterface : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit UpDownInterface(UpDown *upDown) : QAccessibleWidget(upDown, QAccessible::SpinBox) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return upDown()->valueText();
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return upDown()->value(); }
    void setCurrentValue(const QVariant &value) override { upDown()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return upDown()->maximum(); }
    QVariant minimumValue() const override { return upDown()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override
    {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name == increaseAction())
            upDown()->step(1);
        else if (name == decreaseAction())
            upDown()->step(-1);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    UpDown *upDown() const { return static_cast<UpDown *>(widget()); }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("orbane::UpDown") && object && object->isWidgetType())
        return new UpDownInterface(static_cast<UpDown *>(object));
    return nullptr;
}

} // namespace

void installPlatformAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void nameScrollBars(QAbstractScrollArea *area, const QString &name)
{
    area->verticalScrollBar()->setAccessibleName(name);
    area->horizontalScrollBar()->setAccessibleName(name);
}

} // namespace orbane
