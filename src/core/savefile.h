#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

class QIODevice;

// Every file the program saves goes through here: configurations, texts, exported tables and
// printed documents.
namespace orbane::saving {

struct SaveResult
{
    bool ok = false;
    QString reason; // why it failed, in French
    explicit operator bool() const { return ok; }
};

// Fills the device with the file's content; false when the content could not be made.
using Writer = std::function<bool(QIODevice &device)>;

// Saves a file in one step. The writer fills a temporary file beside the target; every write,
// the flush to the disk and the final renaming over the target are checked, whatever the
// writer made of the device's answers (a writer that ignores a failed write is still caught).
// On any failure the target is left byte for byte as it was and the temporary file is removed.
// Temporary files of this program for the same target, left by a run that was killed while
// saving, are removed first. An existing target keeps its permissions; a symbolic link keeps
// pointing to the file, which is replaced.
SaveResult saveFile(const QString &path, const Writer &writer);

// saveFile for content that is ready: these bytes, as they are.
SaveResult saveBytes(const QString &path, const QByteArray &bytes);

// One file of a save of several: its path and its whole content.
struct FileImage
{
    QString path;
    QByteArray bytes;
};

// Saves several files as one: each target is checked, then every file is written and flushed to
// its temporary, and the targets are replaced only when all were; each old file is set aside
// (".<name>~orbane.<host>.<process>.old.tmp") until every file is in place. On any failure the
// files already replaced get their old file back, the new ones are removed, and every target is
// as it was; `fault`, when given, names the file at fault. A run killed while the files are being
// put in place may leave some of them replaced.
SaveResult saveAll(const std::vector<FileImage> &images, QString *fault = nullptr);

// The temporary file that saveFile uses for a target, in the target's folder:
// ".<name>~orbane.<host>.<process>.tmp".
QString temporaryName(const QString &target);

// The calls under the saved file, so that tests can make a write fail part-way or the final
// renaming fail, as a full or failing disk does. Each keeps the contract of the system call
// of the same name: -1 with errno set on failure.
class Disk
{
public:
    virtual ~Disk() = default;
    virtual qint64 write(int fd, const char *data, qint64 size);
    virtual int fsync(int fd);
    virtual int rename(const char *from, const char *to);
};

// Puts another disk under every save for the life of this object.
class UseDisk
{
public:
    explicit UseDisk(Disk &disk);
    ~UseDisk();
    UseDisk(const UseDisk &) = delete;
    UseDisk &operator=(const UseDisk &) = delete;

private:
    Disk *m_previous;
};

} // namespace orbane::saving
