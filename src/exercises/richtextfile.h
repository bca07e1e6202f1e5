#pragma once

#include "core/regularfile.h"
#include "core/savefile.h"
#include "exercises/rtfreader.h"

#include <QString>


// Rich-text files on disk (no widgets).
namespace orbane::rtf {

struct LoadResult
{
    files::Problem problem = files::Problem::None; // what kept the file from being read
    bool notRtf = false;                           // read, but not a rich text
    QString reason;                                // why it failed, in French
    bool ok() const { return problem == files::Problem::None && !notRtf; }
    explicit operator bool() const { return ok(); }
    bool missing() const { return problem == files::Problem::Missing; }
};

// Loads an RTF file into the document; on failure the document is untouched and the result
// says why. Only a regular file is opened (a pipe or a device never blocks the program) and one
// over kMaxTextSize is not read at all. The progress, when given, follows the reading.
LoadResult loadFile(const QString &path, QTextDocument &doc, Progress *progress = nullptr);

// Saves the document as RTF in one step (saving::saveFile): on failure any old file is left
// as it was, and the reason is given.
saving::SaveResult saveFile(const QTextDocument &doc, const QString &path);

} // namespace orbane::rtf
