#include "pointage/pointagewindow.h"

#include "core/drag.h"
#include "core/numberformat.h"
#include "core/units.h"
#include "core/simulation.h"
#include "core/tables.h"
#include "exchange/exportdialog.h"
#include "exchange/savechooser.h"
#include "pointage/controlparts.h"
#include "pointage/mediaparts.h"
#include "pointage/notebook.h"
#include "platform/accessibility.h"
#include "scene/vectors.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <QUndoStack>
#include <algorithm>
#include <cmath>
#include <functional>

namespace orbane::pointage {

namespace {

const QColor kRight(0, 128, 0), kWrong(192, 0, 0);

QCheckBox *option(const QString &name, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QString length(QPointF v) { return numfmt::fixed(std::hypot(v.x(), v.y())); }

// f at each photograph's time, as the flight in the air took them; none in the vacuum.
std::vector<QPointF> dragAtPhotos(const Simulation &sim)
{
    std::vector<QPointF> forces;
    if (const DragFlight *air = sim.airFlight())
        for (const PhotoPosition &photo : sim.photoPositions) {
            const Vector2 f = air->at(photo.t).force;
            forces.emplace_back(f.x, f.y);
        }
    return forces;
}

void colourText(QLabel *label, const QColor &colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

} // namespace

PointageWindow::PointageWindow(const Simulation &sim, const QImage &chronophotograph,
                               PointageActions actions, QWidget *parent)
    : QDialog(parent), m_sim(sim),
      m_measurement(sim.photoPositions, double(sim.s.masse), double(sim.s.gpes)),
      m_actions(std::move(actions))
{
    m_measurement.setDrag(dragAtPhotos(sim));
    setWindowTitle(QStringLiteral("Pointage de la chronophotographie"));
    m_view = new PointageView(chronophotograph, m_measurement, this);
    buildWindow(chronophotograph.width());
}

PointageWindow::~PointageWindow() = default;

// The picture on the left (with what goes under it on a video), the table and the controls on
// the right.
void PointageWindow::buildWindow(int pictureWidth)
{
    setObjectName(QStringLiteral("pointage"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("defilement"));
    scroll->setAccessibleName(onMedia() ? QStringLiteral("Image à pointer")
                                        : QStringLiteral("Chronophotographie"));
    scroll->setWidget(m_view);
    nameScrollBars(scroll, onMedia() ? QStringLiteral("Faire défiler l'image")
                                     : QStringLiteral("Faire défiler la chronophotographie"));
    scroll->setFixedWidth(pictureWidth + 24);
    connectView();

    auto *side = new QWidget(this);
    buildControls(side);
    buildUndo();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(onMedia() ? buildMediaPicture(scroll) : scroll);
    layout->addWidget(onMedia() ? buildMediaSide(side) : side, 1);
    // A zoomed video needs room beside it for the tabs.
    resize(onMedia() ? std::max(1000, pictureWidth + 600) : 1000, onMedia() ? 720 : 660);
    // Enlarged for a projector, the window keeps within the screen (title bar and borders
    // aside); the scroll area and the table give up the room.
    if (const QScreen *screen = this->screen(); screen && screen->devicePixelRatio() != 1)
        resize(size().boundedTo(screen->availableGeometry().size() - QSize(16, 48)));
    updateOverlay();
    refresh();
    m_view->setFocus();
}

void PointageWindow::connectView()
{
    connect(m_view, &PointageView::pointPlaced, this, [this] {
        Marks before = marks(); // the view has just placed the last one
        before.points.pop_back();
        pointAdded(before);
    });
    connect(m_view, &PointageView::vectorDrawn, this, &PointageWindow::setVector);
    connect(m_view, &PointageView::crossHairMoved, this, [this](QPoint pixel) {
        const QPointF at = m_measurement.toMetres(pixel);
        if (m_actions.say)
            m_actions.say(QStringLiteral("croix : x = %1 m ; y = %2 m")
                              .arg(numfmt::fixed(at.x()), numfmt::fixed(at.y())));
    });
}

void PointageWindow::buildControls(QWidget *side)
{
    m_table = new QTableWidget(0, 9, side);
    m_table->setObjectName(QStringLiteral("tableau"));
    m_table->setAccessibleName(QStringLiteral("Points mesurés"));
    nameScrollBars(m_table, QStringLiteral("Faire défiler le tableau"));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("N°"), QStringLiteral("t (s)"), QStringLiteral("x (m)"),
         QStringLiteral("y (m)"), QStringLiteral("vx (m.s⁻¹)"), QStringLiteral("vy (m.s⁻¹)"),
         QStringLiteral("v (m.s⁻¹)"), QStringLiteral("m·Δv/Δt (N)"), QStringLiteral("Vérification")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_summary = new QLabel(side);
    m_summary->setObjectName(QStringLiteral("resume"));
    m_secondLaw = new QLabel(side);
    m_secondLaw->setObjectName(QStringLiteral("deuxiemeLoi"));
    QFont bold = m_secondLaw->font();
    bold.setBold(true);
    m_secondLaw->setFont(bold);

    QPushButton *undo = pushButton(QStringLiteral("annuler"), QStringLiteral("Annuler le &dernier point"), side);
    QPushButton *clear = pushButton(QStringLiteral("effacer"), QStringLiteral("&Tout effacer"), side);
    m_verify = pushButton(QStringLiteral("verifier"), QStringLiteral("&Vérifier les points"), side);
    connect(undo, &QPushButton::clicked, this, &PointageWindow::undoPoint);
    connect(clear, &QPushButton::clicked, this, &PointageWindow::clearPoints);
    connect(m_verify, &QPushButton::clicked, this, &PointageWindow::verifyPoints);

    m_zoom = option(QStringLiteral("zoom"), QStringLiteral("Zoom ×2"), side);
    m_velocities = option(QStringLiteral("vitesses"), QStringLiteral("Afficher les vecteurs vitesse"), side);
    m_variations = option(QStringLiteral("variations"),
                          QStringLiteral("Afficher les vecteurs Δv et m·Δv/Δt à côté de P"), side);
    connect(m_zoom, &QCheckBox::toggled, this, [this](bool on) { m_view->setZoom(on ? 2 : 1); });
    connect(m_velocities, &QCheckBox::toggled, this, &PointageWindow::updateOverlay);
    connect(m_variations, &QCheckBox::toggled, this, &PointageWindow::updateOverlay);

    QPushButton *exporter = pushButton(QStringLiteral("exporter"), QStringLiteral("E&xporter…"), side);
    QPushButton *python = pushButton(QStringLiteral("python"), QStringLiteral("&Python…"), side);
    QPushButton *notebook = pushButton(QStringLiteral("notebook"), QStringLiteral("&Notebook…"), side);
    notebook->setToolTip(QStringLiteral("Un notebook Jupyter pour la classe, en version élève ou professeur"));
    auto *versions = new QMenu(notebook);
    versions->addAction(QStringLiteral("Version élève (calculs à compléter)…"), this,
                        [this] { exportNotebook(NotebookVersion::Pupil); });
    versions->addAction(QStringLiteral("Version professeur (complète)…"), this,
                        [this] { exportNotebook(NotebookVersion::Teacher); });
    notebook->setMenu(versions);
    m_python = python;
    QPushButton *close = pushButton(QStringLiteral("fermer"), QStringLiteral("&Fermer"), side);
    exporter->setToolTip(QStringLiteral("Le tableau pour un tableur, Regressi ou Python"));
    python->setToolTip(QStringLiteral("Un programme Python qui refait le calcul et trace les vecteurs"));
    connect(exporter, &QPushButton::clicked, this, &PointageWindow::exportTable);
    connect(python, &QPushButton::clicked, this, &PointageWindow::exportPython);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(instruction(), side));
    column->addWidget(m_table, 1);
    auto *pointButtons = new QHBoxLayout;
    for (QPushButton *b : {undo, clear, m_verify})
        pointButtons->addWidget(b);
    column->addLayout(pointButtons);
    column->addWidget(m_summary);
    column->addWidget(m_zoom);
    column->addWidget(m_velocities);
    column->addWidget(m_variations);
    column->addWidget(buildSchemeBox(side));
    column->addWidget(m_secondLaw);
    column->addWidget(buildVectorBox(side));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(exporter);
    bottom->addWidget(python);
    bottom->addWidget(notebook);
    bottom->addStretch();
    bottom->addWidget(close);
    column->addLayout(bottom);
}

QString PointageWindow::instruction() const
{
    const QString keys = QStringLiteral(" (ou flèches et Entrée).");
    if (!onMedia())
        return QStringLiteral("Cliquer sur chaque photographie, dans l'ordre") + keys;
    if (!m_media->source.video)
        return QStringLiteral("Cliquer sur chaque position de l'objet, dans l'ordre") + keys;
    return QStringLiteral("Cliquer sur l'objet, image après image") + keys;
}

QWidget *PointageWindow::buildSchemeBox(QWidget *parent)
{
    auto *box = new QWidget(parent);
    m_scheme = new QComboBox(box);
    m_scheme->setObjectName(QStringLiteral("schema"));
    m_scheme->addItem(schemeName(Scheme::Centred));
    m_scheme->addItem(schemeName(Scheme::Forward));
    m_scheme->setAccessibleName(QStringLiteral("Vitesses par la différence"));
    m_scheme->setToolTip(QStringLiteral(
        "centrée : v_i = M_(i-1)M_(i+1) / (t_(i+1) - t_(i-1)) ; avant : v_i = M_iM_(i+1) / (t_(i+1) - t_i)"));
    connect(m_scheme, &QComboBox::currentIndexChanged, this, [this](int index) {
        setScheme(index == 1 ? Scheme::Forward : Scheme::Centred);
    });
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(QStringLiteral("Vitesses par la différence :"), box);
    label->setBuddy(m_scheme);
    row->addWidget(label);
    row->addWidget(m_scheme);
    row->addStretch();
    return box;
}

void PointageWindow::setScheme(Scheme scheme)
{
    {
        const QSignalBlocker block(m_scheme);
        m_scheme->setCurrentIndex(scheme == Scheme::Forward ? 1 : 0);
    }
    if (scheme == m_measurement.scheme())
        return;
    m_measurement.setScheme(scheme);
    m_tabled = {};
    // The Python program computes by centred differences only; the notebook follows the choice.
    m_python->setEnabled(!onMedia() && scheme == Scheme::Centred);
    refresh();
}

QWidget *PointageWindow::buildVectorBox(QWidget *parent)
{
    auto *box = new QGroupBox(QStringLiteral("Tracer un vecteur vitesse"), parent);
    m_vectorPoint = new QSpinBox(box);
    m_vectorPoint->setObjectName(QStringLiteral("pointVecteur"));
    m_vectorPoint->setRange(1, std::max(1, int(m_measurement.photos().size())));
    const auto component = [box](const QString &name) {
        auto *spin = new QDoubleSpinBox(box);
        spin->setObjectName(name);
        spin->setLocale(QLocale(QLocale::French, QLocale::France));
        spin->setRange(-100.0, 100.0);
        spin->setDecimals(2);
        spin->setSingleStep(0.1);
        return spin;
    };
    m_vx = component(QStringLiteral("vx"));
    m_vy = component(QStringLiteral("vy"));
    QPushButton *check = pushButton(QStringLiteral("verifierVecteur"), QStringLiteral("Vérifier le v&ecteur"), box);
    m_verdict = new QLabel(box);
    m_verdict->setObjectName(QStringLiteral("verdict"));
    auto *form = new QFormLayout(box);
    form->addRow(new QLabel(QStringLiteral("Glisser depuis un point jusqu'à la pointe du vecteur, "
                                           "ou saisir ses coordonnées."), box));
    form->addRow(QStringLiteral("Point :"), m_vectorPoint);
    form->addRow(QStringLiteral("vx (m.s⁻¹) :"), m_vx);
    form->addRow(QStringLiteral("vy (m.s⁻¹) :"), m_vy);
    form->addRow(check, m_verdict);
    // Typed components are drawn as they are typed.
    const auto typed = [this] {
        m_view->setDrawnVector(m_vectorPoint->value() - 1, QPointF(m_vx->value(), m_vy->value()));
    };
    connect(m_vectorPoint, &QSpinBox::valueChanged, this, typed);
    connect(m_vx, &QDoubleSpinBox::valueChanged, this, typed);
    connect(m_vy, &QDoubleSpinBox::valueChanged, this, typed);
    connect(check, &QPushButton::clicked, this, &PointageWindow::verifyVector);
    return box;
}

void PointageWindow::updateOverlay()
{
    const Controls &c = m_sim.c;
    Overlay o;
    o.velocities = m_velocities->isChecked();
    o.variations = m_variations->isChecked();
    o.pixelsPerVelocity = vectorscale::velocity(c.VScroll1);
    o.pixelsPerForce = vectorscale::force(c.VScroll3);
    o.newtonsPerUnit = projectile(c.Combo2).newtonsPerUnit;
    const VectorColours colours = coloursOf(c);
    o.velocity = QColor::fromRgb(colours.velocity);
    o.variation = QColor::fromRgb(colours.variation);
    o.weight = QColor::fromRgb(colours.weight);
    o.secondLaw = QColor::fromRgb(c.secondLawColour);
    o.names = c.vectorNames;
    m_view->setOverlay(o);
}

void PointageWindow::addPoint(QPointF pixel)
{
    if (onMedia() && placeOnFrame(pixel))
        return;
    const Marks before = marks();
    if (m_measurement.add(pixel))
        pointAdded(before);
    else
        refresh();
}

Marks PointageWindow::marks() const { return {m_measurement.points(), m_measurement.frames()}; }

void PointageWindow::pointAdded(const Marks &before)
{
    recordMarks(QStringLiteral("le point %1").arg(m_measurement.count()), before);
    sayLastPoint();
    refresh();
}

void PointageWindow::sayLastPoint() { sayPoint(m_measurement.count() - 1); }

// The view has the keyboard: its description tells screen readers the point just placed, and
// a point placed again where the one before stands.
void PointageWindow::sayPoint(int i)
{
    const QPointF p = m_measurement.position(i);
    QString said = QStringLiteral("point %1 : x = %2 m ; y = %3 m")
                       .arg(QString::number(i + 1), numfmt::fixed(p.x()), numfmt::fixed(p.y()));
    if (i > 0 && m_measurement.pixel(i) == m_measurement.pixel(i - 1))
        said += QStringLiteral(" (au même endroit que le point %1)").arg(i);
    m_view->setAccessibleDescription(said);
    // A reader does not read a description change: the point is also announced.
    if (m_actions.say)
        m_actions.say(said);
}

void PointageWindow::undoPoint()
{
    const Marks before = marks();
    m_measurement.undo();
    recordMarks(QStringLiteral("« Effacer »"), before);
    refresh();
}

void PointageWindow::clearPoints()
{
    const Marks before = marks();
    m_measurement.clear();
    recordMarks(QStringLiteral("« Tout effacer »"), before);
    showMarks({});
}

void PointageWindow::showMarks(const Marks &marks)
{
    m_measurement.setPoints(marks.points, marks.frames);
    m_verified = false;
    m_view->clearDrawnVector();
    m_verdict->clear();
    m_view->update();
    if (onMedia())
        mediaChanged();
    refresh();
}

namespace {
// One change of the points: the points before and after it.
class PointsStep final : public QUndoCommand
{
public:
    using Show = std::function<void(const Marks &)>;
    PointsStep(const QString &name, Marks before, Marks after, Show show)
        : QUndoCommand(name), m_before(std::move(before)), m_after(std::move(after)),
          m_show(std::move(show))
    {
    }
    void undo() override { m_show(m_before); }
    void redo() override
    {
        if (m_done) // the first time, the pupil made the change already
            m_show(m_after);
        m_done = true;
    }

private:
    Marks m_before, m_after;
    Show m_show;
    bool m_done = false;
};
} // namespace

// Records the change of points just made as a step of the window's undo history.
void PointageWindow::recordMarks(const QString &name, const Marks &before)
{
    if (before == marks())
        return;
    m_undo->push(new PointsStep(name, before, marks(), [this](const Marks &m) { showMarks(m); }));
}

void PointageWindow::buildUndo()
{
    m_undo = new QUndoStack(this);
    QAction *undo = m_undo->createUndoAction(this, QStringLiteral("Annuler"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = m_undo->createRedoAction(this, QStringLiteral("Rétablir"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo});
    addActions({undo, redo});
    // Escape closes the window wherever the keyboard is in it.
    auto *escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void PointageWindow::verifyPoints()
{
    m_verified = true;
    refresh();
}

void PointageWindow::setVector(int point, QPointF velocity)
{
    const QSignalBlocker b1(m_vectorPoint), b2(m_vx), b3(m_vy);
    m_vectorPoint->setValue(point + 1);
    m_vx->setValue(velocity.x());
    m_vy->setValue(velocity.y());
    m_view->setDrawnVector(point, QPointF(m_vx->value(), m_vy->value()));
    m_verdict->clear();
}

void PointageWindow::verifyVector()
{
    const int point = m_vectorPoint->value() - 1;
    const auto computed = m_measurement.velocity(point);
    if (!computed) {
        m_verdict->setText(QStringLiteral("Le point %1 n'a pas deux voisins pointés").arg(point + 1));
        colourText(m_verdict, kWrong);
        return;
    }
    const VectorCheck c = checkVector(QPointF(m_vx->value(), m_vy->value()), *computed);
    m_verdict->setText(c.verdict);
    colourText(m_verdict, c.directionOk && c.lengthOk ? kRight : kWrong);
    m_verdict->setAccessibleName(c.verdict);
}

void PointageWindow::fillRow(int row)
{
    const Measurement &m = m_measurement;
    const QPointF p = m.position(row);
    const auto v = m.velocity(row);
    const auto f = m.force(row);
    const QStringList cells = {QString::number(row + 1),
                               numfmt::fixed(m.time(row)),
                               numfmt::fixed(p.x()),
                               numfmt::fixed(p.y()),
                               v ? numfmt::fixed(v->x()) : QString(),
                               v ? numfmt::fixed(v->y()) : QString(),
                               v ? length(*v) : QString(),
                               f ? masked::unless(massHidden(), length(*f)) : QString()};
    for (int c = 0; c < int(cells.size()); ++c) {
        auto *item = new QTableWidgetItem(cells[c]);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, c, item);
    }
    if (!m_verified) {
        m_table->setItem(row, 8, new QTableWidgetItem());
        return;
    }
    const double d = m.distance(row);
    const bool ok = d <= kTolerance;
    auto *check = new QTableWidgetItem(ok ? QStringLiteral("✓")
                                          : QStringLiteral("✗ ") + numfmt::fixed(d) +
                                                QStringLiteral(" m"));
    check->setForeground(ok ? kRight : kWrong);
    m_table->setItem(row, 8, check);
}

// A row reads its point and the two on either side (m·Δv/Δt spans five points): a changed
// point changes the rows from two before it on.
int PointageWindow::firstStaleRow() const
{
    if (m_tabledVerified != m_verified)
        return 0;
    const Marks now = marks();
    const auto points = std::mismatch(m_tabled.points.begin(), m_tabled.points.end(),
                                      now.points.begin(), now.points.end());
    const auto frames = std::mismatch(m_tabled.frames.begin(), m_tabled.frames.end(),
                                      now.frames.begin(), now.frames.end());
    int changed = int(points.first - m_tabled.points.begin());
    if (!now.frames.empty() || !m_tabled.frames.empty())
        changed = std::min(changed, int(frames.first - m_tabled.frames.begin()));
    return std::max(0, changed - 2);
}

void PointageWindow::refreshTable()
{
    const Measurement &m = m_measurement;
    const int from = std::min(firstStaleRow(), m.count());
    m_table->setRowCount(m.count());
    for (int row = from; row < m.count(); ++row)
        fillRow(row);
    m_tabled = marks();
    m_tabledVerified = m_verified;
    if (m.count() > 0)
        m_table->scrollToItem(m_table->item(m.count() - 1, 0));
}

void PointageWindow::refresh()
{
    const Measurement &m = m_measurement;
    if (onMedia() && m_media->fit && m_media->fitMarks != marks())
        mediaChanged();
    refreshTable();
    if (onMedia())
        m_vectorPoint->setRange(1, std::max(1, m.count()));
    m_summary->setText(
        onMedia()  ? mediaSummary()
        : m_verified ? QStringLiteral("%1 points sur %2 à moins de %3 m")
                         .arg(m.withinTolerance())
                         .arg(m.count())
                         .arg(numfmt::fixed(kTolerance))
                   : QStringLiteral("%1 points placés sur %2 photographies")
                         .arg(m.count())
                         .arg(m.photos().size()));
    m_secondLaw->setText(secondLawText());
    m_view->update();
}

// m·Δv/Δt against P, or in the air against P + f at the same points.
QString PointageWindow::secondLawText() const
{
    const Measurement &m = m_measurement;
    const bool weightHidden = m_sim.hidden().weightHidden();
    const QString weight = masked::unless(weightHidden, numfmt::fixed(m.weight()));
    const auto force = m.typicalForce();
    if (!force)
        return QStringLiteral("m·Δv/Δt : placer au moins cinq points ; P = %1 N").arg(weight);
    const QString measured = masked::unless(massHidden(), numfmt::fixed(*force));
    if (!m.inAir())
        return QStringLiteral("m·Δv/Δt = %1 N ; P = %2 N").arg(measured, weight);
    return QStringLiteral("m·Δv/Δt = %1 N ; P + f = %2 N (P = %3 N)")
        .arg(measured, masked::unless(weightHidden, numfmt::fixed(*m.typicalResultant())), weight);
}

// m·Δv/Δt is the measured Δv/Δt times the mass: it would tell a hidden mass.
bool PointageWindow::massHidden() const
{
    return m_sim.hidden().isHidden(SecretValue::Mass);
}

// The table's m·Δv/Δt would tell a hidden mass, the Python program's m and g a hidden g or mass;
// the positions alone are what the pupil measured.
void PointageWindow::exportTable()
{
    if (!m_actions.dialogs || exchange::refusedWhileHidden(massHidden(), *m_actions.dialogs))
        return;
    exchange::ExportDialog dialog(
        this, QStringLiteral("Exporter le pointage"),
        [this](int) { return pointage::table(m_measurement); }, *m_actions.dialogs);
    dialog.suggestName(QStringLiteral("pointage"));
    dialog.exec();
}

void PointageWindow::exportPython()
{
    if (!m_actions.files || !m_actions.dialogs ||
        exchange::refusedWhileHidden(m_sim.hidden().weightHidden(), *m_actions.dialogs))
        return;
    const QString path = m_actions.files->saveFileName(
        QStringLiteral("Programme Python|*.py"), QStringLiteral("py"), QStringLiteral("pointage.py"));
    if (path.isEmpty())
        return;
    exchange::saveOrTell(path, pythonProgram(m_measurement, coloursOf(m_sim.c)).toUtf8(),
                         QStringLiteral("Le programme n'a pas été enregistré. "
                                        "Vérifiez le dossier choisi et recommencez."),
                         QStringLiteral("Python"), *m_actions.dialogs);
}

} // namespace orbane::pointage
