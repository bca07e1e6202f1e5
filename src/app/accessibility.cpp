#include "app/accessibility.h"

#include "app/smallwidgets.h"
#include "app/tabstrip.h"
#include "platform/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

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
        s.selected = m_strip->selectedTab() == m_tab;
        s.focusable = true;
        s.focused = s.selected && m_strip->hasFocus();
        s.invisible = !m_strip->isVisible();
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

// The strip lists its five tabs, then the panel of the selected tab: walking the tree reaches
// the controls on screen, and only those.
class TabStripInterface : public QAccessibleWidget
{
public:
    explicit TabStripInterface(TabStrip *strip) : QAccessibleWidget(strip, QAccessible::PageTabList)
    {
        for (int i = 1; i <= TabGeometry::kTabs; ++i)
            m_ids.push_back(QAccessible::registerAccessibleInterface(new TabInterface(strip, i)));
    }
    ~TabStripInterface() override
    {
        for (QAccessible::Id id : m_ids)
            QAccessible::deleteAccessibleInterface(id);
    }
    // The selected tab has the keyboard when the strip has it.
    QAccessibleInterface *focusChild() const override
    {
        const auto *strip = static_cast<TabStrip *>(widget());
        return strip->hasFocus() ? child(strip->selectedTab() - 1) : nullptr;
    }
    int childCount() const override { return TabGeometry::kTabs + (shownPanel() ? 1 : 0); }
    QAccessibleInterface *child(int index) const override
    {
        if (index >= 0 && index < int(m_ids.size()))
            return QAccessible::accessibleInterface(m_ids[std::size_t(index)]);
        if (index == TabGeometry::kTabs && shownPanel())
            return QAccessible::queryAccessibleInterface(shownPanel());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < int(m_ids.size()); ++i)
            if (QAccessible::accessibleInterface(m_ids[std::size_t(i)]) == child)
                return i;
        if (child && shownPanel() && child->object() == shownPanel())
            return TabGeometry::kTabs;
        return -1;
    }

private:
    QWidget *shownPanel() const
    {
        auto *strip = static_cast<TabStrip *>(widget());
        QWidget *panel = strip->panel(strip->selectedTab());
        return panel && !panel->isHidden() ? panel : nullptr;
    }
    std::vector<QAccessible::Id> m_ids;
};

// A colour swatch is a button: the keyboard and the Press action open the colour chooser.
class SwatchInterface : public QAccessibleWidget
{
public:
    explicit SwatchInterface(Swatch *swatch) : QAccessibleWidget(swatch, QAccessible::Button) {}
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            static_cast<Swatch *>(widget())->activate();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("orbane::TabStrip"))
        return new TabStripInterface(static_cast<TabStrip *>(object));
    if (className == QLatin1String("orbane::Swatch"))
        return new SwatchInterface(static_cast<Swatch *>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        installPlatformAccessibility();
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace orbane
