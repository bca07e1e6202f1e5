#pragma once

#include <QString>
#include <optional>

namespace orbane::config {

// The path the save window writes to, from the typed name and the folder its lists show.
// Blanks around are dropped and every extension of the file name is removed (a dot in a folder
// name stays); a name without a folder goes into `folder`; ".P08" is appended. Nothing is
// returned when no file name is left (blank, or made only of extensions such as ".P08").
std::optional<QString> savePath(const QString &typed, const QString &folder);

// When `path` does not exist but the same file exists with its ".P08" written in another case
// (the file list shows both), that file's path; otherwise `path`.
QString existingSpelling(const QString &path);

} // namespace orbane::config
