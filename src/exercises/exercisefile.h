#pragma once

#include "exercises/exerciserules.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Exercise files (".E20", and the getting-started "ORBANE.PEM"): record files (recordfile.h)
// naming the statement, its configuration, the correction and its configuration, with the
// difficulty, the notions and the title. Names in them are relative to the exercise file's folder.
//   1 statement (rich text)        2 its configuration (".P08")
//   3 correction (rich text)       4 its configuration
//   5 difficulty, 0 to 3           6 unused
//   7 to 10 notion lines           11 title
// The rules follow; readers of the first eleven records alone open such a file as a plain one.
//   12 "Orbane 1S règles 1", the marker with the layout's version. Without it (no record 12, or
//      a text that does not start with "Orbane 1S règles") the rules are plain: bytes after
//      record 11 are never taken for rules. Another version refuses the file.
//   13 the settings left free, '0' or '1' per Setting in its order: "111110111"
//   14 the values hidden, '0' or '1' per Secret in its order; ';' and '1' when the expected
//      value is shown after kTriesBeforeReveal tries; ';' and the number of questions, 0 to 5:
//      "0100;1;2"
//   15, 16 the first question: its text; then "expected;tolerance;unit", the numbers written as
//      the configuration files write them (decimal comma, up to 15 significant digits, hence
//      the ';'), the unit being the rest of the record: "9,81;5;m.s⁻²"
//   17, 18 the second question, and so on; records after the last question are ignored.
// Records 1 to 14 are code page 1252; the questions' records are UTF-8 ("⁻" and "²" of the
// units), which no older reader reads. Rules are written only when they differ from what a file
// without them reads as, so a plain exercise is the same eleven records as ever.
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
// blank; a record whose length field does not fit, or rules that are not whole and well
// formed, make the file unreadable: no value, and the cause in French.
std::optional<ExerciseFile> parseExercise(const QByteArray &image, QString *cause = nullptr);

// Reads an exercise file without creating or changing it; no value when it cannot be read or
// is not a regular file. When the file was read but its content is refused, `refusal` gets
// the message for the user, naming the file and the cause; it is left alone when the file
// itself could not be read.
std::optional<ExerciseFile> readExercise(const QString &path, QString *refusal = nullptr);

// Builds the image of an exercise file; no value, and the cause in French, when a field does
// not fit in a record or a rule cannot be written.
std::optional<QByteArray> buildExercise(const ExerciseFile &exercise, QString *cause = nullptr);

// The numeric value of a record: its leading whole number ("2 niveaux" reads as 2).
int leadingNumber(const QString &text);

} // namespace orbane::exercises
