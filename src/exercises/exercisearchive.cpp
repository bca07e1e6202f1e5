#include "exercises/exercisearchive.h"

#include "core/regularfile.h"
#include "core/savefile.h"
#include "exercises/exercisepaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <memory>
#include <sys/stat.h>
#include <zip.h>

namespace orbane::exercises {

namespace {

struct ZipDiscard
{
    void operator()(zip_t *zip) const { zip_discard(zip); }
};
struct ZipFileClose
{
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};
struct ZipSourceFree
{
    void operator()(zip_source_t *source) const { zip_source_free(source); }
};
using Zip = std::unique_ptr<zip_t, ZipDiscard>;
using ZipFile = std::unique_ptr<zip_file_t, ZipFileClose>;
using ZipSource = std::unique_ptr<zip_source_t, ZipSourceFree>;
using Entries = std::vector<ArchiveEntry>;

QString quoted(const QString &name) { return QStringLiteral("« %1 »").arg(name); }

std::nullopt_t fail(QString *out, const QString &text)
{
    if (out)
        *out = text;
    return std::nullopt;
}

std::nullopt_t refuseArchive(QString *refusal, const QString &archivePath, const QString &cause)
{
    return fail(refusal, QStringLiteral("L'archive %1 ne peut pas être ouverte : %2.")
                             .arg(archivePath, cause));
}

bool isExerciseName(const QString &name)
{
    return name.endsWith(QStringLiteral(".E20"), Qt::CaseInsensitive);
}

// A name unpacked as it stands cannot leave the folder, nor hide beside the writer's temporaries.
bool plainName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.unicode() < 0x20)
            return false;
    return true;
}

QString entryTooLarge(const QString &name)
{
    return quoted(name) + QStringLiteral(" dépasse la taille maximale de ") +
           files::sizeText(kMaxArchiveEntryBytes);
}

QString contentTooLarge()
{
    return QStringLiteral("son contenu dépasse la taille maximale de ") +
           files::sizeText(kMaxArchiveBytes);
}

// Why these entries cannot make an exercise archive; empty when they can.
QString entriesProblem(const Entries &entries)
{
    QStringList seen;
    qint64 total = 0;
    int exercises = 0;
    for (const ArchiveEntry &e : entries) {
        if (!plainName(e.name))
            return quoted(e.name) +
                   QStringLiteral(" n'est pas un simple nom de fichier (chemin, dossier ou fichier caché)");
        if (seen.contains(e.name, Qt::CaseInsensitive))
            return QStringLiteral("deux fichiers s'appellent ") + quoted(e.name);
        seen << e.name;
        total += e.bytes.size();
        if (e.bytes.size() > kMaxArchiveEntryBytes)
            return entryTooLarge(e.name);
        if (total > kMaxArchiveBytes)
            return contentTooLarge();
        exercises += isExerciseName(e.name) ? 1 : 0;
    }
    if (exercises != 1)
        return exercises == 0 ? QStringLiteral("elle ne contient aucun exercice (.E20)")
                              : QStringLiteral("elle contient plusieurs exercices (.E20)");
    return {};
}

// ---- writing ---------------------------------------------------------------------------------

std::optional<QByteArray> sourceBytes(zip_source_t *source)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(source, &stat) < 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        zip_source_open(source) < 0)
        return std::nullopt;
    QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
    const zip_int64_t read = zip_source_read(source, bytes.data(), stat.size);
    zip_source_close(source);
    if (read != zip_int64_t(stat.size))
        return std::nullopt;
    return bytes;
}

