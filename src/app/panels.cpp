#include "app/panels.h"

#include "app/colourchooser.h"
#include "app/hints.h"
#include "app/panelpaint.h"
#include "core/simulation.h"
#include "core/tables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <functional>

namespace orbane {

namespace {

// What each swatch colours, for screen readers and tool tips.
QString swatchName(int index)
{
    static const char *const names[] = {
        "Couleur du vecteur vitesse",
        "Couleur du vecteur variation de vitesse",
        "Couleur du vecteur v(t + Δt / 2)",
        "Couleur du vecteur - v(t - Δt / 2)",
        "Couleur des axes",
        "Couleur de la trajectoire",
        "Couleur des marques du centre d'inertie",
        "Couleur du vecteur poids",
        "Couleur des projections sur les axes",
        "Couleur du vecteur m·Δv/Δt",
        "Couleur de la force de frottement",
    };
    return QString::fromUtf8(names[index]);
}

} // namespace

ParameterBox *parameterBox(const QString &name, QWidget *parent, QRect geometry)
{
    auto *b = new ParameterBox(name, parent);
    b->setGeometry(geometry);
    b->setAlignment(Qt::AlignRight);
    return b;
}

Panel::Panel(const QString &name, const QString &accessibleName, const PanelContext &context,
             QWidget *parent)
    : QWidget(parent), m_ctx(context)
{
    setObjectName(name);
    setAccessibleName(accessibleName);
    setFont(QFont(QStringLiteral("Arial"), 8));
}

void Panel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(240, 235, 230));
    p.setPen(Qt::black);
    paintTexts(p);
}

void Panel::buildOptions(OptionTab tab)
{
    for (const Option &o : options()) {
        if (o.tab != tab)
            continue;
        auto *box = new QCheckBox(o.text(), this);
        box->setObjectName(o.name());
        box->move(o.x, o.y);
        box->adjustSize();
        // Whatever ticks the box (mouse, keyboard, an accessibility action), the option
        // follows; the panel's own updates of the box are silent.
        connect(box, &QCheckBox::toggled, this, [this, opt = &o](bool on) {
            m_ctx.sim.setOption(*opt, on);
        });
        if (o.hint)
            m_ctx.hints.add(box, o.hintText());
        m_options.emplace_back(&o, box);
    }
}

Swatch *Panel::addSwatch(int index, int x, int y)
{
    auto *s = new Swatch(index, this);
    s->setAccessibleName(swatchName(index));
    s->setToolTip(swatchName(index));
    s->move(x, y);
    connect(s, &Swatch::clicked, this, &Panel::chooseColour);
    m_ctx.hints.add(s, QStringLiteral("Modifier la couleur d'affichage"));
    m_swatches.push_back(s);
    return s;
}

const Swatch *Panel::swatch(int index) const
{
    const auto it = std::find_if(m_swatches.begin(), m_swatches.end(),
                                 [index](const Swatch *s) { return s->index() == index; });
    return it == m_swatches.end() ? nullptr : *it;
}

QCheckBox *Panel::optionBox(const char *objectName) const
{
    for (const auto &[o, box] : m_options)
        if (qstrcmp(o->objectName, objectName) == 0)
            return box;
    return nullptr;
}

void Panel::enableUnlessFixed(QWidget *control, bool enabled,
                              std::optional<FixableSetting> setting)
{
    const bool fixed = setting && !m_ctx.sim.locks().isFree(*setting);
    control->setEnabled(enabled && !fixed);
    m_ctx.hints.fix(control, fixed);
}

