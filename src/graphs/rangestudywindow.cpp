#include "graphs/rangestudywindow.h"

#include "core/numberformat.h"
#include "core/simulation.h"
#include "exchange/exportdialog.h"
#include "graphs/ranges.h"
#include "graphs/surface.h"
#include "graphs/textpen.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbane::graphs {

using namespace rangestudy;

namespace {

constexpr QSize kPlotSize{560, 400};
constexpr double kLeft = 20.0, kTop = 20.0, kWidth = 440.0, kHeight = 360.0;
constexpr double kBottom = kTop + kHeight, kAxisEnd = kLeft + kWidth + 20.0;
const QColor kGrid(192, 192, 192);

QColor curveColour(Measure q)
{
    switch (q) {
    case Measure::Range:
        return QColor(0, 0, 255);
    case Measure::Height:
        return QColor(255, 0, 0);
    case Measure::Duration:
        return QColor(0, 128, 0);
    }
    return Qt::black;
}

struct Axes
{
    Range x, value;
    double toX(double x0) const { return kLeft + kWidth * x0 / x.span(); }
    double toY(double v) const { return kBottom - kHeight * v / value.span(); }
};

Axes axesOf(const Study &study, Measure q)
{
    double high = 0.00001;
    for (const Point &p : study.points)
        if (p.flight)
            high = std::max(high, valueOf(*p.flight, q));
    return {findRange(study.xMax), findRange(high)};
}

void drawGridAndAxes(Surface &s, const Axes &a)
{
    const double stepX = kWidth * a.x.pasgrad / a.x.mantissa;
    for (double x = kLeft; x <= kLeft + kWidth + 0.5; x += stepX)
        s.line(x, kTop, x, kBottom, kGrid);
    const double stepY = kHeight * a.value.pasgrad / a.value.mantissa;
    for (double y = kBottom; y >= kTop - 0.5; y -= stepY)
        s.line(kLeft, y, kLeft + kWidth, y, kGrid);
    s.line(20, 5, 20, kBottom, Qt::black);
    s.line(20, 5, 24, 13, Qt::black);
    s.line(20, 5, 16, 13, Qt::black);
    s.line(20, kBottom, kAxisEnd, kBottom, Qt::black);
    s.line(kAxisEnd - 8, kBottom - 4, kAxisEnd, kBottom, Qt::black);
    s.line(kAxisEnd - 8, kBottom + 4, kAxisEnd, kBottom, Qt::black);
}

void drawCurve(Surface &s, const Axes &a, const Study &study, Measure q)
{
    for (std::size_t i = 1; i < study.points.size(); ++i) {
        const Point &p = study.points[i - 1], &n = study.points[i];
        if (p.flight && n.flight)
            s.line(a.toX(p.x), a.toY(valueOf(*p.flight, q)), a.toX(n.x),
                   a.toY(valueOf(*n.flight, q)), curveColour(q));
    }
}

void writeScales(TextPen &pen, const Axes &a, const Study &study, Measure q)
{
    pen.x = 30;
    pen.y = 4;
    pen.writeLine(QStringLiteral("Une division correspond à ") + numfmt::general(a.value.division()) +
                  QLatin1Char(' ') + quantityUnit(q));
    const QString unit = variableUnit(study.variable);
    pen.y = kBottom - 50;
    for (const QString &line : {QStringLiteral("Une division"), QStringLiteral("correspond à"),
                                numfmt::general(a.x.division()) +
                                    (study.variable == Variable::Angle ? unit
                                                                       : QLatin1Char(' ') + unit)}) {
        pen.x = kAxisEnd;
        pen.writeLine(line);
    }
    pen.x = kAxisEnd;
    pen.y = kBottom + 4;
    pen.writeLine(study.variable == Variable::Angle ? QStringLiteral("α") : QStringLiteral("v0"));
}

// A cross on the point and its text above it, kept inside the plot.
void drawMark(Surface &s, const Axes &a, const Study &study, Measure q, const Mark &m)
{
    const double x = a.toX(m.x), y = a.toY(m.value);
    s.line(x - 5, y, x + 6, y, Qt::black);
    s.line(x, y - 5, x, y + 6, Qt::black);
    TextPen pen(*s.beginText(), 0.0, s.fontScale());
    pen.setBold(true);
    const QString text = markText(study.variable, q, m);
    pen.x = std::clamp(x - pen.width(text) / 2.0, kLeft + 4.0, kAxisEnd - pen.width(text));
    pen.y = std::max(kTop + 2.0, y - 20.0);
    pen.writeLine(text);
    s.endText();
}

} // namespace

