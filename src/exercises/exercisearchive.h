#pragma once

#include "exercises/exercisefile.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// An exercise as one file to hand on (".e20z"): a zip archive holding its exercise file and the
// files it names, side by side. Zip is what mail and school networks let through; a suffix of
// its own lets the desktop send these files to the program without claiming every zip.
namespace orbane::exercises {

// ".e20z"
QString archiveSuffix();
// Whether the path names an exercise archive, by its suffix whatever its case.
bool isExerciseArchive(const QString &path);

// What an archive may hold, unpacked: an exercise is five files at most, its texts 4 Mo each.
inline constexpr int kMaxArchiveEntries = 8;
inline constexpr qint64 kMaxArchiveEntryBytes = 4 * 1024 * 1024;
inline constexpr qint64 kMaxArchiveBytes = 16 * 1024 * 1024;

struct ArchiveEntry
{
    QString name; // a plain file name: no folder, not hidden
    QByteArray bytes;
};

// The archive of the exercise file `exercisePath` and of every file it names that exists in
// its folder. No value, and the cause in French, when the exercise cannot be read or one of
// those files cannot be put in (in a sub-folder, not a regular file, over the limits).
std::optional<QByteArray> packExercise(const QString &exercisePath, QString *cause);

// The checked entries of an archive file: plain names of regular files, within the limits, one
// exercise file (".E20") among them. No value, and the message naming the archive, when refused.
std::optional<std::vector<ArchiveEntry>> readArchive(const QString &archivePath, QString *refusal);

// The exercise file among checked entries.
const ArchiveEntry &exerciseEntry(const std::vector<ArchiveEntry> &entries);

// The exercise file inside an archive, read without unpacking it (the chooser's preview).
std::optional<ExerciseFile> readArchivedExercise(const QString &archivePath, QString *refusal);

// Where an archive is unpacked: "<place>/Exercices/<the archive's name without its suffix>".
QString unpackFolder(const QString &place, const QString &archivePath);

// Writes the archive's entries into `folder` (made when missing) as one save, replacing the
// files of an earlier unpacking; returns the exercise file's path. No value, and the message
// naming the archive, when it is refused or could not be written: then nothing was written.
std::optional<QString> unpackArchive(const QString &archivePath, const QString &folder,
                                     QString *refusal);

} // namespace orbane::exercises
