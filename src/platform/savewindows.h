#pragma once

class QDialog;
class QFileDialog;
class QString;

// What every file window of the program shares about folders.
namespace orbane {

// The home and documents folders beside the folder tree (Qt's own window; a desktop's native
// window has its own).
void addFolderShortcuts(QFileDialog &dialog);

// A save window opens on the save place (SavePlace::shared()), offering `name` there if any.
void openOnSavePlace(QFileDialog &dialog, const QString &name);

// Qt's print window offers to print to a file in the current folder: offer `name` in the save
// place instead. For a printer that has no output file yet.
void offerPrintFileInSavePlace(QDialog &printDialog, const QString &name);

} // namespace orbane
