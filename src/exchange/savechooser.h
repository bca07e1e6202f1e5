#pragma once

#include <QByteArray>
#include <QString>

namespace orbane {
class Dialogs;
}

namespace orbane::exchange {

// Asks where to save a file, behind an interface so tests can script it.
class SaveChooser
{
public:
    virtual ~SaveChooser();
    // The chosen path, or empty when the user cancelled. filter is "Label|*.EXT"; the window
    // offers `suggestedName` ("pointage.py"), if any.
    virtual QString saveFileName(const QString &filter, const QString &defaultSuffix,
                                 const QString &suggestedName = QString()) = 0;
};

// Saves through saving::saveBytes; on failure the user reads `failed` with the file and the
// cause, under `title`, and the old file is as it was. A saved file's folder is where the next
// save window opens.
bool saveOrTell(const QString &path, const QByteArray &bytes, const QString &failed,
                const QString &title, Dialogs &dialogs);

} // namespace orbane::exchange
