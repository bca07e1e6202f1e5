#pragma once

#include <QString>
#include <optional>

// File names as exercise files hold them: relative to the exercise's folder, written on
// another system ("\" between folders, any letter case).
namespace orbane::exercises {

// The folder with one "/" at its end.
QString withSeparator(const QString &folder);
// The folder of a file path, with its "/".
QString folderOf(const QString &filePath);
// folder + name, where the name's "\" become "/" and each part that does not exist as
// written is matched whatever its case. The plain join when nothing matches.
QString resolve(const QString &folder, const QString &name);
// As resolve, for a name that an exercise file holds: it names a file of the exercise's own
// folder (or of a folder below it). No value for an absolute name ("/x", "\\x", "C:\\x") or
// one whose ".." leave the folder.
std::optional<QString> resolveInside(const QString &folder, const QString &name);

} // namespace orbane::exercises
