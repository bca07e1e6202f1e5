#include "app/tabstrip.h"

#include "platform/focusframe.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace orbane {

namespace {
const QColor kDarkGrey(128, 128, 128);
const QColor kBorder(210, 205, 200);

QFont captionFont(const QFont &base, bool bold)
{
    QFont f = base;
    f.setBold(bold);
    return f;
}
} // namespace

TabGeometry TabGeometry::compute(const QStringList &captions, int selected, const QFont &font,
                                 int width)
{
    TabGeometry g;
    g.h = int(std::lround(QFontMetricsF(font).height()));
    std::array<double, kTabs> widths{};
    double sum = 0.0;
    for (int i = 0; i < kTabs; ++i) {
        widths[i] = QFontMetricsF(captionFont(font, i + 1 == selected))
                        .horizontalAdvance(captions.at(i));
        sum += widths[i];
    }
    g.gap = (width - sum) / 10.0;
    g.bords[0] = -1;
    for (int i = 1; i < kTabs; ++i)
        g.bords[i] = int(std::lround(g.bords[i - 1] + widths[i - 1] + 2.0 * g.gap));
    g.bords[kTabs] = width;
    return g;
}

int TabGeometry::hit(int x, int y) const
{
    if (y < 0 || y > 15)
        return -1;
    for (int i = 1; i <= kTabs; ++i)
        if (bords[i - 1] < x && x <= bords[i])
            return i;
    return 0;
}

TabStrip::TabStrip(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Onglets"));
    setAccessibleName(QStringLiteral("Onglets"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFocusPolicy(Qt::StrongFocus);
}

QStringList TabStrip::nomsonglets()
{
    return {QStringLiteral("Paramètres"), QStringLiteral("Affichage"),
            QStringLiteral("Vecteurs"), QStringLiteral("Chronophotographie"),
            QStringLiteral("Graphes")};
}

void TabStrip::setPanel(int tab, QWidget *panel)
{
    m_panels.at(tab - 1) = panel;
    panel->setParent(this);
    panel->hide();
}

void TabStrip::setOnglet(int tab)
{
    m_onglet = tab;
    layoutTabs();
    showSelectedPanel();
    update();
    announceTab();
    emit ongletChanged(m_onglet);
}

// As a tab bar does: the tab left and the new one change their selected state, and the new
// one has the focus when the strip has the keyboard (screen readers keep states until told).
void TabStrip::announceTab()
{
    if (m_announced == m_onglet)
        return;
    const auto send = [this](QAccessible::Event type, int tab) {
        QAccessibleEvent event(this, type);
        event.setChild(tab - 1);
        QAccessible::updateAccessibility(&event);
    };
    if (m_announced > 0)
        send(QAccessible::SelectionRemove, m_announced);
    m_announced = m_onglet;
    send(QAccessible::Selection, m_onglet);
    if (hasFocus())
        send(QAccessible::Focus, m_onglet);
}

void TabStrip::layoutTabs()
{
    if (m_onglet == 0)
        m_onglet = 1;
    m_geometry = TabGeometry::compute(nomsonglets(), m_onglet, font(), width());
}

// Only the selected panel is shown, inside the border.
void TabStrip::showSelectedPanel()
{
    const int top = m_geometry.h + 5;
    bool changed = false;
    for (int i = 0; i < TabGeometry::kTabs; ++i) {
        QWidget *p = m_panels[std::size_t(i)];
        if (!p)
            continue;
        const bool shown = i + 1 == m_onglet;
        changed = changed || p->isHidden() == shown;
        if (shown)
            p->setGeometry(4, top, width() - 4 - 4, height() - 4 - top);
        p->setVisible(shown);
    }
    // Screen readers find the new panel under the strip.
    if (changed) {
        QAccessibleEvent event(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
}

void TabStrip::paintEvent(QPaintEvent *)
{
    const int before = m_onglet;
    layoutTabs();
    showSelectedPanel();
    if (before != m_onglet) {
        announceTab();
        emit ongletChanged(m_onglet);
    }

    const TabGeometry &g = m_geometry;
    const int w = width(), ht = height(), h = g.h, t = m_onglet;
    QPainter p(this);
    p.fillRect(rect(), QColor(240, 235, 230));
    p.setPen(kDarkGrey);
    p.drawRect(0, 0, w - 1, ht - 1);
    p.setPen(Qt::white);
    p.drawLine(0, 0, 0, ht - 1);
    for (int j = 0; j <= TabGeometry::kTabs; ++j) {
        p.setPen(kDarkGrey);
        p.drawLine(g.bords[j] - 1, 1, g.bords[j] - 1, h + 1);
        p.setPen(Qt::white);
        p.drawLine(g.bords[j], 0, g.bords[j], h);
    }
    for (int k = 0; k < TabGeometry::kTabs; ++k)
        p.drawLine(g.bords[k] + 1, 0, g.bords[k + 1] - 1, 0);
    p.drawLine(0, h + 1, g.bords[t - 1] + 2, h + 1);
    p.drawLine(g.bords[t], h + 1, w, h + 1);

    p.setPen(kBorder);
    p.drawRect(QRect(QPoint(1, h + 2), QPoint(w - 2, ht - 2)));
    p.drawRect(QRect(QPoint(2, h + 3), QPoint(w - 3, ht - 3)));
    p.setPen(kDarkGrey);
    p.drawRect(QRect(QPoint(3, h + 4), QPoint(w - 4, ht - 4)));
    p.setPen(Qt::white);
    p.drawRect(QRect(QPoint(4, h + 5), QPoint(w - 4, ht - 4)));

    // The captions come over the frame's top: in a scaled window their descenders reach it.
    const QStringList captions = nomsonglets();
    p.setPen(Qt::black);
    for (int i = 1; i <= TabGeometry::kTabs; ++i) {
        const QFont f = captionFont(font(), i == t);
        p.setFont(f);
        const int ascent = QFontMetrics(f).ascent();
        p.drawText(QPointF(g.bords[i - 1] + g.gap, 2 + ascent), captions.at(i - 1));
    }

    if (hasFocus())
        paintFocus(p);
}

// A dotted frame around the selected tab's caption when the strip has the keyboard.
void TabStrip::paintFocus(QPainter &p)
{
    const TabGeometry &g = m_geometry;
    const int t = m_onglet;
    drawFocusFrame(p, QRect(QPoint(g.bords[t - 1] + 2, 1), QPoint(g.bords[t] - 2, g.h)));
}

void TabStrip::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void TabStrip::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void TabStrip::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const int tab = m_geometry.hit(pos.x(), pos.y());
    if (tab < 0 || tab == m_onglet)
        return;
    // A release past the last separator gives 0, which the repaint turns into tab 1.
    m_onglet = tab;
    update();
}

void TabStrip::keyPressEvent(QKeyEvent *event)
{
    const int current = m_onglet == 0 ? 1 : m_onglet;
    if (event->key() == Qt::Key_Right)
        setOnglet(current % TabGeometry::kTabs + 1);
    else if (event->key() == Qt::Key_Left)
        setOnglet((current + TabGeometry::kTabs - 2) % TabGeometry::kTabs + 1);
    else
        QWidget::keyPressEvent(event);
}

} // namespace orbane
