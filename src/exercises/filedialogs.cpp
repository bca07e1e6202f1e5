#include "exercises/filedialogs.h"

#include <QFileDialog>

namespace orbane::exercises {

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
    if (!initialName.contains(QLatin1Char('*')))
        dialog.selectFile(initialName);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

QString QtFileDialogs::saveFileName(const QString &filter, const QString &defaultSuffix)
{
    QFileDialog dialog(m_parent, QString(), QString(), qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

} // namespace orbane::exercises
