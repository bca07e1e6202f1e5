#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

// What a teacher's exercise asks of the pupil beyond a statement: the settings left free, the
// values hidden, and the questions the program checks. An exercise without any is a plain one.
namespace orbane::exercises {

// The settings a teacher can leave free or fix, in this order in the file.
enum class Setting { Place, Projectile, X0, Y0, V0, Alpha, Interval, Vectors, Display };
inline constexpr int kSettings = 9;

// The values a teacher can hide, in this order in the file.
enum class Secret { G, Mass, V0, Alpha };
inline constexpr int kSecrets = 4;

inline constexpr int kMaxQuestions = 5;
inline constexpr int kTriesBeforeReveal = 3;

struct Question
{
    QString text;            // "Quelle est la valeur de g ?"
    double expected = 0.0;
    QString unit;            // "m.s⁻²"
    double tolerance = 5.0;  // per cent of the expected value
};

struct ExerciseRules
{
    std::array<bool, kSettings> free{true, true, true, true, true, true, true, true, true};
    std::array<bool, kSecrets> hidden{};
    std::vector<Question> questions; // at most kMaxQuestions
    bool revealAfterTries = false;   // the expected value is shown after kTriesBeforeReveal tries

    bool isFree(Setting s) const { return free[std::size_t(s)]; }
    bool isHidden(Secret s) const { return hidden[std::size_t(s)]; }
    // Everything free, nothing hidden, no question: what an older exercise is.
    bool plain() const;
};

// The pupil's answer against the expected value, at the tolerance's edges included.
enum class Verdict { Right, TooLarge, TooSmall, NotANumber };
Verdict checkAnswer(const Question &question, const QString &answer);

} // namespace orbane::exercises
