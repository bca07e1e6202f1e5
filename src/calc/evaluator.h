#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

// The calculator's expression evaluator. It works by rewriting text: the expression is brought
// to a canonical spaced form (" 2 + 3 * 4 ", " SIN 30 ", " LON (2 + 3) "), then the smallest
// computable piece (a function of a plain number, a bracket without functions, one binary
// operation) is replaced by the text of its value until one number remains.
namespace orbane::calc {

// Result codes of calcule.
enum CalcCode : qint16 {
    CodeOk = 0,
    CodeImpossible = 1, // arithmetic failure, unreadable value, no progress in 100 rounds
    CodeBrackets = 2,   // as many "(" as ")" are needed
    CodeOperators = 3,  // two of * / ^ in a row
};

// Angle modes.
enum AngleMode : qint16 { Degres = 0, Radians = 1 };

// Thrown by the computing steps on an arithmetic or reading failure; calcule turns it into
// CodeImpossible.
struct CalcFailure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// Asked before each scan of operations: true when the calculator's display line is empty, which
// stops the evaluation.
using DisplayEmpty = std::function<bool()>;

class Evaluator
{
public:
    explicit Evaluator(DisplayEmpty displayEmpty = {});

    // Evaluates expression; on CodeOk it holds the number text of the result (empty for an
    // empty expression), otherwise its content is undefined.
    void calcule(QString &expression, qint16 &code, qint16 mode);

    // Canonical form with "--", "+-", "-+", "++" collapsed and brackets around plain numbers
    // removed.
    void normalise(QString &expression);
    // Canonical spacing of tokens and the three-letter function codes.
    void decoupe(QString &expression);
    // Sets code 3 for two operators in a row and code 2 for unbalanced brackets.
    void verifie(const QString &expression, qint16 &code);
    // Sets nbpar, nbfonc and nbop.
    void compte(const QString &expression);
    // Replaces each function of a plain number by its value. Throws CalcFailure.
    void fonctions(QString &expression, qint16 mode);
    // Replaces the innermost brackets without functions by their value. Throws CalcFailure.
    void parentheses(QString &expression, qint16 mode);
    // Evaluates the binary operators in the passes ^ / * - +. Throws CalcFailure.
    void operations(QString &expression);

    int nbpar = 0;  // "(" characters
    int nbfonc = 0; // function codes
    int nbop = 0;   // operator tokens

    static constexpr int kMaxRounds = 100;

private:
    DisplayEmpty m_displayEmpty;
};

// One evaluation with a fresh evaluator.
void calcule(QString &expression, qint16 &code, qint16 mode, DisplayEmpty displayEmpty = {});

} // namespace orbane::calc
