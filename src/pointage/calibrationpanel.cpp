#include "pointage/calibrationpanel.h"

#include "core/numberformat.h"
#include "pointage/controlparts.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <cmath>

namespace orbane::pointage {

namespace {

const QColor kScale(255, 200, 0), kAxes(0, 220, 255);

void drawArrow(QPainter &p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double n = std::hypot(d.x(), d.y());
    if (n == 0.0)
        return;
    const QPointF u = d / n, side(-u.y(), u.x());
    p.drawLine(to, to - 8 * u + 4 * side);
    p.drawLine(to, to - 8 * u - 4 * side);
}

} // namespace

CalibrationPanel::CalibrationPanel(QSize picture, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("etalonnage"));
    m_calibration.origin = QPointF(10, picture.height() - 10);
    m_calibration.scaleFrom = QPointF(10, 10);
    m_calibration.scaleTo = QPointF(110, 10);
    m_calibration.length = 1.0;

    m_tools = new QButtonGroup(this);
    m_tools->setExclusive(false);
    QPushButton *scale = toolButton(QStringLiteral("outilEchelle"), QStringLiteral("É&chelle"), Tool::Scale);
    QPushButton *origin = toolButton(QStringLiteral("outilOrigine"), QStringLiteral("&Origine"), Tool::Origin);
    m_axis = toolButton(QStringLiteral("outilAxe"), QStringLiteral("&Tracer l'axe x"), Tool::Axis);
    scale->setToolTip(QStringLiteral("Cliquer les deux extrémités d'un objet de longueur connue"));
    origin->setToolTip(QStringLiteral("Cliquer l'origine du repère"));
    m_axis->setToolTip(QStringLiteral("Cliquer deux points de l'axe x, quand la caméra n'était pas horizontale"));

    m_length = numberBox(QStringLiteral("longueur"), QStringLiteral("Longueur de l'objet (m)"),
                         0.001, 1000.0, 3, this);
    m_length->setValue(1.0);
    m_length->setSuffix(QStringLiteral(" m"));
    connect(m_length, &QDoubleSpinBox::valueChanged, this, [this](double metres) {
        m_calibration.length = metres;
        refresh();
    });
    m_tilted = new QCheckBox(QStringLiteral("Axe x incliné (caméra pas horizontale)"), this);
    m_tilted->setObjectName(QStringLiteral("axeIncline"));
    connect(m_tilted, &QCheckBox::toggled, this, [this](bool on) {
        m_calibration.tilted = on && m_calibration.axisFrom != m_calibration.axisTo;
        m_axis->setEnabled(on);
        if (on && !m_calibration.tilted)
            setTool(Tool::Axis);
        else if (!on && m_tool == Tool::Axis)
            setTool(Tool::None);
        refresh();
    });
    m_axis->setEnabled(false);
    m_timeOrigin = new QPushButton(QStringLiteral("Origine des &dates : l'image affichée"), this);
    m_timeOrigin->setObjectName(QStringLiteral("origineDates"));
    m_timeOrigin->setAutoDefault(false);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("etatEtalonnage"));
    m_status->setWordWrap(true);

    auto *form = new QFormLayout(this);
    form->addRow(scale, m_length);
    form->addRow(origin);
    form->addRow(m_tilted);
    form->addRow(m_axis);
    form->addRow(m_timeOrigin);
    form->addRow(m_status);
    refresh();
}

QPushButton *CalibrationPanel::toolButton(const QString &name, const QString &caption, Tool tool)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setCheckable(true);
    b->setAutoDefault(false);
    m_tools->addButton(b, int(tool));
    connect(b, &QPushButton::toggled, this, [this, tool](bool on) {
        if (on)
            setTool(tool);
        else if (m_tool == tool)
            setTool(Tool::None);
    });
    return b;
}

void CalibrationPanel::setTool(Tool tool)
{
    if (tool == m_tool)
        return;
    m_tool = tool;
    m_clicks.clear();
    for (QAbstractButton *b : m_tools->buttons()) {
        const QSignalBlocker block(b);
        b->setChecked(m_tools->id(b) == int(tool));
    }
    refresh();
    emit toolChanged();
}

