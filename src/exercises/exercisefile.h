#pragma once

#include "exercises/exerciserules.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Exercise files (".E20", and the getting-started "ORBANE.PEM"): record files naming the
// statement, its configuration, the correction and its configuration, with the difficulty,
// the notions and the title. Names in them are relative to the exercise file's folder.
namespace orbane::exercises {

struct ExerciseFile
{
    static constexpr int kRecords = 11;
    enum Rec { Statement = 1, Configuration, Correction, CorrectionConfiguration, Level,
               Unused, Notions1, Notions2, Notions3, Notions4, Title };

    QString statement;
    QString configuration;
    QString correction;
    QString correctionConfiguration;
    int level = 0;         // difficulty, 0 to 3 in practice
    QStringList notions;   // the notion lines that are not blank, as stored
    QString title;         // trimmed
    ExerciseRules rules;   // from the records after the title; plain when there are none

    // Corrected when it names a correction or a correction's configuration.
    bool corrected() const;
};

// Decodes the records of an exercise file image. A record past the end of the file reads as
// blank; a record whose length field does not fit makes the file unreadable (no value).
std::optional<ExerciseFile> parseExercise(const QByteArray &image);

// Reads an exercise file without creating or changing it; no value when it cannot be read or
// is not a regular file.
std::optional<ExerciseFile> readExercise(const QString &path);

// Builds the image of an exercise file; no value when a field does not fit in a record.
std::optional<QByteArray> buildExercise(const ExerciseFile &exercise);

// The numeric value of a record: its leading whole number ("2 niveaux" reads as 2).
int leadingNumber(const QString &text);

} // namespace orbane::exercises
