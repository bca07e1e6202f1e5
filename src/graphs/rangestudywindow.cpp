#include "graphs/rangestudywindow.h"

#include "core/numberformat.h"
#include "core/simulation.h"
#include "exchange/exportdialog.h"
#include "graphs/ranges.h"
#include "graphs/surface.h"
#include "graphs/textpen.h"

#include <QComboBox>
#include <QFontMetrics>
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
const QColor kAirColour(230, 115, 0); // apart from the quantities' blue, red and green

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

double highest(const Study &study, Measure q, double high)
{
    for (const Point &p : study.points)
        if (p.flight)
            high = std::max(high, valueOf(*p.flight, q));
    return high;
}

Axes axesOf(const Curve &vacuum, const Curve *air, Measure q)
{
    double high = highest(vacuum.study, q, 0.00001);
    if (air)
        high = highest(air->study, q, high);
    return {findRange(vacuum.study.xMax), findRange(high)};
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

void drawCurve(Surface &s, const Axes &a, const Study &study, Measure q, const QColor &colour)
{
    for (std::size_t i = 1; i < study.points.size(); ++i) {
        const Point &p = study.points[i - 1], &n = study.points[i];
        if (p.flight && n.flight)
            s.line(a.toX(p.x), a.toY(valueOf(*p.flight, q)), a.toX(n.x),
                   a.toY(valueOf(*n.flight, q)), colour);
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

// Above the plot on the right, where no curve goes: each curve's colour and its name.
void drawLegend(Surface &s, Measure q)
{
    const struct
    {
        QColor colour;
        QString name;
    } entries[] = {{curveColour(q), vacuumName()}, {kAirColour, airName()}};
    constexpr double kStroke = 16.0, kGap = 4.0, kSpace = 12.0, kY = 4.0;
    TextPen pen(*s.beginText(), 0.0, s.fontScale());
    double x = kPlotSize.width() - 4.0 + kSpace;
    for (const auto &e : entries)
        x -= kStroke + kGap + pen.width(e.name) + kSpace;
    std::vector<double> strokes;
    for (const auto &e : entries) {
        strokes.push_back(x);
        pen.x = x + kStroke + kGap;
        pen.y = kY;
        pen.write(e.name);
        x = pen.x + kSpace;
    }
    const double middle = kY + QFontMetrics(pen.font(), s.beginText()->device()).height() / 2.0;
    s.endText();
    for (std::size_t i = 0; i < strokes.size(); ++i)
        s.line(strokes[i], middle, strokes[i] + kStroke, middle, entries[i].colour);
}

// A marked point in the plot's pixels and its text.
struct Label
{
    double x = 0.0, y = 0.0;
    QString text;
};

void drawCross(Surface &s, double x, double y)
{
    s.line(x - 5, y, x + 6, y, Qt::black);
    s.line(x, y - 5, x, y + 6, Qt::black);
}

// Each text above its point, kept inside the plot. Where the lower point's text would overlap
// the higher point's text or cross, both go one under the other above the higher point or,
// where the plot's top leaves no room, under the lower one.
void writeLabels(Surface &s, std::vector<Label> labels)
{
    if (labels.empty())
        return;
    std::sort(labels.begin(), labels.end(),
              [](const Label &a, const Label &b) { return a.y < b.y; });
    TextPen pen(*s.beginText(), 0.0, s.fontScale());
    pen.setBold(true);
    const double line = QFontMetrics(pen.font(), s.beginText()->device()).height();
    std::vector<QRectF> boxes;
    for (const Label &l : labels) {
        const double w = pen.width(l.text);
        const double left = std::max(kLeft + 4.0, std::min(l.x - w / 2.0, kAxisEnd - w));
        boxes.emplace_back(left, std::max(kTop + 2.0, l.y - 20.0), w, line);
    }
    const auto crossOf = [](const Label &l) { return QRectF(l.x - 5.0, l.y - 5.0, 11.0, 11.0); };
    if (boxes.size() == 2 &&
        (boxes[0].intersects(boxes[1]) || boxes[1].intersects(crossOf(labels[0])))) {
        const double above = labels[0].y - 20.0 - line;
        const double top = above >= kTop + 2.0 ? above : labels[1].y + 8.0;
        boxes[0].moveTop(top);
        boxes[1].moveTop(top + line);
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        pen.x = boxes[i].left();
        pen.y = boxes[i].top();
        pen.writeLine(labels[i].text);
    }
    s.endText();
}

} // namespace

QImage drawRangeStudy(Measure q, const Curve &vacuum, const Curve *air)
{
    Surface s(kPlotSize, QPoint(0, 0));
    s.clear();
    const Axes a = axesOf(vacuum, air, q);
    drawGridAndAxes(s, a);
    drawCurve(s, a, vacuum.study, q, curveColour(q));
    if (air)
        drawCurve(s, a, air->study, q, kAirColour);
    {
        TextPen pen(*s.beginText(), 0.0, s.fontScale());
        writeScales(pen, a, vacuum.study, q);
        s.endText();
    }
    if (air)
        drawLegend(s, q);
    std::vector<Label> labels;
    const auto markOf = [&](const Curve &c, const QString &name) {
        if (!c.mark)
            return;
        const Label l{a.toX(c.mark->x), a.toY(c.mark->value), curveText(c, q, name)};
        drawCross(s, l.x, l.y);
        labels.push_back(l);
    };
    markOf(vacuum, air ? vacuumName() : QString());
    if (air)
        markOf(*air, airName());
    writeLabels(s, labels);
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
    // Sampling the vacuum flight 901 times is cheap: follow every change (the air's curve is
    // flown again only when what it depends on changed).
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
    auto *exportButton = named(new QPushButton(QStringLiteral("E&xporter…"), this), "exporterEtude",
                               QStringLiteral("Exporter les valeurs de l'étude"));
    exportButton->setEnabled(m_dialogs != nullptr);
    auto *closeButton =
        named(new QPushButton(QStringLiteral("&Fermer"), this), "fermerEtude", QStringLiteral("Fermer"));
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
    if (!m_air)
        return curveText(m_vacuum, quantity(), {});
    return curveText(m_vacuum, quantity(), vacuumName()) + QStringLiteral(" ; ") +
           curveText(*m_air, quantity(), airName());
}

exchange::Table RangeStudyWindow::table() const
{
    return rangestudy::table(m_vacuum.study, m_air ? &m_air->study : nullptr, markText());
}

void RangeStudyWindow::refresh()
{
    const Flight base = m_sim.flight();
    const Launch launch{std::hypot(base.vox, base.voy),
                        std::atan2(base.voy, base.vox) * 180.0 / std::numbers::pi};
    const FlightSource source = vacuumSource(base);
    m_vacuum.study = sample(source, variable(), launch);
    m_vacuum.mark = mark(source, m_vacuum.study, quantity());
    refreshAir(base, launch);
    const QString text = markText();
    m_markLabel->setText(text);
    m_plot->setPixmap(
        QPixmap::fromImage(drawRangeStudy(quantity(), m_vacuum, m_air ? &*m_air : nullptr)));
    m_plot->setAccessibleDescription(text);
}

// Some 960 flights integrated in the air: the curve is flown again only when its launch, its
// law or its variable changed (a tick changes none), its mark when the quantity changed.
void RangeStudyWindow::refreshAir(const Flight &base, const Launch &launch)
{
    if (!m_sim.dragActive()) {
        m_air.reset();
        return;
    }
    const DragLaw law = m_sim.dragLaw();
    const AirInputs inputs{
        {base.y0, base.vox, base.voy, base.g, base.masse, double(law.kind), law.coefficient},
        variable()};
    const FlightSource source = airSource(base, law);
    if (!m_air || inputs != m_airInputs) {
        m_air = Curve{sample(source, variable(), launch)};
        m_airInputs = inputs;
        m_airMarked.reset();
    }
    if (m_airMarked != quantity()) {
        m_air->mark = mark(source, m_air->study, quantity());
        m_airMarked = quantity();
    }
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
