#pragma once

#include "core/services.h"

#include <QString>
#include <functional>

namespace orbane::calc {

// The calculator's memory: 0 at program start, kept for the whole run across openings of the
// window.
extern double memoire;

// Texts the calculator shows on its display line.
namespace texts {
inline const QString patience = QStringLiteral("    Patience... Calculs en cours.     ");
inline const QString impossible = QStringLiteral("Calcul impossible");
inline const QString parentheses = QStringLiteral("Erreur saisie: revoir les parenthèses");
inline const QString operateurs =
    QStringLiteral("Erreur saisie: incompréhension sur opérateurs: ^ * / + -");
inline const QString depassement = QStringLiteral("Dépassement de capacité");
inline const QString titre = QStringLiteral("Machine à calculer");
} // namespace texts

// What the calculator does, without a window: the expression being typed (`saisie`), the
// display line, the last answer, the two option groups and every key. The window forwards its
// buttons and key presses here and shows the display text it is handed.
class CalculatorModel
{
public:
    explicit CalculatorModel(const Services &services = {});

    // Each opening of the window: empty expression and display, degrees, standard display.
    // The last answer and its code are kept.
    void Form_Load();

    // A key of the window by its control name ("B7", "bsin", "EXE"); false for an unknown one.
    bool press(const QString &key);
    // A character typed on the display line (8 backspace, 13 enter); false when it does nothing.
    bool z1_KeyPress(QChar key);

    void angle_Click(int index); // 0 degrees, 1 radians
    void C_Click(int index);     // 0 scientific, 1 standard: shows the last answer again

    const QString &saisie() const { return m_saisie; }
    const QString &reponse() const { return m_reponse; }
    const QString &affichage() const { return m_affichage; }

    // Called with the display's new text each time the calculator sets it.
    void setDisplayListener(std::function<void(const QString &)> listener);

    // Key actions, reached through press().
    void appendKey(const QString &text);
    void prefixKey(const QString &text); // the prefix rule, then the text
    void answerKey(const QString &text); // the answer rule, then the text
    void multip_Click();
    void div_Click();
    void plus_Click();
    void moins_Click();
    void ANS_Click();
    void EFFACE_Click();
    void RAZ_Click();
    void EXE_Click();
    void Command1_Click(); // M+
    void Command2_Click(); // M-
    void Command3_Click(); // RM
    void Command4_Click(); // CM

private:
    void append(const QString &text);
    void applyPrefixRule();
    void applyAnswerRule();
    void show(const QString &text);
    QString formatAnswer(double value) const;
    void addToMemory(double sign);

    Dialogs *m_dialogs;
    Beeper *m_beeper;
    std::function<void(const QString &)> m_listener;

    QString m_saisie;
    QString m_reponse;
    qint16 m_erreur = 0;
    QString m_affichage;
    bool m_radians = false;
    bool m_scientifique = false;
};

} // namespace orbane::calc
