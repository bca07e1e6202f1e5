// The pointage window's analysis of a real throw: automatic tracking, the model fitted to the
// points, the notebook for the class, and the measurement kept in a file.
#include "pointage/calibrationpanel.h"
#include "pointage/controlparts.h"
#include "pointage/framebar.h"
#include "pointage/measurefile.h"
#include "pointage/mediaparts.h"
#include "pointage/notebook.h"
#include "pointage/pointagewindow.h"
#include "pointage/residualplot.h"

#include "core/numberformat.h"
#include "core/services.h"
#include "core/simulation.h"
#include "exchange/exportdialog.h"
#include "exchange/savechooser.h"
#include "video/tracker.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

namespace orbane::pointage {

namespace {

const QString kMeasureFilter = QStringLiteral("Mesure Orbane 1S|*.o1m");

QString fitLines(const FitResult &fit)
{
    const QString speed = QStringLiteral("m.s⁻¹"), metre = QStringLiteral("m");
    QStringList lines = {withUncertainty(QStringLiteral("g"), fit.g.value, fit.g.sigma, QStringLiteral("m.s⁻²")),
                         withUncertainty(QStringLiteral("v₀"), fit.v0.value, fit.v0.sigma, speed),
                         withUncertainty(QStringLiteral("α"), fit.alpha.value, fit.alpha.sigma, QStringLiteral("°")),
                         withUncertainty(QStringLiteral("x₀"), fit.x0.value, fit.x0.sigma, metre),
                         withUncertainty(QStringLiteral("y₀"), fit.y0.value, fit.y0.sigma, metre)};
    if (fit.model == FitModel::LinearAir)
        lines << withUncertainty(QStringLiteral("k"), fit.k.value, fit.k.sigma, QStringLiteral("kg.s⁻¹"));
    lines << QStringLiteral("écart quadratique moyen : %1 cm").arg(numfmt::fixed(100.0 * fit.rms, 1));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QWidget *PointageWindow::buildModelTab(QWidget *parent)
{
    auto *tab = new QWidget(parent);
    MediaParts &m = *m_media;
    m.track = pushButton(QStringLiteral("suivi"), QStringLiteral("&Suivi automatique"), tab);
    m.track->setCheckable(true);
    m.track->setToolTip(QStringLiteral("Cliquer ensuite sur l'objet : le programme le suit d'image en image"));
    m.track->setVisible(m.source.video);
    QPushButton *fit = pushButton(QStringLiteral("modeliser"), QStringLiteral("&Modéliser"), tab);
    fit->setToolTip(QStringLiteral("Ajuster le mouvement du modèle aux points (moindres carrés)"));
    m.air = new QCheckBox(QStringLiteral("Avec frottement de l'air linéaire (f = k·v)"), tab);
    m.air->setObjectName(QStringLiteral("frottementLineaire"));
    m.fitText = new QLabel(tab);
    m.fitText->setObjectName(QStringLiteral("resultatModele"));
    m.fitText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m.residuals = new ResidualPlot(tab);
    m.residuals->setMaximumHeight(220);
    m.simulate = pushButton(QStringLiteral("simuler"), QStringLiteral("S&imuler ce lancer"), tab);
    m.simulate->setToolTip(QStringLiteral("Reprendre le lancer ajusté dans la fenêtre principale"));
    QPushButton *save = pushButton(QStringLiteral("enregistrerMesure"), QStringLiteral("Enre&gistrer la mesure…"), tab);
    QPushButton *open = pushButton(QStringLiteral("ouvrirMesure"), QStringLiteral("O&uvrir une mesure…"), tab);
    connect(m.track, &QPushButton::toggled, this, [this](bool on) {
        if (on)
            m_media->status->setText(QStringLiteral("Suivi automatique : cliquer sur l'objet."));
        m_view->setFocus();
    });
    connect(fit, &QPushButton::clicked, this, &PointageWindow::fitModel);
    connect(m.air, &QCheckBox::toggled, this, [this] {
        if (m_media->fit)
            fitModel();
    });
    connect(m.simulate, &QPushButton::clicked, this, &PointageWindow::simulateFit);
    connect(save, &QPushButton::clicked, this, &PointageWindow::saveMeasure);
    connect(open, &QPushButton::clicked, this, &PointageWindow::openMeasure);
    auto *column = new QVBoxLayout(tab);
    column->addWidget(m.track);
    auto *row = new QHBoxLayout;
    row->addWidget(fit);
    row->addWidget(m.air, 1);
    column->addLayout(row);
    column->addWidget(m.fitText);
    column->addWidget(m.residuals);
    column->addWidget(m.simulate);
    auto *files = new QHBoxLayout;
    files->addWidget(save);
    files->addWidget(open);
    column->addLayout(files);
    column->addStretch();
    mediaChanged();
    return tab;
}

int PointageWindow::trackFrom(QPointF pixel)
{
    MediaParts &m = *m_media;
    m.track->setChecked(false);
    const int start = m.frames ? m.frames->frame() : 0;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto found = video::track(m.source.frames, start, pixel, m.frames ? m.frames->step() : 1);
    QApplication::restoreOverrideCursor();
    if (found.empty()) {
        m.status->setText(QStringLiteral("Suivi automatique : aucun objet reconnu sous le clic. "
                                         "Cliquer au centre de l'objet, ou pointer à la main."));
        return 0;
    }
    const Marks before = marks();
    for (const video::TrackPoint &p : found)
        m_measurement.add(p.centre, p.frame);
    recordMarks(QStringLiteral("le suivi automatique"), before);
    const int last = found.back().frame;
    const bool end = last + m.frames->step() >= m.frames->frameCount();
    m.status->setText(
        QStringLiteral("Suivi automatique : %1, des images %2 à %3%4. Vérifier chaque point "
                       "(Page suiv., Page préc.) et cliquer pour le déplacer.")
            .arg(found.size() == 1 ? QStringLiteral("1 point") : QStringLiteral("%1 points").arg(found.size()))
            .arg(found.front().frame + 1)
            .arg(last + 1)
            .arg(end ? QString() : QStringLiteral(" ; objet perdu ensuite")));
    if (m_actions.say)
        m_actions.say(m.status->text());
    mediaChanged();
    refresh();
    m.frames->setFrame(last);
    return int(found.size());
}

void PointageWindow::fitModel()
{
    MediaParts &m = *m_media;
    std::vector<FitPoint> points;
    std::vector<double> times;
    for (int i = 0; i < m_measurement.count(); ++i) {
        const QPointF p = m_measurement.position(i);
        points.push_back({m_measurement.time(i), p.x(), p.y()});
        times.push_back(m_measurement.time(i));
    }
    FitResult fit = m.air->isChecked() ? fitLinearAir(points, m_measurement.masse())
                                       : fitVacuum(points);
    mediaChanged();
    if (!fit.ok()) {
        m.fitText->setText(fit.error);
        return;
    }
    m.fitText->setText(fitLines(fit));
    m.fitText->setAccessibleName(m.fitText->text());
    m.residuals->setResiduals(std::move(times), fit.residuals);
    m.fit = std::move(fit);
    m.fitMarks = marks();
    m.simulate->setEnabled(bool(m_actions.simulate));
    if (m_actions.say)
        m_actions.say(m.fitText->text().section(QLatin1Char('\n'), 0, 2));
    m_view->update();
}

void PointageWindow::simulateFit()
{
    const auto &fit = m_media->fit;
    if (!fit || !m_actions.simulate)
        return;
    FittedLaunch launch{.x0 = fit->x0.value,
                        .y0 = fit->y0.value,
                        .v0 = fit->v0.value,
                        .alpha = fit->alpha.value,
                        .g = fit->g.value,
                        .air = fit->model == FitModel::LinearAir,
                        .k = fit->k.value};
    m_actions.simulate(launch);
}

void PointageWindow::exportNotebook(NotebookVersion version)
{
    if (!m_actions.files || !m_actions.dialogs)
        return;
    if (!onMedia() && exchange::refusedWhileHidden(m_sim.hidden().weightHidden() || massHidden(),
                                                   *m_actions.dialogs))
        return;
    const bool pupil = version == NotebookVersion::Pupil;
    const QString base = onMedia() ? QFileInfo(m_media->source.path).completeBaseName()
                                   : QStringLiteral("pointage");
    const QString path = m_actions.files->saveFileName(
        QStringLiteral("Notebook Jupyter|*.ipynb"), QStringLiteral("ipynb"),
        base + (pupil ? QStringLiteral("-eleve.ipynb") : QStringLiteral("-professeur.ipynb")));
    if (path.isEmpty())
        return;
    const QString title = onMedia() ? QFileInfo(m_media->source.path).fileName()
                                    : QStringLiteral("Chronophotographie");
    const QByteArray bytes = notebook(notebookData(m_measurement, coloursOf(m_sim.c), title, version));
    exchange::saveOrTell(path, bytes,
                         QStringLiteral("Le notebook n'a pas été enregistré. "
                                        "Vérifiez le dossier choisi et recommencez."),
                         QStringLiteral("Notebook"), *m_actions.dialogs);
}

// What the measurement file keeps: where the source is, the calibration, the points.
MeasureFile PointageWindow::measureFile(const QString &path) const
{
    const MediaParts &m = *m_media;
    MeasureFile f;
    f.source = relativeSource(path, m.source.path);
    f.kind = m.source.video ? SourceKind::Video : SourceKind::Photo;
    f.calibration = m.calibration->calibration();
    if (m.frames)
        f.calibration.timeOrigin = m.frames->timeOrigin();
    f.tau = m.tau ? m.tau->value() / 1000.0 : 0.0;
    f.slowMotion = m.frames ? m.frames->slowMotion() : 1.0;
    f.scheme = m_measurement.scheme();
    f.masse = m_measurement.masse();
    f.g = m_measurement.g();
    for (int i = 0; i < m_measurement.count(); ++i) {
        const QPointF p = m_measurement.pixel(i);
        const int frame = m_measurement.frame(i);
        const double t = m.source.video && frame < int(m.source.times.size())
                             ? m.source.times[std::size_t(frame)]
                             : 0.0;
        f.points.push_back({frame, p.x(), p.y(), t});
    }
    return f;
}

void PointageWindow::saveMeasure()
{
    if (!m_actions.files || !m_actions.dialogs)
        return;
    const QString suggested = m_media->measurePath.isEmpty()
                                  ? QFileInfo(m_media->source.path).completeBaseName() + QStringLiteral(".o1m")
                                  : QFileInfo(m_media->measurePath).fileName();
    const QString path = m_actions.files->saveFileName(kMeasureFilter, QStringLiteral("o1m"), suggested);
    if (!path.isEmpty())
        saveMeasureTo(path);
}

bool PointageWindow::saveMeasureTo(const QString &path)
{
    if (!m_actions.dialogs)
        return false;
    const bool saved = exchange::saveOrTell(
        path, measureBytes(measureFile(path)),
        QStringLiteral("La mesure n'a pas été enregistrée. Vérifiez le dossier choisi et recommencez."),
        QStringLiteral("Enregistrer la mesure"), *m_actions.dialogs);
    if (saved)
        m_media->measurePath = path;
    return saved;
}

void PointageWindow::openMeasure()
{
    if (!m_actions.openFile)
        return;
    const QString path = m_actions.openFile(kMeasureFilter);
    if (!path.isEmpty())
        openMeasureFrom(path);
}

// A measurement of this picture: its calibration, points and choices replace the window's.
// Refused, with the window as it was, when it cannot be read or is of another kind of source.
bool PointageWindow::openMeasureFrom(const QString &path)
{
    QString refusal;
    const auto f = readMeasure(path, &refusal);
    const bool video = m_media->source.video;
    const auto beyond = [&] {
        const int frames = m_media->frames ? m_media->frames->frameCount() : 0;
        return std::any_of(f->points.begin(), f->points.end(),
                           [frames](const MeasurePoint &p) { return p.frame >= frames; });
    };
    if (f && (f->kind == SourceKind::Video) == video && video && beyond())
        refusal = QStringLiteral("La mesure « %1 » compte des images que cette vidéo n'a pas.")
                      .arg(QFileInfo(path).fileName());
    if (f && (f->kind == SourceKind::Video) != video)
        refusal = QStringLiteral("La mesure « %1 » a été faite sur %2.")
                      .arg(QFileInfo(path).fileName(),
                           video ? QStringLiteral("une photo") : QStringLiteral("une vidéo"));
    if (!refusal.isEmpty() || !f) {
        if (m_actions.dialogs)
            m_actions.dialogs->message(refusal, QStringLiteral("Ouvrir une mesure"),
                                       MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    applyMeasure(*f);
    m_media->measurePath = path;
    return true;
}

void PointageWindow::applyMeasure(const MeasureFile &f)
{
    MediaParts &m = *m_media;
    const Marks before = marks();
    m.calibration->setCalibration(f.calibration);
    if (m.frames) {
        m.frames->setSlowMotion(f.slowMotion);
        m.frames->setTimeOrigin(f.calibration.timeOrigin);
    } else if (m.tau) {
        m.tau->setValue(f.tau * 1000.0);
    }
    m.mass->setValue(f.masse);
    m.g->setValue(f.g);
    setScheme(f.scheme);
    Marks read;
    for (const MeasurePoint &p : f.points) {
        read.points.emplace_back(p.x, p.y);
        if (m.frames)
            read.frames.push_back(p.frame);
    }
    showMarks(read);
    recordMarks(QStringLiteral("l'ouverture de la mesure"), before);
}

} // namespace orbane::pointage