void CalibrationPanel::setCalibration(const Calibration &c)
{
    m_calibration = c;
    m_scaled = c.valid();
    {
        const QSignalBlocker b1(m_length), b2(m_tilted);
        m_length->setValue(c.length);
        m_tilted->setChecked(c.tilted);
        m_axis->setEnabled(c.tilted);
    }
    setTool(Tool::None);
    refresh();
}

bool CalibrationPanel::take(QPointF pixel)
{
    if (m_tool == Tool::None)
        return false;
    m_clicks.push_back(pixel);
    const std::size_t needed = m_tool == Tool::Origin ? 1 : 2;
    if (m_clicks.size() >= needed)
        finishClick();
    else
        refresh();
    return true;
}

void CalibrationPanel::finishClick()
{
    switch (m_tool) {
    case Tool::Scale:
        if (m_clicks[0] != m_clicks[1]) {
            m_calibration.scaleFrom = m_clicks[0];
            m_calibration.scaleTo = m_clicks[1];
            m_scaled = true;
        }
        break;
    case Tool::Origin:
        m_calibration.origin = m_clicks[0];
        break;
    case Tool::Axis:
        if (m_clicks[0] != m_clicks[1]) {
            m_calibration.axisFrom = m_clicks[0];
            m_calibration.axisTo = m_clicks[1];
            m_calibration.tilted = true;
        }
        break;
    case Tool::None:
        break;
    }
    setTool(Tool::None);
    refresh();
}

QString CalibrationPanel::status() const
{
    switch (m_tool) {
    case Tool::Scale:
        return m_clicks.empty()
                   ? QStringLiteral("Cliquer la première extrémité de l'objet de longueur connue.")
                   : QStringLiteral("Cliquer l'autre extrémité de l'objet.");
    case Tool::Origin:
        return QStringLiteral("Cliquer l'origine du repère.");
    case Tool::Axis:
        return m_clicks.empty() ? QStringLiteral("Cliquer un premier point de l'axe x.")
                                : QStringLiteral("Cliquer un second point de l'axe x.");
    case Tool::None:
        break;
    }
    if (!m_scaled)
        return QStringLiteral("Échelle à régler : « Échelle », puis les deux extrémités d'un "
                              "objet de longueur connue.");
    const double pixelsPerMetre = 1.0 / m_calibration.metresPerPixel();
    return QStringLiteral("Échelle : %1 pixels par mètre.").arg(numfmt::fixed(pixelsPerMetre, 1));
}

void CalibrationPanel::refresh()
{
    m_status->setText(status());
    emit changed();
}

// The scale segment with its length, the axes from the origin; aliased like the scene.
void CalibrationPanel::paint(QPainter &p) const
{
    const Calibration &c = m_calibration;
    p.save();
    if (m_scaled) {
        p.setPen(QPen(kScale, 2));
        p.drawLine(c.scaleFrom, c.scaleTo);
        for (QPointF end : {c.scaleFrom, c.scaleTo})
            p.drawEllipse(end, 3, 3);
        p.drawText((c.scaleFrom + c.scaleTo) / 2 + QPointF(4, -6),
                   numfmt::fixed(c.length, 3) + QStringLiteral(" m"));
    }
    p.setPen(QPen(kAxes, 1));
    const QPointF u = c.xDirection(), up(u.y(), -u.x());
    drawArrow(p, c.origin, c.origin + 60 * u);
    drawArrow(p, c.origin, c.origin + 60 * up);
    p.drawText(c.origin + 64 * u + QPointF(2, 4), QStringLiteral("x"));
    p.drawText(c.origin + 64 * up + QPointF(-3, -2), QStringLiteral("y"));
    if (c.tilted)
        p.drawLine(c.axisFrom, c.axisTo);
    p.setPen(QPen(kScale, 1));
    for (QPointF click : m_clicks)
        p.drawEllipse(click, 3, 3);
    p.restore();
}

} // namespace orbane::pointage
