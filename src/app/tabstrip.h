#pragma once

#include <QFont>
#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>

namespace orbane {

// The geometry of the tab strip: tab widths follow their captions (the selected one in bold)
// and the gaps share out what is left of the strip's width.
struct TabGeometry
{
    static constexpr int kTabs = 5;
    std::array<int, kTabs + 1> bords{}; // separators; bords[0] = -1, bords[5] = width
    double gap = 0.0;
    int h = 0; // height of the text "W"

    static TabGeometry compute(const QStringList &captions, int selected, const QFont &font,
                               int width);
    // The tab under a button release at (x, y), 1..5, or 0 outside every tab; -1 when the
    // release is outside the band of the captions (it changes nothing).
    int hit(int x, int y) const;
};

// `Onglets`: a tab strip painted by hand (the platform's tabs cannot take its look), with the
// panels inside it.
class TabStrip : public QWidget
{
    Q_OBJECT
public:
    explicit TabStrip(QWidget *parent);

    static QStringList nomsonglets();
    // Panels 1..5 (`Picture3`, `frame2`, `Picture1`, `Picture6`, `frame1`).
    void setPanel(int tab, QWidget *panel);
    QWidget *panel(int tab) const { return m_panels.at(tab - 1); }
    int onglet() const { return m_onglet; }
    // The tab shown: `onglet`, or the first one before the first paint.
    int selectedTab() const { return m_onglet == 0 ? 1 : m_onglet; }
    void setOnglet(int tab); // repaints, which shows the tab's panel
    const TabGeometry &geometryOfTabs() const { return m_geometry; }

signals:
    void ongletChanged(int tab);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void layoutTabs();
    void showSelectedPanel();
    void paintFocus(QPainter &p);
    void announceTab();

    int m_onglet = 0;
    int m_announced = 0; // the tab screen readers were last told of
    TabGeometry m_geometry;
    std::array<QWidget *, TabGeometry::kTabs> m_panels{};
};

} // namespace orbane
