// The pointage window on a real photograph or video: the picture's calibration, the frames,
// the mass and g typed.
#include "pointage/calibrationpanel.h"
#include "pointage/framebar.h"
#include "pointage/mediaparts.h"
#include "pointage/controlparts.h"
#include "pointage/pointagewindow.h"
#include "pointage/residualplot.h"

#include "core/numberformat.h"
#include "core/simulation.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>
#include <QTabWidget>

namespace orbane::pointage {

namespace {

constexpr int kLargestShown = 960; // pixels of the picture's width in the window

// The main window's mass and g, unless an exercise hides them: then a tennis ball on Earth.
std::pair<double, double> massAndG(const Simulation &sim)
{
    const bool hidden = sim.hidden().isHidden(SecretValue::Mass) || sim.hidden().weightHidden();
    if (hidden)
        return {0.058, 9.81};
    return {double(sim.s.masse), double(sim.s.gpes)};
}

} // namespace

PointageWindow::PointageWindow(const Simulation &sim, MediaSource source, PointageActions actions,
                               QWidget *parent)
    : QDialog(parent), m_sim(sim), m_measurement({}, massAndG(sim).first, massAndG(sim).second),
      m_actions(std::move(actions)), m_media(std::make_unique<MediaParts>())
{
    m_media->source = std::move(source);
    const MediaSource &s = m_media->source;
    const QString name = QFileInfo(s.path).fileName();
    setWindowTitle(s.video ? QStringLiteral("Pointage de la vidéo « %1 »").arg(name)
                           : QStringLiteral("Pointage de la photo « %1 »").arg(name));
    const QImage first = s.frames.empty() ? QImage() : s.frames.front();
    m_media->calibration = new CalibrationPanel(first.size(), this);
    m_measurement.setCalibration(m_media->calibration->calibration());
    if (s.video) {
        m_media->frames = new FrameBar(s.times, s.irregular, this);
        m_measurement.setFrameTimes(m_media->frames->times());
    }
    m_view = new PointageView(first, m_measurement, this);
    m_view->setAccessibleName(s.video ? QStringLiteral("Image de la vidéo à pointer")
                                      : QStringLiteral("Photographie à pointer"));
    m_view->setClickHandler([this](QPointF pixel) {
        return m_media->calibration->take(pixel) || placeOnFrame(pixel);
    });
    m_view->setExtraPainter([this](QPainter &p) { paintOverMedia(p); });
    // A small video is shown twice as large, to point it finely.
    const int zoom = first.width() * 2 <= kLargestShown ? 2 : 1;
    buildWindow(std::min(first.width() * zoom, kLargestShown));
    m_zoom->setChecked(zoom == 2);
    buildMedia();
}

// Under the picture: the frames of a video, or a photograph's τ; what could not be read.
QWidget *PointageWindow::buildMediaPicture(QWidget *scroll)
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll, 1);
    if (m_media->frames)
        layout->addWidget(m_media->frames);
    else {
        m_media->tau = numberBox(QStringLiteral("tau"), QStringLiteral("τ (ms)"), 1.0, 10000.0, 1, column);
        m_media->tau->setValue(40.0);
        m_media->tau->setSuffix(QStringLiteral(" ms"));
        auto *row = new QHBoxLayout;
        auto *label = new QLabel(QStringLiteral("Durée entre deux positions, τ :"), column);
        label->setBuddy(m_media->tau);
        row->addWidget(label);
        row->addWidget(m_media->tau);
        row->addStretch();
        layout->addLayout(row);
    }
    m_media->status = new QLabel(m_media->source.warning, column);
    m_media->status->setObjectName(QStringLiteral("etatMedia"));
    m_media->status->setWordWrap(true);
    layout->addWidget(m_media->status);
    return column;
}

// The table and its controls, the calibration, and the model, as three tabs.
QWidget *PointageWindow::buildMediaSide(QWidget *measure)
{
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("onglets"));
    auto *calibration = new QWidget(tabs);
    auto *column = new QVBoxLayout(calibration);
    column->addWidget(m_media->calibration);
    column->addWidget(buildMassBox(calibration));
    column->addStretch();
    tabs->addTab(calibration, QStringLiteral("Étalonnage"));
    tabs->addTab(measure, QStringLiteral("Mesure"));
    tabs->addTab(buildModelTab(tabs), QStringLiteral("Modèle"));
    // The scale first: without it, nothing measured means anything.
    tabs->setCurrentIndex(0);
    return tabs;
}

QWidget *PointageWindow::buildMassBox(QWidget *parent)
{
    auto *box = new QGroupBox(QStringLiteral("Masse et pesanteur"), parent);
    m_media->mass = numberBox(QStringLiteral("masse"), QStringLiteral("Masse (kg)"), 0.001, 100.0, 3, box);
    m_media->g = numberBox(QStringLiteral("g"), QStringLiteral("g (N/kg)"), 0.01, 100.0, 2, box);
    m_media->mass->setValue(m_measurement.masse());
    m_media->g->setValue(m_measurement.g());
    // The measurement reads what the boxes show, not the main window's single precision.
    m_measurement.setMass(m_media->mass->value());
    m_measurement.setG(m_media->g->value());
    auto *fromMain = new QPushButton(QStringLiteral("&Reprendre ceux de la fenêtre principale"), box);
    fromMain->setObjectName(QStringLiteral("reprendre"));
    fromMain->setAutoDefault(false);
    connect(fromMain, &QPushButton::clicked, this, [this] {
        const auto [masse, g] = massAndG(m_sim);
        m_media->mass->setValue(masse);
        m_media->g->setValue(g);
    });
    const auto changed = [this] {
        m_measurement.setMass(m_media->mass->value());
        m_measurement.setG(m_media->g->value());
        remeasure(); // k = m·λ: a fit shown would keep the old mass
    };
    connect(m_media->mass, &QDoubleSpinBox::valueChanged, this, changed);
    connect(m_media->g, &QDoubleSpinBox::valueChanged, this, changed);
    auto *form = new QFormLayout(box);
    form->addRow(QStringLiteral("m (kg) :"), m_media->mass);
    form->addRow(QStringLiteral("g (N/kg) :"), m_media->g);
    form->addRow(fromMain);
    return box;
}

