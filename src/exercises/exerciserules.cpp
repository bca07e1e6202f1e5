#include "exercises/exerciserules.h"

#include "core/numberformat.h"

#include <algorithm>
#include <cmath>

namespace orbane::exercises {

bool ExerciseRules::plain() const
{
    return std::all_of(free.begin(), free.end(), [](bool b) { return b; }) &&
           std::none_of(hidden.begin(), hidden.end(), [](bool b) { return b; }) &&
           questions.empty();
}

Verdict checkAnswer(const Question &question, const QString &answer)
{
    const std::optional<double> value = numfmt::parse(answer);
    if (!value || !std::isfinite(*value))
        return Verdict::NotANumber;
    const double margin = std::abs(question.expected) * question.tolerance / 100.0;
    // A little slack for the decimal text of a value exactly at the edge.
    const double slack = 1e-9 * std::max(1.0, std::abs(question.expected));
    if (*value > question.expected + margin + slack)
        return Verdict::TooLarge;
    if (*value < question.expected - margin - slack)
        return Verdict::TooSmall;
    return Verdict::Right;
}

} // namespace orbane::exercises
