#include "exercises/filedialogs.h"

#include "platform/savewindows.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <unistd.h>

namespace orbane::exercises {

namespace {

bool nameTooLong(const QString &path)
{
    const QFileInfo info(path);
    const long longest = ::pathconf(QFile::encodeName(info.path()).constData(), _PC_NAME_MAX);
    return !info.exists() && info.fileName().size() > (longest > 0 ? longest : 255);
}

// QFileDialog stays open without a word on a name longer than the folder allows. The name is
// handed on instead, so that the save fails and says "le nom est trop long", as the
// configuration's save window does.
class SaveDialog final : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;
    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty() && nameTooLong(chosen.first()))
            QDialog::accept();
        else
            QFileDialog::accept();
    }
};

} // namespace

FileDialogs::~FileDialogs() = default;

QString QtFileDialogs::qtFilter(const QString &filter)
{
    const QString label = filter.section(QLatin1Char('|'), 0, 0);
    const QString pattern = filter.section(QLatin1Char('|'), 1);
    return QStringLiteral("%1 (%2 %3)").arg(label, pattern.toLower(), pattern.toUpper());
}

QString QtFileDialogs::openFileName(const QString &filter, const QString &initialName)
{
    QFileDialog dialog(m_parent, QString(), QString(), qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    addFolderShortcuts(dialog);
    if (!initialName.contains(QLatin1Char('*')))
        dialog.selectFile(initialName);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

QString QtFileDialogs::saveFileName(const QString &filter, const QString &defaultSuffix,
                                    const QString &suggestedName)
{
    SaveDialog dialog(m_parent, QString(), QString(), qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(defaultSuffix);
    openOnSavePlace(dialog, suggestedName);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

} // namespace orbane::exercises
