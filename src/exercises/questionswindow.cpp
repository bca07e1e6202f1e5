#include "exercises/questionswindow.h"

#include "core/numberformat.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace orbane::exercises {

namespace {

constexpr int kWidth = 330;

void paintText(QLabel *label, const QColor &colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

} // namespace

QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Right:
        return QStringLiteral("Juste");
    case Verdict::TooLarge:
        return QStringLiteral("À revoir : trop grand");
    case Verdict::TooSmall:
        return QStringLiteral("À revoir : trop petit");
    case Verdict::NotANumber:
        break;
    }
    return QStringLiteral("Ce n'est pas un nombre");
}

QString revealText(const Question &question)
{
    const QString unit = question.unit.trimmed();
    return QStringLiteral("La valeur attendue est %1%2.")
        .arg(numfmt::general(question.expected),
             unit.isEmpty() ? QString() : QStringLiteral(" ") + unit);
}

QuestionsWindow::QuestionsWindow(const ExerciseRules &rules, Say say, QWidget *owner)
    // No close button: it closes with the exercise, and the menu has no item to bring it back.
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_reveal(rules.revealAfterTries), m_say(std::move(say))
{
    setObjectName(QStringLiteral("questions"));
    setWindowTitle(QStringLiteral("Questions"));
    setAccessibleName(QStringLiteral("Questions de l'exercice"));
    setFont(QFont(QStringLiteral("Arial"), 9));
    new QVBoxLayout(this);
    m_rows.reserve(rules.questions.size());
    int number = 0;
    for (const Question &q : rules.questions)
        addRow(q, ++number);
    static_cast<QVBoxLayout *>(layout())->addStretch();
    setFixedWidth(kWidth);
}

void QuestionsWindow::addRow(const Question &question, int number)
{
    const QString n = QString::number(number);
    auto *text = new QLabel(QStringLiteral("%1. %2").arg(n, question.text), this);
    text->setWordWrap(true);
    auto *answer = new QLineEdit(this);
    answer->setObjectName(QStringLiteral("answer") + n);
    answer->setAccessibleName(QStringLiteral("Réponse à la question ") + n);
    const QString unit = question.unit.trimmed();
    if (!unit.isEmpty())
        answer->setAccessibleDescription(QStringLiteral("En ") + unit);
    auto *button = new QPushButton(QStringLiteral("Vérifier"), this);
    button->setObjectName(QStringLiteral("verify") + n);
    button->setAccessibleName(QStringLiteral("Vérifier la réponse ") + n);
    auto *verdict = new QLabel(this);
    verdict->setObjectName(QStringLiteral("verdict") + n);
    verdict->setWordWrap(true);

    auto *line = new QHBoxLayout;
    line->addWidget(answer, 1);
    line->addWidget(new QLabel(unit, this));
    line->addWidget(button);
    auto *column = static_cast<QVBoxLayout *>(layout());
    column->addWidget(text);
    column->addLayout(line);
    column->addWidget(verdict);
    column->addSpacing(8);

    const std::size_t index = m_rows.size();
    m_rows.push_back({question, answer, verdict});
    connect(button, &QPushButton::clicked, this, [this, index] { check(index); });
    connect(answer, &QLineEdit::returnPressed, this, [this, index] { check(index); });
}

void QuestionsWindow::check(std::size_t index)
{
    Row &row = m_rows.at(index);
    const QString said = verdictOf(row);
    row.verdict->setText(said);
    row.verdict->setAccessibleName(said);
    if (m_say)
        m_say(said);
}

// A text that is not a number is not counted as a try.
QString QuestionsWindow::verdictOf(Row &row)
{
    const Verdict verdict = checkAnswer(row.question, row.answer->text());
    const bool right = verdict == Verdict::Right;
    paintText(row.verdict, right ? QColor(0, 128, 0) : QColor(170, 0, 0));
    if (verdict == Verdict::TooLarge || verdict == Verdict::TooSmall)
        ++row.wrongTries;
    QString said = verdictText(verdict);
    if (!right && m_reveal && row.wrongTries >= kTriesBeforeReveal)
        said += QStringLiteral(". ") + revealText(row.question);
    return said;
}

void QuestionsWindow::showBeside() { showBesideOwner(this); }

void showBesideOwner(QWidget *window)
{
    window->adjustSize();
    const QWidget *owner = window->parentWidget();
    QPoint at = owner->frameGeometry().topRight() + QPoint(8, 0);
    if (const QScreen *screen = owner->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(std::max(area.left(), std::min(at.x(), area.right() - window->width())));
    }
    window->move(at);
    window->show();
}

} // namespace orbane::exercises
