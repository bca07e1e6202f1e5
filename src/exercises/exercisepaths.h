#pragma once

#include <QString>

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

} // namespace orbane::exercises
