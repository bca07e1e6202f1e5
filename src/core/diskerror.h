#pragma once

#include <QString>

// What the system said about a file operation, told to the user in French.
namespace orbane::files {

// The cause of a failed call, from its errno: "le disque est plein", "l'accès est refusé"...
QString reasonFor(int errnum);

// Said of a device, a pipe or a socket where a file was expected.
QString notRegularReason();

// A message box's prompt followed by the file and the cause:
// "<prompt>\n\nFichier : <path>\nCause : <reason>."
QString explained(const QString &prompt, const QString &path, const QString &reason);

} // namespace orbane::files