QImage drawRangeStudy(const Study &study, Measure q, const std::optional<Mark> &mark)
{
    Surface s(kPlotSize, QPoint(0, 0));
    s.clear();
    const Axes a = axesOf(study, q);
    drawGridAndAxes(s, a);
    drawCurve(s, a, study, q);
    {
        TextPen pen(*s.beginText(), 0.0, s.fontScale());
        writeScales(pen, a, study, q);
        s.endText();
    }
    if (mark)
        drawMark(s, a, study, q, *mark);
    return s.image();
}

namespace {
// Every control has its object name and a French accessible name.
template <typename W> W *named(W *widget, const char *objectName, const QString &accessible)
{
    widget->setObjectName(QLatin1String(objectName));
    widget->setAccessibleName(accessible);
    return widget;
}
} // namespace

RangeStudyWindow::RangeStudyWindow(const Simulation &sim, Dialogs *dialogs, QWidget *parent)
    : QDialog(parent), m_sim(sim), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("etudePortee"));
    setWindowTitle(QStringLiteral("Étude de la portée"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildChoices());
    m_plot = named(new QLabel(this), "courbe", QStringLiteral("Courbe de l'étude de la portée"));
    m_plot->setFixedSize(kPlotSize);
    layout->addWidget(m_plot);
    m_markLabel = named(new QLabel(this), "maximum", QStringLiteral("Point repéré"));
    layout->addWidget(m_markLabel);
    layout->addLayout(buildButtons());
    // Sampling the vacuum flight 901 times is cheap: follow every change.
    connect(&sim, &Simulation::changed, this, &RangeStudyWindow::refresh);
    refresh();
}

QLayout *RangeStudyWindow::buildChoices()
{
    auto *choices = new QHBoxLayout;
    const auto combo = [&](const char *name, const QString &caption, const QStringList &items) {
        auto *box = named(new QComboBox(this), name, caption);
        box->addItems(items);
        auto *label = new QLabel(caption + QStringLiteral(" :"), this);
        label->setBuddy(box);
        choices->addWidget(label);
        choices->addWidget(box);
        connect(box, &QComboBox::activated, this, &RangeStudyWindow::refresh);
        return box;
    };
    m_quantity = combo("grandeur", QStringLiteral("Grandeur"),
                       {QStringLiteral("Portée"), QStringLiteral("Hauteur maximale"),
                        QStringLiteral("Durée de vol")});
    m_variable = combo("variable", QStringLiteral("En fonction de"),
                       {QStringLiteral("l'angle de tir α"), QStringLiteral("la vitesse initiale v0")});
    choices->addStretch();
    return choices;
}

QLayout *RangeStudyWindow::buildButtons()
{
    auto *buttons = new QHBoxLayout;
    auto *exportButton = named(new QPushButton(QStringLiteral("Exporter…"), this), "exporterEtude",
                               QStringLiteral("Exporter les valeurs de l'étude"));
    exportButton->setEnabled(m_dialogs != nullptr);
    auto *closeButton =
        named(new QPushButton(QStringLiteral("Fermer"), this), "fermerEtude", QStringLiteral("Fermer"));
    buttons->addWidget(exportButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    connect(exportButton, &QPushButton::clicked, this, &RangeStudyWindow::exportValues);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    return buttons;
}

Measure RangeStudyWindow::quantity() const { return Measure(m_quantity->currentIndex()); }
Variable RangeStudyWindow::variable() const { return Variable(m_variable->currentIndex()); }

QString RangeStudyWindow::markText() const
{
    return m_mark ? rangestudy::markText(variable(), quantity(), *m_mark)
                  : QStringLiteral("Aucun vol : le projectile n'atteint pas le sol.");
}

exchange::Table RangeStudyWindow::table() const { return rangestudy::table(m_study, markText()); }

void RangeStudyWindow::refresh()
{
    const Flight base = m_sim.flight();
    const Launch launch{std::hypot(base.vox, base.voy),
                        std::atan2(base.voy, base.vox) * 180.0 / std::numbers::pi};
    const FlightSource source = vacuumSource(base);
    m_study = sample(source, variable(), launch);
    m_mark = mark(source, m_study, quantity());
    m_markLabel->setText(markText());
    m_plot->setPixmap(QPixmap::fromImage(drawRangeStudy(m_study, quantity(), m_mark)));
    m_plot->setAccessibleDescription(markText());
}

void RangeStudyWindow::exportValues()
{
    if (!m_dialogs)
        return;
    exchange::ExportDialog dialog(
        this, QStringLiteral("Exporter les valeurs de l'étude"), [this](int) { return table(); },
        *m_dialogs);
    dialog.suggestName(QStringLiteral("portee"));
    dialog.exec();
}

} // namespace orbane::graphs
