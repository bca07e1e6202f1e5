#include "core/simulation.h"

#include "core/numberformat.h"
#include "core/options.h"
#include "core/tables.h"

#include <QScopedValueRollback>
#include <algorithm>
#include <array>
#include <vector>

namespace orbane {

SceneHooks::~SceneHooks() = default;

Simulation::Simulation(const QString &programDir, QObject *parent)
    : QObject(parent), m_programDir(programDir)
{
    setServices({});
}

void Simulation::setServices(const Services &services)
{
    m_services.dialogs = services.dialogs ? services.dialogs : &m_nullDialogs;
    m_services.sound = services.sound ? services.sound : &m_nullSound;
    m_services.beeper = services.beeper ? services.beeper : &m_nullBeeper;
}

void Simulation::setSceneHooks(SceneHooks *hooks)
{
    m_hooks = hooks ? hooks : &m_nullHooks;
}

double Simulation::x0() const
{
    return m_launch.x0.value_or(m_s.xy[0]);
}
double Simulation::y0() const
{
    return m_launch.y0.value_or(m_s.xy[1]);
}

QString Simulation::soundPath() const
{
    return programFile(m_programDir, QString::fromLatin1(projectile(m_c.Combo2).sound));
}

void Simulation::setBox(int box, const QString &text)
{
    if (box < 1 || box > 4)
        return;
    m_c.box(box) = text;
    m_launch.read(box, text);
}

void Simulation::setLocks(const SettingLocks &locks)
{
    m_setLocks = locks;
    m_locks = m_hidden.fixing(locks);
    emit changed();
}

void Simulation::setHidden(const HiddenValues &hidden)
{
    m_hidden = hidden;
    setLocks(m_setLocks);
}

bool Simulation::refuses(FixableSetting setting)
{
    if (m_ownChange || m_locks.isFree(setting))
        return false;
    emit changed();
    return true;
}

void Simulation::setTimer(bool on)
{
    if (m_d.timer1 == on)
        return;
    m_d.timer1 = on;
    emit timerChanged(on);
}

void Simulation::showReadouts(double t, double x, double shownY)
{
    m_d.Label3 = QStringLiteral(" Date: t = ") + numfmt::readout(t) + QStringLiteral(" s.");
    m_d.Label1 = QStringLiteral("Coordonnées : x = ") + numfmt::readout(x) +
                 QStringLiteral(" m ; y = ") + numfmt::readout(shownY) + QStringLiteral(" m. ");
}

void Simulation::playImpact()
{
    if (!place(m_c.Combo1).silentLanding)
        m_services.sound->play();
}

void Simulation::Check_Click(int index, bool on)
{
    setOption(checkOption(index), on);
}

void Simulation::speed_Click(bool on)
{
    setOption(*option(QStringLiteral("speed")), on);
}

void Simulation::secondLaw_Click(bool on)
{
    setOption(*option(QStringLiteral("secondLaw")), on);
}

void Simulation::setOption(const Option &o, bool on)
{
    if (const auto setting = settingOf(o); setting && refuses(*setting))
        return;
    o.field(m_c) = on;
    switch (o.reaction) {
    case OptionReaction::Later:
        return;
    case OptionReaction::TrajectoryBreaks:
        m_hooks->breakTrajectory();
        return;
    case OptionReaction::AxesFollow:
        m_d.check3Enabled = m_c.Check[1];
        break;
    case OptionReaction::ConstructionFollows:
        m_d.check7Enabled = m_c.Check[6];
        break;
    case OptionReaction::Redraw:
        break;
    }
    dropDragWork();
    m_hooks->majaff();
    emit changed();
}

void Simulation::Label4_Chosen(int index, Rgb colour)
{
    m_c.swatchColour(index) = colour;
    if (index == 4 && m_c.Check[1])
        m_hooks->repere();
    m_hooks->majaff();
    emit changed();
}

void Simulation::Check13_Click(int index, bool on)
{
    m_c.Check13.at(index) = on;
    applyGroupRule(m_c.Check13, index);
}

void Simulation::VScroll2_Change(int twips)
{
    m_d.VScroll2 = twips;
}

void Simulation::VScroll1_Change(int value)
{
    m_c.VScroll1 = value;
    m_hooks->majaff();
    emit changed();
}

void Simulation::VScroll3_Change(int value)
{
    m_c.VScroll3 = value;
    m_hooks->majaff();
    emit changed();
}

void Simulation::UpDown1_Change(int value)
{
    m_c.UpDown1 = value;
    m_hooks->majaff();
    emit changed();
}

void Simulation::applyControls(const Controls &file)
{
    const Controls values = m_locks.kept(file, m_c);
    const QScopedValueRollback own(m_ownChange, true);
    // Lists and boxes take their values; their reactions run below, once, in order.
    m_c.Combo1 = values.Combo1;
    m_c.Combo2 = values.Combo2;
    setBox(1, values.Text1);
    setBox(2, values.Text2);
    setBox(3, values.Text3);
    setBox(4, values.Text4);
    // A scale's or an option's reaction fires when its value changes, as for the user's change.
    applyScales(values);
    m_c.chrono = values.chrono;
    applyOptions(values);
    m_c.Label4 = values.Label4;
    m_c.secondLawColour = values.secondLawColour;
    m_c.dragForceColour = values.dragForceColour;

    Combo1_Click(m_c.Combo1);
    if (m_fatal)
        return;
    Combo2_Click(m_c.Combo2);
    applyDrag(values);
    Text1_LostFocus();
    Text2_LostFocus();
    Text3_LostFocus();
    Text4_LostFocus();
    chrono_LostFocus();
    emit loaded();
}

// The law's values that a file saves with the air on; without it the tables' defaults stand.
void Simulation::applyDrag(const Controls &values)
{
    if (values.drag)
        restoreDrag(values); // each box that differs through its handlers, brought within range
}

void Simulation::applyScales(const Controls &values)
{
    if (m_c.VScroll1 != values.VScroll1)
        VScroll1_Change(values.VScroll1);
    if (m_c.UpDown1 != values.UpDown1)
        UpDown1_Change(values.UpDown1);
    if (m_c.VScroll3 != values.VScroll3)
        VScroll3_Change(values.VScroll3);
}

// In the file's order, as the user would have set them.
void Simulation::applyOptions(const Controls &values)
{
    std::vector<const Option *> byRecord;
    for (const Option &o : options())
        byRecord.push_back(&o);
    std::sort(byRecord.begin(), byRecord.end(),
              [](const Option *a, const Option *b) { return a->record < b->record; });
    for (const Option *o : byRecord)
        if (o->value(m_c) != o->value(values))
            setOption(*o, o->value(values));
}

void Simulation::restoreControls(const Controls &earlier)
{
    const Controls target = m_locks.kept(earlier, m_c);
    const QScopedValueRollback own(m_ownChange, true);
    // Each control that differs takes its value through its own handler, as the user's change.
    applyScales(target);
    applyOptions(target);
    for (int i = 0; i < Controls::kSwatches; ++i)
        if (m_c.swatchColour(i) != target.swatchColour(i))
            Label4_Chosen(i, target.swatchColour(i));
    if (m_c.Combo1 != target.Combo1)
        Combo1_Click(target.Combo1);
    if (m_c.Combo2 != target.Combo2)
        Combo2_Click(target.Combo2);
    for (int n = 1; n <= 4; ++n) {
        if (m_c.box(n) != target.box(n)) {
            TextN_Change(n, target.box(n));
            TextN_LostFocus(n);
        }
    }
    if (m_c.chrono != target.chrono) {
        chrono_Change(target.chrono);
        chrono_LostFocus();
    }
    restoreDrag(target); // after the place, which empties ρ
    emit changed();
}

void Simulation::restoreDrag(const Controls &target)
{
    if (m_c.dragLinear != target.dragLinear)
        dragModel_Click(target.dragLinear);
    const std::array<std::pair<DragBox, QString Controls::*>, 3> boxes = {
        {{DragBox::K, &Controls::dragK},
         {DragBox::Cx, &Controls::dragCx},
         {DragBox::Rho, &Controls::dragRho}}};
    for (const auto &[box, text] : boxes) {
        if (m_c.*text == target.*text)
            continue;
        dragBox_Change(box, target.*text);
        dragBox_LostFocus(box);
    }
}

void Simulation::restorePhotographs(const std::vector<exporttable::PhotoPosition> &positions)
{
    m_photoPositions = positions;
    retico();
    emit changed();
}

} // namespace orbane
