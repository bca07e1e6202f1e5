#pragma once

#include <QObject>
#include <QString>

namespace orbane::config {

// What the configuration windows share with the main window and the exercises for the whole
// run: the path of the configuration being saved or loaded, and the folder the file windows
// start on.
class ConfigShared : public QObject
{
    Q_OBJECT
public:
    static ConfigShared &instance();

    // `fichconfig`: full path of the configuration being saved or loaded; empty at start.
    QString fichconfig;

    // The folder the open and save windows start on (the process's folder until one of them
    // changes it), so each window reopens on the folder last used.
    QString currentFolder() const;
    void setCurrentFolder(const QString &folder);

    // Tells the main window its new title after a successful save or load.
    void announceTitle(const QString &path);

signals:
    void titleChanged(const QString &title);

private:
    ConfigShared() = default;
    QString m_currentFolder;
};

// Shorthand for ConfigShared::instance().fichconfig.
QString &fichconfig();

// "Orbane 1S - " + path.
QString windowTitleFor(const QString &path);

} // namespace orbane::config
