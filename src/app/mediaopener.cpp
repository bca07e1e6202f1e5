#include "app/mediaopener.h"

#include "core/regularfile.h"
#include "core/services.h"
#include "exercises/filedialogs.h"
#include "pointage/measurefile.h"
#include "video/videofile.h"
#include "video/videoloader.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QProgressDialog>
#include <QWidget>
#include <algorithm>

namespace orbane {

namespace {

constexpr qint64 kMaxPhotoBytes = 64 * 1024 * 1024;
constexpr int kMaxPhotoSide = 4096; // larger photographs are shown at this size

// "Vidéos (*.mp4 *.mov)" as the file choosers want it: "Vidéos|*.mp4 *.mov".
QString chooserFilter(const QString &qtFilter)
{
    const int open = int(qtFilter.indexOf(QLatin1Char('('))), close = int(qtFilter.lastIndexOf(QLatin1Char(')')));
    if (open < 0 || close < open)
        return qtFilter;
    return qtFilter.left(open).trimmed() + QLatin1Char('|') + qtFilter.mid(open + 1, close - open - 1);
}

QString nameOf(const QString &path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

} // namespace

MediaOpener::MediaOpener(Dialogs &dialogs, exercises::FileDialogs &files, Show show, QWidget *window)
    : QObject(window), m_dialogs(dialogs), m_files(files), m_show(std::move(show)), m_window(window)
{
}

MediaOpener::~MediaOpener() = default;

void MediaOpener::chooseVideo()
{
    const QString path = m_files.openFileName(chooserFilter(video::videoFilter()), QStringLiteral("*"));
    if (!path.isEmpty())
        openVideo(path);
}

void MediaOpener::choosePhoto()
{
    const QString path = m_files.openFileName(chooserFilter(video::imageFilter()), QStringLiteral("*"));
    if (!path.isEmpty())
        openPhoto(path);
}

void MediaOpener::chooseMeasure()
{
    const QString path = m_files.openFileName(QStringLiteral("Mesure Orbane 1S|*.o1m"), QStringLiteral("*"));
    if (!path.isEmpty())
        openMeasure(path);
}

bool MediaOpener::open(const QString &path)
{
    if (video::isVideoPath(path))
        openVideo(path);
    else if (video::isImagePath(path))
        openPhoto(path);
    else if (QFileInfo(path).suffix().compare(QStringLiteral("o1m"), Qt::CaseInsensitive) == 0)
        openMeasure(path);
    else
        return false;
    return true;
}

bool MediaOpener::loading() const { return m_loader && m_loader->isLoading(); }

void MediaOpener::refuse(const QString &text, const QString &title)
{
    m_dialogs.message(text, title, MsgIcon::Exclamation, MsgButtons::Ok);
}

// Decoded on a worker thread; the progress bar shows how far it is and can stop it.
void MediaOpener::openVideo(const QString &path)
{
    if (!m_loader) {
        m_loader = new video::VideoLoader(this);
        connect(m_loader, &video::VideoLoader::finished, this, &MediaOpener::videoRead);
        connect(m_loader, &video::VideoLoader::progress, this, [this](int done, int total) {
            if (!m_progress)
                return;
            m_progress->setMaximum(std::max(total, done));
            m_progress->setValue(done);
        });
    }
    m_loadingPath = path;
    if (!m_progress) {
        m_progress = new QProgressDialog(m_window);
        m_progress->setWindowTitle(QStringLiteral("Pointage d'une vidéo"));
        m_progress->setCancelButtonText(QStringLiteral("Annuler"));
        m_progress->setMinimumDuration(300);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        connect(m_progress, &QProgressDialog::canceled, m_loader, &video::VideoLoader::cancel);
    }
    m_progress->setLabelText(QStringLiteral("Lecture de la vidéo « %1 »…").arg(QFileInfo(path).fileName()));
    m_progress->setRange(0, 0);
    m_loader->load(path);
}

void MediaOpener::videoRead(const video::Decoded &decoded)
{
    const bool cancelled = m_progress && m_progress->wasCanceled();
    // Gone before any message: its own timer would show it again over the message.
    delete m_progress.data();
    std::unique_ptr<pointage::MeasureFile> measure = std::move(m_pending);
    if (cancelled && decoded.frames.empty())
        return;
    if (!decoded.error.isEmpty() || decoded.frames.empty()) {
        refuse(decoded.error.isEmpty()
                   ? QStringLiteral("La vidéo %1 ne contient aucune image lisible.").arg(nameOf(m_loadingPath))
                   : decoded.error,
               QStringLiteral("Pointage d'une vidéo"));
        return;
    }
    pointage::MediaSource source{.path = QFileInfo(m_loadingPath).absoluteFilePath(),
                                 .video = true,
                                 .frames = decoded.frames,
                                 .times = decoded.times,
                                 .irregular = decoded.irregular,
                                 .warning = decoded.warning};
    m_show(std::move(source), measure.get());
}

// A photograph's own orientation honoured; a very large one shown smaller.
std::optional<pointage::MediaSource> MediaOpener::readPhoto(const QString &path)
{
    const files::ReadResult read = files::readAll(path, kMaxPhotoBytes);
    const QString title = QStringLiteral("Pointage d'une photo");
    if (!read.ok()) {
        refuse(QStringLiteral("La photo %1 ne peut pas être ouverte : %2.").arg(nameOf(path), read.reason()), title);
        return std::nullopt;
    }
    QBuffer buffer;
    buffer.setData(read.data);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > 30000 || size.height() > 30000)) {
        refuse(QStringLiteral("La photo %1 est trop grande pour être pointée.").arg(nameOf(path)), title);
        return std::nullopt;
    }
    QImage image = reader.read();
    if (image.isNull()) {
        refuse(QStringLiteral("Le fichier %1 n'est pas une image lisible (JPEG ou PNG).").arg(nameOf(path)), title);
        return std::nullopt;
    }
    if (image.width() > kMaxPhotoSide || image.height() > kMaxPhotoSide)
        image = image.scaled(kMaxPhotoSide, kMaxPhotoSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    pointage::MediaSource source;
    source.path = QFileInfo(path).absoluteFilePath();
    source.frames = {image.convertToFormat(QImage::Format_RGB32)};
    return source;
}

void MediaOpener::openPhoto(const QString &path)
{
    if (auto source = readPhoto(path))
        m_show(std::move(*source), nullptr);
}

// The measurement's source is read first; a missing one leaves the points on a blank picture.
void MediaOpener::openMeasure(const QString &path)
{
    QString refusal;
    const auto measure = pointage::readMeasure(path, &refusal);
    if (!measure) {
        refuse(refusal, QStringLiteral("Ouvrir une mesure"));
        return;
    }
    const QString source = pointage::resolveSource(path, measure->source);
    if (QFileInfo(source).isFile()) {
        if (measure->kind == pointage::SourceKind::Photo) {
            if (auto photo = readPhoto(source))
                m_show(std::move(*photo), &*measure);
            return;
        }
        m_pending = std::make_unique<pointage::MeasureFile>(*measure);
        openVideo(source);
        return;
    }
    refuse(QStringLiteral("%1 %2 est introuvable : les points de la mesure sont montrés sans "
                          "l'image.")
               .arg(measure->kind == pointage::SourceKind::Video ? QStringLiteral("La vidéo")
                                                                 : QStringLiteral("La photo"),
                    nameOf(source)),
           QStringLiteral("Ouvrir une mesure"));
    m_show(missingVideo(source, *measure), &*measure);
}

// Grey frames as large as the points reach, dated by the times the measurement kept.
pointage::MediaSource MediaOpener::missingVideo(const QString &path,
                                                const pointage::MeasureFile &m) const
{
    pointage::MediaSource source;
    source.path = path;
    source.video = m.kind == pointage::SourceKind::Video;
    source.warning = QStringLiteral("%1 introuvable : les points sont montrés sans l'image.")
                         .arg(nameOf(path));
    QSizeF reach(640, 480);
    int frames = 1;
    for (const pointage::MeasurePoint &p : m.points) {
        reach = reach.expandedTo(QSizeF(p.x + 40, p.y + 40));
        frames = std::max(frames, p.frame + 1);
    }
    QImage blank(reach.toSize().boundedTo(QSize(4096, 4096)), QImage::Format_RGB32);
    blank.fill(QColor(128, 128, 128));
    if (!source.video) {
        source.frames = {blank};
        return source;
    }
    source.frames.assign(std::size_t(frames), blank);
    source.times = pointage::frameTimes(m, frames);
    return source;
}

} // namespace orbane
