#pragma once

#include "exercises/exerciserules.h"

#include <QWidget>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;

namespace orbane::exercises {

// "Questions": the questions of the open exercise, each with a box for the answer and its unit,
// a "Vérifier" button and the verdict, which never gives the expected value away unless the
// exercise reveals it after a few tries. A tool window beside the main window, which owns it:
// the main window has no room left for it.
class QuestionsWindow final : public QWidget
{
    Q_OBJECT
public:
    using Say = std::function<void(const QString &)>;
    // say: gives the verdict to the screen reader where the focus is.
    QuestionsWindow(const ExerciseRules &rules, Say say, QWidget *owner);

    // Shows it at the owner's right, or as far right as its screen allows.
    void showBeside();
    // The answer of question `index` (from 0) checked, as "Vérifier" does.
    void check(std::size_t index);

private:
    struct Row
    {
        Question question;
        QLineEdit *answer = nullptr;
        QLabel *verdict = nullptr;
        int wrongTries = 0;
    };
    void addRow(const Question &question, int number);
    QString verdictOf(Row &row);

    std::vector<Row> m_rows;
    bool m_reveal;
    Say m_say;
};

// What the window says of an answer: "Juste", "À revoir : trop grand"...
QString verdictText(Verdict verdict);
// "La valeur attendue est 3,71 m.s⁻²."
QString revealText(const Question &question);

// Shows a window at its owner's right, kept on the owner's screen.
void showBesideOwner(QWidget *window);

} // namespace orbane::exercises
