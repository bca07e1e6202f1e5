#pragma once

#include "core/recordfile.h"
#include "exercises/exerciserules.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The records of an exercise file after its title, which carry its rules (layout in
// exercisefile.h).
namespace orbane::exercises {

inline constexpr int kRulesMarkerRecord = 12;
// The last record a reader of rules looks at: the marker, two records of flags, two per question.
inline constexpr int kLastRulesRecord = kRulesMarkerRecord + 2 + 2 * kMaxQuestions;
inline const QString kRulesMarker = QStringLiteral("Orbane 1S règles"); // then ' ' and the version
inline constexpr int kRulesVersion = 1;

// The rules of an exercise file image: plain rules when record 12 is not the marker. No value,
// and the cause in French, when the marker is there but what follows is not rules of this version.
std::optional<ExerciseRules> decodeRules(const QByteArray &image, QString *cause = nullptr);

// Sets records 12 on, only for rules that are not what a file without them reads as; false, with
// the cause in French, when a rule cannot be written.
bool encodeRules(const ExerciseRules &rules, records::Image &image, QString *cause = nullptr);

// Sets record n of an exercise file image; false, with the cause naming `what` in French, when
// the text does not fit.
bool setRecord(records::Image &image, int n, const QString &text, const QString &what,
               QString *cause);

} // namespace orbane::exercises
