#include "platform/savewindows.h"

#include "core/saveplace.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QUrl>

namespace orbane {

void addFolderShortcuts(QFileDialog &dialog)
{
    QList<QUrl> shortcuts{QUrl(QStringLiteral("file:")), QUrl::fromLocalFile(QDir::homePath())};
    if (const QString documents = SavePlace::shared().documents(); QFileInfo(documents).isDir())
        shortcuts << QUrl::fromLocalFile(documents);
    dialog.setSidebarUrls(shortcuts);
}

void openOnSavePlace(QFileDialog &dialog, const QString &name)
{
    dialog.setDirectory(SavePlace::shared().folder());
    addFolderShortcuts(dialog);
    if (!name.isEmpty())
        dialog.selectFile(name);
}

void offerPrintFileInSavePlace(QDialog &printDialog, const QString &name)
{
    // The file box of Qt's print window; absent from a desktop's native one.
    if (auto *file = printDialog.findChild<QLineEdit *>(QStringLiteral("filename")))
        file->setText(SavePlace::shared().suggested(name));
}

} // namespace orbane