// Wires what only a photograph or a video has, once the window is built.
void PointageWindow::buildMedia()
{
    // No true positions to check the points against.
    m_verify->hide();
    m_table->setColumnHidden(8, true);
    m_python->setEnabled(false);
    m_python->hide();
    CalibrationPanel *calibration = m_media->calibration;
    connect(calibration, &CalibrationPanel::changed, this, [this] {
        m_measurement.setCalibration(m_media->calibration->calibration());
        remeasure();
    });
    connect(calibration, &CalibrationPanel::toolChanged, this, [this] { m_view->setFocus(); });
    if (FrameBar *frames = m_media->frames) {
        m_view->setFramePointsOnly(true);
        connect(frames, &FrameBar::frameChanged, this, &PointageWindow::showFrame);
        connect(frames, &FrameBar::timesChanged, this, [this] {
            m_measurement.setFrameTimes(m_media->frames->times());
            remeasure();
        });
        connect(calibration->timeOriginButton(), &QPushButton::clicked, this,
                [this] { m_media->frames->setTimeOrigin(m_media->frames->frame()); });
        // Page Up and Page Down step through the frames wherever the keyboard is.
        const auto key = [this](QKeySequence k, int by) {
            auto *shortcut = new QShortcut(k, this);
            connect(shortcut, &QShortcut::activated, this,
                    [this, by] { m_media->frames->setFrame(m_media->frames->frame() + by); });
        };
        key(QKeySequence(Qt::Key_PageDown), 1);
        key(QKeySequence(Qt::Key_PageUp), -1);
        showFrame(0);
    } else {
        calibration->timeOriginButton()->hide();
        m_measurement.setTau(m_media->tau->value() / 1000.0);
        connect(m_media->tau, &QDoubleSpinBox::valueChanged, this, [this](double ms) {
            m_measurement.setTau(ms / 1000.0);
            remeasure();
        });
    }
    refresh();
}

void PointageWindow::showFrame(int frame)
{
    const auto &frames = m_media->source.frames;
    if (frame < 0 || frame >= int(frames.size()))
        return;
    m_view->setPicture(frames[std::size_t(frame)]);
    m_view->setCurrentPoint(m_measurement.pointOnFrame(frame));
}

// A click with no calibration tool in hand: the object's place on the frame shown.
bool PointageWindow::placeOnFrame(QPointF pixel)
{
    if (m_media->track && m_media->track->isChecked()) {
        trackFrom(pixel);
        return true;
    }
    if (!m_media->frames)
        return false; // a photograph: the points in order, as on a chronophotograph
    const Marks before = marks();
    const int frame = m_media->frames->frame();
    if (!m_measurement.add(pixel, frame))
        return true;
    recordMarks(QStringLiteral("le point de l'image %1").arg(frame + 1), before);
    sayPoint(*m_measurement.pointOnFrame(frame));
    mediaChanged();
    refresh();
    m_media->frames->advance();
    return true;
}

void PointageWindow::remeasure()
{
    m_tabled = {};
    mediaChanged();
    refresh();
}

// The points moved, or what dates and places them: an old fit no longer stands.
void PointageWindow::mediaChanged()
{
    m_media->fit.reset();
    if (m_media->fitText)
        m_media->fitText->setText(QStringLiteral("« Modéliser » ajuste le modèle aux points."));
    if (m_media->simulate)
        m_media->simulate->setEnabled(false);
    if (m_media->residuals)
        m_media->residuals->clear();
    if (m_media->frames)
        m_view->setCurrentPoint(m_measurement.pointOnFrame(m_media->frames->frame()));
    m_view->update();
}

QString PointageWindow::mediaSummary() const
{
    const CalibrationPanel *c = m_media->calibration;
    const QString points = QStringLiteral("%1 points placés").arg(m_measurement.count());
    if (!c->scaled())
        return points + QStringLiteral(" ; échelle à régler (onglet « Étalonnage »)");
    return points;
}

// The calibration, then the fitted trajectory, under the points.
void PointageWindow::paintOverMedia(QPainter &p) const
{
    m_media->calibration->paint(p);
    const auto &fit = m_media->fit;
    if (!fit || m_measurement.count() < 2)
        return;
    const Calibration &c = m_media->calibration->calibration();
    const double from = m_measurement.time(0), to = m_measurement.time(m_measurement.count() - 1);
    QPolygonF line;
    constexpr int kSteps = 200;
    for (int i = 0; i <= kSteps; ++i)
        line << c.toPixel(fit->positionAt(from + (to - from) * i / kSteps));
    p.save();
    p.setPen(QPen(QColor(0, 200, 0), 2));
    p.drawPolyline(line);
    p.restore();
}

} // namespace orbane::pointage