void Panel::orderFocusByPosition()
{
    std::vector<QWidget *> focusable;
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->focusPolicy() & Qt::TabFocus)
            focusable.push_back(w);
    std::stable_sort(focusable.begin(), focusable.end(), [](const QWidget *a, const QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(focusable[i - 1], focusable[i]);
}

void Panel::repaintWhenChanged(std::vector<quint32> shown)
{
    if (shown != m_painted) {
        m_painted = std::move(shown);
        update();
    }
}

void Panel::chooseColour(int index)
{
    if (const auto colour = m_ctx.colours.choose(m_ctx.sim.c.swatchColour(index), window()))
        m_ctx.sim.Label4_Chosen(index, *colour);
}

void Panel::refresh()
{
    const Controls &c = m_ctx.sim.c;
    for (const auto &[o, box] : m_options) {
        const QSignalBlocker block(box);
        box->setChecked(o->value(c));
        enableUnlessFixed(box, o->isEnabled(c, m_ctx.sim.d), settingOf(*o));
    }
    for (Swatch *s : m_swatches)
        s->setColour(c.swatchColour(s->index()));
}

ParametersPanel::ParametersPanel(const PanelContext &context, QWidget *parent)
    : Panel(QStringLiteral("Picture3"), QStringLiteral("Paramètres"), context, parent)
{
    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setAccessibleName(QStringLiteral("Lieu"));
    for (int i = 0; i < int(places().size()); ++i)
        m_combo1->addItem(placeName(i));
    m_combo1->setGeometry(84, 6, 120, 22);
    m_combo2 = new QComboBox(this);
    m_combo2->setObjectName(QStringLiteral("Combo2"));
    m_combo2->setAccessibleName(QStringLiteral("Projectile"));
    for (int i = 0; i < int(projectiles().size()); ++i)
        m_combo2->addItem(projectileName(i));
    m_combo2->setGeometry(84, 32, 170, 22);
    // Real labels rather than painted text: screen readers name a list by the label of which
    // it is the buddy.
    for (QComboBox *list : {m_combo1, m_combo2}) {
        auto *label = new QLabel(list == m_combo1 ? QStringLiteral("Lieu : ")
                                                  : QStringLiteral("Projectile : "),
                                 this);
        label->setGeometry(0, list->y(), list->x(), list->height());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(list);
        // The choice is read with the label, whichever way it came.
        list->setAccessibleDescription(list->currentText());
        connect(list, &QComboBox::currentTextChanged, list, &QWidget::setAccessibleDescription);
    }

    const QRect places[] = {{96, 80, 64, 21}, {96, 104, 64, 21}, {140, 146, 64, 21},
                            {140, 170, 64, 21}};
    // Named as the labels beside them read; the description says it in words.
    const char *const names[][2] = {
        {"x₀ (m)", "Abscisse initiale x0 en mètres"},
        {"y₀ (m)", "Hauteur initiale y0 en mètres"},
        {"v₀ (m.s⁻¹)", "Vitesse initiale v0 en mètres par seconde"},
        {"α₀ (- 180° à 180°)", "Angle de tir en degrés"},
    };
    for (int n = 1; n <= 4; ++n) {
        m_text[n] = parameterBox(QStringLiteral("Text%1").arg(n), this, places[n - 1]);
        m_text[n]->setAccessibleName(QString::fromUtf8(names[n - 1][0]));
        m_text[n]->setAccessibleDescription(QString::fromUtf8(names[n - 1][1]));
    }
    bindBoxes();
    context.hints.add(this, QStringLiteral("Vous pouvez modifier tous les paramètres : lieu, "
                                           "position et vitesse initiale."));
}

void ParametersPanel::bindBoxes()
{
    Simulation &sim = m_ctx.sim;
    // Lists report the user's choices only: the panel's own updates are silent.
    connect(m_combo1, &QComboBox::activated, &sim, &Simulation::Combo1_Click);
    connect(m_combo2, &QComboBox::activated, &sim, &Simulation::Combo2_Click);
    for (int n = 1; n <= 4; ++n) {
        ParameterBox *box = m_text[n];
        box->setFilter([&sim, n](QChar &key) {
            return sim.TextN_KeyPress(n, key) == Simulation::KeyResult::Accept
                       ? ParameterBox::Key::Accept
                       : ParameterBox::Key::Swallow;
        });
        connect(box, &ParameterBox::edited, this,
                [&sim, n](const QString &text) { sim.TextN_Change(n, text); });
        connect(box, &ParameterBox::focused, this, [&sim, n] { sim.TextN_GotFocus(n); });
        connect(box, &ParameterBox::applied, this, [&sim, n] { sim.TextN_LostFocus(n); });
    }
    connect(m_text[2], &ParameterBox::keySwallowed, &sim, [this] {
        m_ctx.sim.plusbouton();
        emit refreshRequested();
    });
}

QRect ParametersPanel::boxGeometry(int n) const { return m_text.at(n)->geometry(); }

namespace {

// Every row masked alike, so that the rows left named do not tell the hidden one.
void nameRows(QComboBox *list, const std::function<QString(int)> &name)
{
    for (int i = 0; i < list->count(); ++i)
        if (const QString text = name(i); list->itemText(i) != text)
            list->setItemText(i, text);
}

} // namespace

// What box n shows: its text, or the mark while the exercise hides its value.
QString ParametersPanel::boxText(int n) const
{
    const HiddenValues &h = m_ctx.sim.hidden();
    const bool hide =
        (n == 3 && h.isHidden(SecretValue::V0)) || (n == 4 && h.isHidden(SecretValue::Alpha));
    return masked::unless(hide, m_ctx.sim.c.box(n));
}

void ParametersPanel::refresh()
{
    const Controls &c = m_ctx.sim.c;
    const HiddenValues &h = m_ctx.sim.hidden();
    m_combo1->setCurrentIndex(c.Combo1);
    m_combo2->setCurrentIndex(c.Combo2);
    enableUnlessFixed(m_combo1, true, FixableSetting::Place);
    enableUnlessFixed(m_combo2, true, FixableSetting::Projectile);
    // After the fixing, which keeps the description it replaces: a list's description is its
    // text, masked or shown again here.
    nameRows(m_combo1, [&h](int i) { return masked::placeName(h, i); });
    nameRows(m_combo2, [&h](int i) { return masked::projectileName(h, i); });
    for (int n = 1; n <= 4; ++n) {
        if (const QString shown = boxText(n); m_text[n]->text() != shown)
            m_text[n]->showText(shown);
        enableUnlessFixed(m_text[n], true, boxSetting(n));
    }
    Panel::refresh();
    repaintWhenChanged({c.Label4[0]});
}

void ParametersPanel::paintTexts(QPainter &p)
{
    paintParametersPanel(p, {boxGeometry(1), boxGeometry(2), boxGeometry(3), boxGeometry(4)},
                         m_ctx.sim.c.Label4[0]);
}

void ScriptWriter::text(const QString &s, int dy, int pointSize)
{
    const QFont saved = p.font();
    if (pointSize > 0) {
        QFont f = saved;
        f.setPointSize(pointSize);
        p.setFont(f);
    }
    p.drawText(QPointF(pos.x(), pos.y() + dy), s);
    pos.rx() += QFontMetricsF(p.font()).horizontalAdvance(s);
    p.setFont(saved);
}

} // namespace orbane
