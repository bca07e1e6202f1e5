#include "pointage/notebook.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <cmath>

namespace orbane::pointage {

NotebookData notebookData(const Measurement &m, const VectorColours &colours, const QString &title,
                          NotebookVersion version)
{
    NotebookData d;
    for (int i = 0; i < m.count(); ++i) {
        d.t.push_back(m.time(i));
        d.x.push_back(m.position(i).x());
        d.y.push_back(m.position(i).y());
    }
    d.masse = m.masse();
    d.g = m.g();
    d.scheme = m.scheme();
    d.colours = colours;
    d.title = title;
    d.version = version;
    return d;
}

namespace {

// Python reads it back to the same double: the shortest text that round-trips, always a float.
QString pythonNumber(double v)
{
    if (!std::isfinite(v))
        return std::isnan(v)
                   ? QStringLiteral("float(\"nan\")")
                   : (v > 0 ? QStringLiteral("float(\"inf\")") : QStringLiteral("-float(\"inf\")"));
    QString s = QString::number(v, 'g', QLocale::FloatingPointShortest);
    if (!s.contains(QLatin1Char('.')) && !s.contains(QLatin1Char('e')))
        s += QStringLiteral(".0");
    return s;
}

QString pythonList(const std::vector<double> &values)
{
    QStringList items;
    for (double v : values)
        items << pythonNumber(v);
    return QLatin1Char('[') + items.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString pythonString(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString colour(Rgb c)
{
    return QStringLiteral("\"#%1\"").arg(c, 6, 16, QLatin1Char('0'));
}

QJsonArray sourceLines(const QString &text)
{
    QJsonArray lines;
    const QStringList parts = text.trimmed().split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < parts.size(); ++i)
        lines.append(i + 1 < parts.size() ? parts[i] + QLatin1Char('\n') : parts[i]);
    return lines;
}

class Cells
{
public:
    void markdown(const QString &text) { add(QStringLiteral("markdown"), text); }
    void code(const QString &text) { add(QStringLiteral("code"), text); }
    const QJsonArray &all() const { return m_cells; }

private:
    void add(const QString &type, const QString &text)
    {
        QJsonObject c{{QStringLiteral("cell_type"), type},
                      {QStringLiteral("id"), QStringLiteral("cellule-%1").arg(m_cells.size() + 1)},
                      {QStringLiteral("metadata"), QJsonObject()},
                      {QStringLiteral("source"), sourceLines(text)}};
        if (type == QLatin1String("code")) {
            c.insert(QStringLiteral("execution_count"), QJsonValue::Null);
            c.insert(QStringLiteral("outputs"), QJsonArray());
        }
        m_cells.append(c);
    }
    QJsonArray m_cells;
};

// The two versions differ only in the computing lines: the pupil's has None in their place.
class Writer
{
public:
    explicit Writer(const NotebookData &d)
        : m_d(d), m_centred(d.scheme == Scheme::Centred),
          m_before(pick(QStringLiteral("i - 1"), QStringLiteral("i")))
    {
    }
    QByteArray json();

private:
    // `indent` then "name = formula", or the line to complete.
    QString compute(const QString &indent, const QString &name, const QString &formula,
                    const QString &hint) const
    {
        if (m_d.version == NotebookVersion::Teacher)
            return indent + name + QStringLiteral(" = ") + formula;
        return indent + name + QStringLiteral(" = None  # À compléter : ") + hint;
    }
    // The same for x then y: %1 in `name`, `formula` and `hint` is the axis, %2 in `formula`
    // the index before i that the scheme takes.
    QString computeXY(const QString &indent, const QString &name, const QString &formula,
                      const QString &hint) const
    {
        QStringList lines;
        for (const char *axis : {"x", "y"}) {
            const QString a = QLatin1String(axis);
            lines << compute(indent, name.arg(a),
                             QString(formula)
                                 .replace(QStringLiteral("%2"), m_before)
                                 .replace(QStringLiteral("%1"), a),
                             hint.arg(a));
        }
        return lines.join(QLatin1Char('\n'));
    }
    QString pick(const QString &centred, const QString &forward) const
    {
        return m_centred ? centred : forward;
    }
    void introduction();
    void data();
    void velocities();
    void variations();
    void secondLaw();
    void figure();
    void energies();
    void values();

    const NotebookData &m_d;
    const bool m_centred;
    const QString m_before; // i - 1 centred, i forward
    Cells m_cells;
};

void Writer::introduction()
{
    const bool pupil = m_d.version == NotebookVersion::Pupil;
    QString text =
        QStringLiteral("# Pointage : %1\n\n"
                       "Carnet exporté par Orbane 1S (version %2). À partir des points "
                       "mesurés, on calcule les vecteurs vitesse, leurs variations, on "
                       "compare $m\\,\\dfrac{\\Delta\\vec{v}}{\\Delta t}$ au poids "
                       "$\\vec{P} = m\\,\\vec{g}$ (deuxième loi de Newton), puis on étudie "
                       "les énergies.\n\n")
            .arg(m_d.title.isEmpty() ? QStringLiteral("mesure") : m_d.title,
                 pupil ? QStringLiteral("élève") : QStringLiteral("professeur"));
    text += pupil ? QStringLiteral("Complétez les lignes marquées `# À compléter`, puis exécutez "
                                   "toutes les cellules dans l'ordre. Tant qu'une ligne n'est pas "
                                   "complétée, le carnet s'exécute quand même : les figures et les "
                                   "tableaux laissent de côté ce qui n'est pas encore calculé.")
                  : QStringLiteral("Exécutez toutes les cellules dans l'ordre.");
    m_cells.markdown(text);
    m_cells.code(QStringLiteral(R"PY(
import math

import matplotlib.pyplot as plt
from matplotlib.ticker import FuncFormatter


def virgule(valeur, _position=None):
    """Un nombre écrit avec la virgule décimale : 0,5 et non 0.5."""
    return f"{round(valeur, 6) + 0.0:g}".replace(".", ",")


def texte(valeur, decimales=2):
    """Une valeur à afficher, arrondie, avec la virgule décimale."""
    return f"{valeur:.{decimales}f}".replace(".", ",")
)PY"));
}

void Writer::data()
{
    m_cells.markdown(QStringLiteral(
        "## Les mesures\n\nDates $t$ (s) et positions $x$, $y$ (m, axe $y$ vers le haut) des "
        "points, telles que le tableau d'Orbane 1S les donne ; la masse $m$ du projectile et "
        "l'intensité $g$ de la pesanteur."));
    m_cells.code(
        QStringLiteral("# Mesures : dates (s) et positions (m) des points.\n"
                       "t = %1\nx = %2\ny = %3\n\n"
                       "m = %4  # masse du projectile (kg)\n"
                       "g = %5  # intensité de la pesanteur (N/kg)\n"
                       "titre = %6\n\n"
                       "# Couleurs des vecteurs, celles choisies dans Orbane 1S.\n"
                       "couleur_vitesse = %7\ncouleur_variation = %8\ncouleur_poids = %9\n\n"
                       "n = len(t)  # nombre de points")
            .arg(pythonList(m_d.t), pythonList(m_d.x), pythonList(m_d.y), pythonNumber(m_d.masse),
                 pythonNumber(m_d.g), pythonString(m_d.title), colour(m_d.colours.velocity),
                 colour(m_d.colours.variation), colour(m_d.colours.weight)));
}

void Writer::velocities()
{
    m_cells.markdown(pick(
        QStringLiteral(
            "## Les vecteurs vitesse (schéma centré)\n\n"
            "$$\\vec{v}_i = \\frac{\\overrightarrow{M_{i-1}M_{i+1}}}{t_{i+1} - t_{i-1}}$$\n\n"
            "soit $v_{x,i} = \\dfrac{x_{i+1} - x_{i-1}}{t_{i+1} - t_{i-1}}$ et de même pour $y$. "
            "Le premier et le dernier point n'ont pas de vitesse."),
        QStringLiteral(
            "## Les vecteurs vitesse (schéma avant)\n\n"
            "$$\\vec{v}_i = \\frac{\\overrightarrow{M_iM_{i+1}}}{t_{i+1} - t_i}$$\n\n"
            "soit $v_{x,i} = \\dfrac{x_{i+1} - x_i}{t_{i+1} - t_i}$ et de même pour $y$. "
            "Le dernier point n'a pas de vitesse.")));
    m_cells.code(QStringLiteral("# Vitesse au point i (m/s) ; None là où elle ne peut pas être "
                                "calculée.\nvx = [None] * n\nvy = [None] * n\nfor i in %1:\n")
                     .arg(pick(QStringLiteral("range(1, n - 1)"), QStringLiteral("range(n - 1)"))) +
                 computeXY(QStringLiteral("    "), QStringLiteral("v%1[i]"),
                           QStringLiteral("(%1[i + 1] - %1[%2]) / (t[i + 1] - t[%2])"),
                           QStringLiteral("vitesse selon %1 au point i (m/s)")));
}

void Writer::variations()
{
    m_cells.markdown(pick(
        QStringLiteral("## Les variations du vecteur vitesse\n\n"
                       "$$\\Delta\\vec{v}_i = \\vec{v}_{i+1} - \\vec{v}_{i-1} \\quad\\text{pendant}"
                       "\\quad \\Delta t_i = t_{i+1} - t_{i-1}$$"),
        QStringLiteral("## Les variations du vecteur vitesse\n\n"
                       "$$\\Delta\\vec{v}_i = \\vec{v}_{i+1} - \\vec{v}_i \\quad\\text{pendant}"
                       "\\quad \\Delta t_i = t_{i+1} - t_i$$")));
    m_cells.code(
        QStringLiteral("# Variation de vitesse au point i (m/s), pendant la durée dt[i] (s).\n"
                       "dvx = [None] * n\ndvy = [None] * n\ndt = [None] * n\nfor i in %1:\n"
                       "    dt[i] = t[i + 1] - t[%2]\n")
            .arg(pick(QStringLiteral("range(2, n - 2)"), QStringLiteral("range(n - 2)")),
                 m_before) +
        computeXY(QStringLiteral("    "), QStringLiteral("dv%1[i]"),
                  QStringLiteral("v%1[i + 1] - v%1[%2]"),
                  QStringLiteral("variation de vitesse selon %1 (m/s)")));
}

void Writer::secondLaw()
{
    const QString indent = QStringLiteral("        ");
    m_cells.markdown(QStringLiteral(
        "## La deuxième loi de Newton\n\n"
        "Dans le vide, le projectile n'est soumis qu'à son poids : "
        "$m\\,\\dfrac{\\Delta\\vec{v}}{\\Delta t}$ doit être égal à $\\vec{P} = m\\,\\vec{g}$, "
        "vertical, vers le bas, de valeur $P = m\\,g$."));
    m_cells.code(QStringLiteral("# m·Δv/Δt au point i (N), là où Δv existe.\n"
                                "fx = [None] * n\nfy = [None] * n\nfor i in range(n):\n"
                                "    if dvx[i] is not None and dvy[i] is not None:\n") +
                 computeXY(indent, QStringLiteral("f%1[i]"), QStringLiteral("m * dv%1[i] / dt[i]"),
                           QStringLiteral("m·Δv/Δt selon %1 (N)")) +
                 QStringLiteral(R"PY(

P = m * g  # poids (N)
calcules = [i for i in range(n) if fx[i] is not None and fy[i] is not None]
print("Point    t (s)    m·Δv/Δt (N)    P (N)")
for i in calcules:
    print(f"{i + 1:5d}   {texte(t[i], 3):>6}   {texte(math.hypot(fx[i], fy[i])):>11}   {texte(P):>6}")
if not calcules:
    print("m·Δv/Δt n'est pas encore calculé : complétez les cellules ci-dessus.")
)PY"));
}

void Writer::figure()
{
    m_cells.markdown(QStringLiteral(
        "## La figure\n\nLes points, les vecteurs vitesse, les vecteurs "
        "$m\\,\\dfrac{\\Delta\\vec{v}}{\\Delta t}$ et le poids $\\vec{P}$, dans les couleurs "
        "d'Orbane 1S. Chaque sorte de vecteurs a son échelle, donnée dans la légende ; "
        "$m\\,\\dfrac{\\Delta\\vec{v}}{\\Delta t}$ et $\\vec{P}$ ont la même."));
    m_cells.code(
        QStringLiteral(R"PY(
# Vecteurs à tracer, aux points qui les ont.
iv = [i for i in range(n) if vx[i] is not None and vy[i] is not None]
idv = calcules
ip = idv if idv else list(range(n))
px = [0.0] * n
py = [-P] * n

)PY") + pythonVectorFigure() +
        QStringLiteral(
            R"PY(# Sous les graduations et le nom de l'axe, quelle que soit la hauteur de la figure.
ax.legend(loc="upper center", bbox_to_anchor=(0.5, 0), borderaxespad=3, ncol=2)
ax.set_title(titre)
plt.show()
)PY"));
}

void Writer::energies()
{
    m_cells.markdown(QStringLiteral(
        "## Les énergies\n\n"
        "Énergie cinétique $E_c = \\frac{1}{2}\\,m\\,v^2$, énergie potentielle de pesanteur "
        "$E_{pp} = m\\,g\\,y$ (nulle en $y = 0$) et énergie mécanique $E_m = E_c + E_{pp}$, "
        "en joules. Dans le vide, $E_m$ reste constante."));
    const QString indent = QStringLiteral("    "), inner = QStringLiteral("        ");
    m_cells.code(
        QStringLiteral("# Énergies au point i (J) ; Ec et Em là où la vitesse existe.\n"
                       "Ec = [None] * n\nEpp = [None] * n\nEm = [None] * n\nfor i in range(n):\n") +
        compute(indent, QStringLiteral("Epp[i]"), QStringLiteral("m * g * y[i]"),
                QStringLiteral("énergie potentielle de pesanteur (J)")) +
        QStringLiteral("\n    if vx[i] is not None and vy[i] is not None:\n") +
        compute(inner, QStringLiteral("Ec[i]"),
                QStringLiteral("0.5 * m * (vx[i] ** 2 + vy[i] ** 2)"),
                QStringLiteral("énergie cinétique (J)")) +
        QLatin1Char('\n') +
        compute(inner, QStringLiteral("Em[i]"), QStringLiteral("Ec[i] + Epp[i]"),
                QStringLiteral("énergie mécanique (J)")) +
        QStringLiteral(R"PY(


def case(valeur):
    """Une case du tableau : la valeur, ou un tiret si elle n'est pas calculée."""
    return "—" if valeur is None else texte(valeur, 3)


print("Point    t (s)     Ec (J)    Epp (J)     Em (J)")
for i in range(n):
    print(f"{i + 1:5d}   {texte(t[i], 3):>6}   {case(Ec[i]):>8}   {case(Epp[i]):>8}   {case(Em[i]):>8}")

fig, ax = plt.subplots()
for valeurs, nom in ((Ec, "Ec"), (Epp, "Epp"), (Em, "Em")):
    connus = [i for i in range(n) if valeurs[i] is not None]
    if connus:
        ax.plot([t[i] for i in connus], [valeurs[i] for i in connus], "o-", label=nom)
ax.xaxis.set_major_formatter(FuncFormatter(virgule))
ax.yaxis.set_major_formatter(FuncFormatter(virgule))
ax.set_xlabel("t (s)")
ax.set_ylabel("énergie (J)")
if ax.lines:
    ax.legend()
ax.set_title("Énergies en fonction du temps")
plt.show()
)PY"));
}

void Writer::values()
{
    m_cells.markdown(QStringLiteral(
        "## Les valeurs calculées\n\nUne ligne par point : numéro, t, x, y, vx, vy, v, Δvx, Δvy, "
        "m·Δv/Δt, Ec, Epp, Em, en unités SI (None : pas calculée). Pour comparer avec Orbane 1S "
        "ou un tableur."));
    m_cells.code(QStringLiteral(R"PY(
for i in range(n):
    v = None if vx[i] is None or vy[i] is None else math.hypot(vx[i], vy[i])
    F = None if fx[i] is None or fy[i] is None else math.hypot(fx[i], fy[i])
    ligne = (t[i], x[i], y[i], vx[i], vy[i], v, dvx[i], dvy[i], F, Ec[i], Epp[i], Em[i])
    print("point", i, *[repr(valeur) for valeur in ligne])
)PY"));
}

QByteArray Writer::json()
{
    introduction();
    data();
    velocities();
    variations();
    secondLaw();
    figure();
    energies();
    values();
    const QJsonObject kernel{
        {QStringLiteral("display_name"), QStringLiteral("Python 3 (ipykernel)")},
        {QStringLiteral("language"), QStringLiteral("python")},
        {QStringLiteral("name"), QStringLiteral("python3")}};
    const QJsonObject metadata{{QStringLiteral("kernelspec"), kernel},
                               {QStringLiteral("language_info"),
                                QJsonObject{{QStringLiteral("name"), QStringLiteral("python")}}}};
    const QJsonObject root{{QStringLiteral("cells"), m_cells.all()},
                           {QStringLiteral("metadata"), metadata},
                           {QStringLiteral("nbformat"), 4},
                           {QStringLiteral("nbformat_minor"), 5}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace

QByteArray notebook(const NotebookData &data)
{
    return Writer(data).json();
}

} // namespace orbane::pointage