// The entries' data must stay alive until the archive is closed: they are not copied.
std::optional<QByteArray> zipImage(const Entries &entries, QString *cause)
{
    const QString failed = QStringLiteral("l'archive n'a pas pu être composée en mémoire");
    ZipSource buffer(zip_source_buffer_create(nullptr, 0, 0, nullptr));
    if (!buffer)
        return fail(cause, failed);
    Zip zip(zip_open_from_source(buffer.get(), ZIP_TRUNCATE, nullptr));
    if (!zip)
        return fail(cause, failed);
    zip_source_keep(buffer.get()); // the archive's reference goes with it; ours stays to read
    for (const ArchiveEntry &e : entries) {
        zip_source_t *data = zip_source_buffer(zip.get(), e.bytes.constData(),
                                               zip_uint64_t(e.bytes.size()), 0);
        if (!data)
            return fail(cause, failed);
        if (zip_file_add(zip.get(), e.name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(data);
            return fail(cause, failed);
        }
    }
    if (zip_close(zip.get()) < 0)
        return fail(cause, failed);
    (void)zip.release(); // closed and freed
    const auto bytes = sourceBytes(buffer.get());
    return bytes ? bytes : fail(cause, failed);
}

// The exercise's entry is named as an exercise file whatever the open file's suffix
// ("ORBANE.PEM" goes in as "ORBANE.E20").
QString exerciseEntryName(const QString &exercisePath)
{
    const QFileInfo info(exercisePath);
    return isExerciseName(info.fileName()) ? info.fileName()
                                           : info.completeBaseName() + QStringLiteral(".E20");
}

// Adds a file that the exercise names, unless it is blank, in already or missing.
bool addNamed(Entries &entries, const QString &folder, const QString &name, QString *cause)
{
    if (name.isEmpty())
        return true;
    for (const ArchiveEntry &e : entries)
        if (e.name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        fail(cause, QStringLiteral("le fichier %1 n'est pas dans le dossier de l'exercice ; une "
                                   "archive n'en garde que les fichiers de ce dossier")
                        .arg(quoted(name)));
        return false;
    }
    const files::ReadResult read = files::readAll(resolve(folder, name), kMaxArchiveEntryBytes);
    if (read.problem == files::Problem::Missing)
        return true;
    if (!read.ok()) {
        fail(cause, quoted(name) + QStringLiteral(" : ") + read.reason());
        return false;
    }
    entries.push_back({name, read.data});
    return true;
}

// ---- reading ---------------------------------------------------------------------------------

// Links, devices and pipes carry their kind in the Unix mode of the external attributes.
bool specialEntry(zip_t *zip, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(zip, index, 0, &system, &attributes) < 0)
        return true;
    const zip_uint32_t kind = (attributes >> 16) & S_IFMT;
    return system == ZIP_OPSYS_UNIX && kind != 0 && kind != S_IFREG;
}

enum class EntryRead { Ok, TooLarge, Unreadable };

// Reads an entry, never more than `room` bytes whatever its header says.
EntryRead readEntry(zip_t *zip, zip_uint64_t index, qint64 room, QByteArray &bytes)
{
    const ZipFile file(zip_fopen_index(zip, index, 0));
    if (!file)
        return EntryRead::Unreadable;
    char chunk[64 * 1024];
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), chunk, sizeof chunk);
        if (n < 0)
            return EntryRead::Unreadable;
        if (n == 0)
            return EntryRead::Ok;
        if (bytes.size() + n > room)
            return EntryRead::TooLarge;
        bytes.append(chunk, qsizetype(n));
    }
}

std::optional<Entries> unzip(const QByteArray &image, QString *cause)
{
    zip_source_t *source =
        zip_source_buffer_create(image.constData(), zip_uint64_t(image.size()), 0, nullptr);
    const QString unreadable = QStringLiteral("ce n'est pas une archive zip lisible");
    if (!source)
        return fail(cause, unreadable);
    const Zip zip(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, nullptr));
    if (!zip) {
        zip_source_free(source);
        return fail(cause, unreadable);
    }
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    if (count > kMaxArchiveEntries)
        return fail(cause, QStringLiteral("elle contient plus de %1 fichiers").arg(kMaxArchiveEntries));
    Entries entries;
    qint64 total = 0;
    for (zip_uint64_t i = 0; i < zip_uint64_t(count); ++i) {
        ArchiveEntry e{QString::fromUtf8(zip_get_name(zip.get(), i, 0)), {}};
        if (!plainName(e.name)) // said by entriesProblem, before anything is decompressed
            return fail(cause, entriesProblem({e}));
        if (specialEntry(zip.get(), i))
            return fail(cause, quoted(e.name) + QStringLiteral(" n'est pas un fichier ordinaire "
                                                               "(lien, périphérique ou tube)"));
        const qint64 room = qMin(kMaxArchiveEntryBytes, kMaxArchiveBytes - total);
        switch (readEntry(zip.get(), i, room, e.bytes)) {
        case EntryRead::Ok:
            break;
        case EntryRead::TooLarge:
            return fail(cause, room == kMaxArchiveEntryBytes ? entryTooLarge(e.name)
                                                             : contentTooLarge());
        case EntryRead::Unreadable:
            return fail(cause, quoted(e.name) +
                                   QStringLiteral(" ne peut pas être décompressé (archive abîmée ou chiffrée)"));
        }
        total += e.bytes.size();
        entries.push_back(std::move(e));
    }
    if (const QString problem = entriesProblem(entries); !problem.isEmpty())
        return fail(cause, problem);
    return entries;
}

} // namespace

