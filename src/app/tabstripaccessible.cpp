#include "app/tabstrip.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace orbane {

namespace {

// One tab of the strip, as a screen reader sees a tab of a tab bar.
class TabInterface : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    TabInterface(TabStrip *strip, int tab) : m_strip(strip), m_tab(tab) {}

    bool isValid() const override { return m_strip; }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_strip);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? TabStrip::nomsonglets().at(m_tab - 1) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        const TabGeometry &g = m_strip->geometryOfTabs();
        const QRect local(g.bords[m_tab - 1] + 1, 0, g.bords[m_tab] - g.bords[m_tab - 1] - 1,
                          g.h + 2);
        return QRect(m_strip->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.selected = m_strip->onglet() == m_tab;
        s.focusable = true;
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            m_strip->setOnglet(m_tab);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<TabStrip> m_strip;
    int m_tab;
};

class TabStripInterface : public QAccessibleWidget
{
public:
    explicit TabStripInterface(TabStrip *strip) : QAccessibleWidget(strip, QAccessible::PageTabList)
    {
        for (int i = 1; i <= TabGeometry::kTabs; ++i) {
            auto *tab = new TabInterface(strip, i);
            m_ids.push_back(QAccessible::registerAccessibleInterface(tab));
        }
    }
    ~TabStripInterface() override
    {
        for (QAccessible::Id id : m_ids)
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return TabGeometry::kTabs; }
    QAccessibleInterface *child(int index) const override
    {
        return index >= 0 && index < int(m_ids.size())
                   ? QAccessible::accessibleInterface(m_ids[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < int(m_ids.size()); ++i)
            if (QAccessible::accessibleInterface(m_ids[i]) == child)
                return i;
        return -1;
    }

private:
    std::vector<QAccessible::Id> m_ids;
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("orbane::TabStrip") && object && object->isWidgetType())
        return new TabStripInterface(static_cast<TabStrip *>(object));
    return nullptr;
}

} // namespace

void installTabStripAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace orbane
