#include "calc/calculatormodel.h"

#include "calc/evaluator.h"
#include "calc/numbertext.h"

#include <QHash>
#include <cmath>

namespace orbane::calc {

double memoire = 0.0;

namespace {

using KeyHandler = std::function<void(CalculatorModel &)>;

// Control name -> action. Keys are never told apart by their captions.
QHash<QString, KeyHandler> buildKeyHandlers()
{
    QHash<QString, KeyHandler> t;
    const auto add = [&t](const QString &name, void (CalculatorModel::*action)(const QString &),
                          const QString &text) {
        t.insert(name, [action, text](CalculatorModel &m) { (m.*action)(text); });
    };
    for (int d = 0; d <= 9; ++d)
        add(QStringLiteral("B%1").arg(d), &CalculatorModel::appendKey, QString::number(d));

    const auto append = &CalculatorModel::appendKey;
    add(QStringLiteral("Bpoint"), append, QStringLiteral("."));
    add(QStringLiteral("BtoEXP"), append, QStringLiteral("E"));
    add(QStringLiteral("kilo"), append, QStringLiteral("E+3"));
    add(QStringLiteral("mega"), append, QStringLiteral("E+6"));
    add(QStringLiteral("giga"), append, QStringLiteral("E+9"));
    add(QStringLiteral("tera"), append, QStringLiteral("E+12"));
    add(QStringLiteral("mil"), append, QStringLiteral("E-3"));
    add(QStringLiteral("micro"), append, QStringLiteral("E-6"));
    add(QStringLiteral("nano"), append, QStringLiteral("E-9"));
    add(QStringLiteral("pico"), append, QStringLiteral("E-12"));
    add(QStringLiteral("bpf"), append, QStringLiteral(")"));

    const auto prefix = &CalculatorModel::prefixKey;
    add(QStringLiteral("pi"), prefix, numberText(4.0 * std::atan(1.0)));
    add(QStringLiteral("Bpo"), prefix, QStringLiteral("("));
    add(QStringLiteral("bsin"), prefix, QStringLiteral("sin "));
    add(QStringLiteral("Bcos"), prefix, QStringLiteral("cos "));
    add(QStringLiteral("Btan"), prefix, QStringLiteral("tan "));
    add(QStringLiteral("invsin"), prefix, QStringLiteral("invSIN "));
    add(QStringLiteral("invcos"), prefix, QStringLiteral("invCOS "));
    add(QStringLiteral("Btoncommande3"), prefix, QStringLiteral("invTAN "));
    add(QStringLiteral("Bln"), prefix, QStringLiteral("ln "));
    add(QStringLiteral("Blog"), prefix, QStringLiteral("log "));
    add(QStringLiteral("Bexp"), prefix, QStringLiteral("exp "));
    add(QStringLiteral("B10x"), prefix, QStringLiteral("10 ^ "));
    add(QStringLiteral("racine"), prefix, QStringLiteral("SQR "));
    add(QStringLiteral("Command5"), prefix, QStringLiteral("1 / "));

    add(QStringLiteral("puissance"), &CalculatorModel::answerKey, QStringLiteral(" ^ "));
    add(QStringLiteral("btcarre"), &CalculatorModel::answerKey, QStringLiteral(" ^ 2"));

    t.insert(QStringLiteral("multip"), &CalculatorModel::multip_Click);
    t.insert(QStringLiteral("div"), &CalculatorModel::div_Click);
    t.insert(QStringLiteral("plus"), &CalculatorModel::plus_Click);
    t.insert(QStringLiteral("moins"), &CalculatorModel::moins_Click);
    t.insert(QStringLiteral("ANS"), &CalculatorModel::ANS_Click);
    t.insert(QStringLiteral("EFFACE"), &CalculatorModel::EFFACE_Click);
    t.insert(QStringLiteral("RAZ"), &CalculatorModel::RAZ_Click);
    t.insert(QStringLiteral("EXE"), &CalculatorModel::EXE_Click);
    t.insert(QStringLiteral("Command1"), &CalculatorModel::Command1_Click);
    t.insert(QStringLiteral("Command2"), &CalculatorModel::Command2_Click);
    t.insert(QStringLiteral("Command3"), &CalculatorModel::Command3_Click);
    t.insert(QStringLiteral("Command4"), &CalculatorModel::Command4_Click);
    return t;
}

const QHash<QString, KeyHandler> &keyHandlers()
{
    static const QHash<QString, KeyHandler> table = buildKeyHandlers();
    return table;
}

// Keyboard characters that act as a key of the window.
const QHash<QChar, QString> &keyboardKeys()
{
    static const QHash<QChar, QString> table{
        {QChar(8), QStringLiteral("EFFACE")}, {QChar(13), QStringLiteral("EXE")},
        {u'(', QStringLiteral("Bpo")},        {u')', QStringLiteral("bpf")},
        {u'*', QStringLiteral("multip")},     {u'/', QStringLiteral("div")},
        {u'+', QStringLiteral("plus")},       {u'-', QStringLiteral("moins")},
        {u'^', QStringLiteral("puissance")},
    };
    return table;
}

bool endsWithAny(const QString &s, QStringView chars)
{
    return !s.isEmpty() && chars.contains(s.back());
}

NullDialogs g_nullDialogs;
NullBeeper g_nullBeeper;

} // namespace

CalculatorModel::CalculatorModel(const Services &services)
    : m_dialogs(services.dialogs ? services.dialogs : &g_nullDialogs),
      m_beeper(services.beeper ? services.beeper : &g_nullBeeper)
{
}

void CalculatorModel::setDisplayListener(std::function<void(const QString &)> listener)
{
    m_listener = std::move(listener);
}

void CalculatorModel::Form_Load()
{
    m_saisie.clear();
    m_radians = false;
    m_scientifique = false;
    show(QString());
}

bool CalculatorModel::press(const QString &key)
{
    const auto it = keyHandlers().constFind(key);
    if (it == keyHandlers().constEnd())
        return false;
    it.value()(*this);
    return true;
}

bool CalculatorModel::z1_KeyPress(QChar key)
{
    if ((key >= u'0' && key <= u'9') || key == u'.') {
        append(QString(key));
        return true;
    }
    // A French keyboard's decimal mark; the expression itself keeps the point.
    if (key == u',') {
        append(QStringLiteral("."));
        return true;
    }
    if (key == u'd' || key == u'e' || key == u'D' || key == u'E') {
        append(QStringLiteral("E"));
        return true;
    }
    const auto it = keyboardKeys().constFind(key);
    return it != keyboardKeys().constEnd() && press(it.value());
}

void CalculatorModel::angle_Click(int index)
{
    m_radians = index == 1;
}

void CalculatorModel::C_Click(int index)
{
    m_scientifique = index == 0;
    // Only just after a successful EXE: an error message is not a number to show again.
    if (!m_saisie.isEmpty() || m_erreur != CodeOk)
        return;
    if (const std::optional<double> v = readNumber(m_reponse)) {
        show(formatAnswer(*v));
    } else {
        show(texts::depassement);
        m_beeper->beep();
    }
}

void CalculatorModel::append(const QString &text)
{
    m_saisie += text;
    show(m_saisie);
}

void CalculatorModel::show(const QString &text)
{
    m_affichage = text;
    if (m_listener)
        m_listener(text);
}

// Keys that start a new operand multiply what stands before them.
void CalculatorModel::applyPrefixRule()
{
    if (!m_saisie.isEmpty() && !endsWithAny(m_saisie, u"(- "))
        m_saisie += QStringLiteral(" * ");
}

// Keys that need a left operand take the last answer when nothing was typed.
void CalculatorModel::applyAnswerRule()
{
    if (trimBlanks(m_saisie).isEmpty())
        ANS_Click();
}

void CalculatorModel::appendKey(const QString &text)
{
    append(text);
}

void CalculatorModel::prefixKey(const QString &text)
{
    applyPrefixRule();
    append(text);
}

void CalculatorModel::answerKey(const QString &text)
{
    applyAnswerRule();
    append(text);
}

void CalculatorModel::multip_Click()
{
    if (!trimBlanks(m_affichage).isEmpty())
        answerKey(QStringLiteral(" * "));
}

void CalculatorModel::div_Click()
{
    if (!trimBlanks(m_affichage).isEmpty())
        answerKey(QStringLiteral(" / "));
}

void CalculatorModel::plus_Click()
{
    if (trimBlanks(m_affichage).isEmpty())
        return;
    applyAnswerRule();
    // After E the sign belongs to the exponent.
    append(m_saisie.endsWith(u'E') ? QStringLiteral("+") : QStringLiteral(" + "));
}

void CalculatorModel::moins_Click()
{
    if (endsWithAny(m_saisie, u"( E") || m_saisie.isEmpty())
        append(QStringLiteral("-"));
    else if (m_saisie.endsWith(u'-'))
        append(QStringLiteral(" -"));
    else
        append(QStringLiteral(" - "));
}

void CalculatorModel::ANS_Click()
{
    // After an error there is no answer: the key only shows the expression again.
    append(m_erreur == CodeOk ? trimBlanks(m_reponse) : QString());
}

void CalculatorModel::EFFACE_Click()
{
    if (m_saisie.isEmpty())
        return;
    QString &s = m_saisie;
    const qsizetype n = s.size();
    if (s.back() != u' ') {
        s.chop(1);
    } else if (n >= 2 && QStringView(u"*+/-^").contains(s[n - 2])) {
        s.chop(std::min<qsizetype>(3, n)); // a whole operator token
    } else {
        // A function word with its blank ("cos ", "invSIN "): back to the blank or "(" before it.
        qsizetype i = n - 2;
        while (i >= 0 && s[i] != u' ' && s[i] != u'(')
            --i;
        s.truncate(std::max<qsizetype>(i + 1, 0));
    }
    show(s);
}

void CalculatorModel::RAZ_Click()
{
    m_saisie.clear();
    show(QString());
}

void CalculatorModel::EXE_Click()
{
    const QString copie = m_saisie;
    // The evaluator stops if the display is emptied, so this text stays during the evaluation.
    show(texts::patience);
    QString travail = m_saisie;
    Evaluator evaluator([this] { return trimBlanks(m_affichage).isEmpty(); });
    evaluator.calcule(travail, m_erreur, m_radians ? Radians : Degres);

    QString texte;
    if (m_erreur == CodeOk) {
        if (const std::optional<double> v = readNumber(travail)) {
            texte = formatAnswer(*v);
        } else {
            // 15 digits can round past the largest double; ANS must not insert this text.
            texte = texts::depassement;
            m_erreur = CodeImpossible;
        }
    } else {
        static const QString messages[] = {QString(), texts::impossible, texts::parentheses,
                                           texts::operateurs};
        texte = messages[m_erreur];
    }
    if (m_erreur != CodeOk)
        m_beeper->beep();
    show(texte);
    m_reponse = texte;
    m_saisie = m_erreur != CodeOk ? copie : QString();
}

QString CalculatorModel::formatAnswer(double value) const
{
    return m_scientifique ? scientificText(value) : spacedNumber(value);
}

void CalculatorModel::addToMemory(double sign)
{
    const std::optional<double> v = readNumber(m_affichage);
    const double sum = v ? memoire + sign * *v : 0.0;
    if (!v || !std::isfinite(sum)) {
        m_dialogs->message(texts::depassement, texts::titre, MsgIcon::Exclamation);
        return;
    }
    memoire = sum;
}

void CalculatorModel::Command1_Click()
{
    addToMemory(1.0);
}

void CalculatorModel::Command2_Click()
{
    addToMemory(-1.0);
}

void CalculatorModel::Command3_Click()
{
    append(m_scientifique ? scientificText(memoire) : numberText(memoire));
}

void CalculatorModel::Command4_Click()
{
    memoire = 0.0;
}

} // namespace orbane::calc