QString archiveSuffix() { return QStringLiteral(".e20z"); }

bool isExerciseArchive(const QString &path)
{
    return path.endsWith(archiveSuffix(), Qt::CaseInsensitive);
}

std::optional<QByteArray> packExercise(const QString &exercisePath, QString *cause)
{
    const files::ReadResult read = files::readAll(exercisePath, kMaxArchiveEntryBytes);
    if (!read.ok())
        return fail(cause, read.reason());
    const auto exercise = parseExercise(read.data, cause);
    if (!exercise)
        return std::nullopt;
    Entries entries{{exerciseEntryName(exercisePath), read.data}};
    const QString folder = folderOf(exercisePath);
    for (const QString &name : {exercise->statement, exercise->configuration, exercise->correction,
                                exercise->correctionConfiguration})
        if (!addNamed(entries, folder, name.trimmed(), cause))
            return std::nullopt;
    if (const QString problem = entriesProblem(entries); !problem.isEmpty())
        return fail(cause, problem);
    return zipImage(entries, cause);
}

std::optional<Entries> readArchive(const QString &archivePath, QString *refusal)
{
    // A file larger than all it may hold unpacked is refused unread.
    const files::ReadResult read = files::readAll(archivePath, kMaxArchiveBytes);
    if (!read.ok())
        return refuseArchive(refusal, archivePath, read.reason());
    QString cause;
    auto entries = unzip(read.data, &cause);
    if (!entries)
        return refuseArchive(refusal, archivePath, cause);
    return entries;
}

const ArchiveEntry &exerciseEntry(const Entries &entries)
{
    for (const ArchiveEntry &e : entries)
        if (isExerciseName(e.name))
            return e;
    return entries.front();
}

std::optional<ExerciseFile> readArchivedExercise(const QString &archivePath, QString *refusal)
{
    const auto entries = readArchive(archivePath, refusal);
    if (!entries)
        return std::nullopt;
    QString cause;
    auto exercise = parseExercise(exerciseEntry(*entries).bytes, &cause);
    if (!exercise)
        return refuseArchive(refusal, archivePath, cause);
    return exercise;
}

QString unpackFolder(const QString &place, const QString &archivePath)
{
    QString name = QFileInfo(archivePath).completeBaseName();
    if (!plainName(name))
        name = QStringLiteral("Exercice");
    return QDir(place).filePath(QStringLiteral("Exercices/") + name);
}

std::optional<QString> unpackArchive(const QString &archivePath, const QString &folder,
                                     QString *refusal)
{
    const auto entries = readArchive(archivePath, refusal);
    if (!entries)
        return std::nullopt;
    if (!QDir().mkpath(folder))
        return refuseArchive(refusal, archivePath,
                             QStringLiteral("le dossier %1 ne peut pas être créé").arg(folder));
    std::vector<saving::FileImage> images;
    for (const ArchiveEntry &e : *entries) {
        const QString target = QDir(folder).filePath(e.name);
        // The writer would follow a link: what the folder holds is replaced only if it is a file.
        const QFileInfo there(target);
        if (there.isSymLink() || (there.exists() && !there.isFile()))
            return refuseArchive(refusal, archivePath,
                                 target + QStringLiteral(" existe et n'est pas un fichier ordinaire"));
        images.push_back({target, e.bytes});
    }
    QString fault;
    if (const saving::SaveResult saved = saving::saveAll(images, &fault); !saved)
        return refuseArchive(refusal, archivePath,
                             QStringLiteral("%1 n'a pas pu être écrit (%2)").arg(fault, saved.reason));
    return QDir(folder).filePath(exerciseEntry(*entries).name);
}

} // namespace orbane::exercises
