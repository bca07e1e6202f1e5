#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace orbane::test {

// A throw-away program folder holding copies of the shipped data files (all, or a chosen few).
class ProgramDir
{
public:
    ProgramDir();
    explicit ProgramDir(const QStringList &files);
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    bool remove(const QString &name) const;

private:
    void copy(const QStringList &files);
    QTemporaryDir m_dir;
};

// Makes a file read-only for this thread for the life of the object, even when the tests run
// as root: the thread also gives up the right to ignore file permissions.
class ReadOnlyFile
{
public:
    explicit ReadOnlyFile(const QString &path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile &) = delete;
    ReadOnlyFile &operator=(const ReadOnlyFile &) = delete;

private:
    QString m_path;
    bool m_dropped = false;
};

// The whole content of a file ("<unreadable>" when it cannot be read).
QByteArray bytesOf(const QString &path);

} // namespace orbane::test
