#pragma once

#include "pointage/mediasource.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class QProgressDialog;
class QWidget;

namespace orbane {
class Dialogs;
}
namespace orbane::exercises {
class FileDialogs;
}
namespace orbane::video {
class VideoLoader;
struct Decoded;
}
namespace orbane::pointage {
struct MeasureFile;
}

namespace orbane {

// "Pointage d'une vidéo…", "Pointage d'une photo…", "Ouvrir une mesure…" and the command line's
// video or picture: reads the file (a video on a worker thread, with a progress bar that can
// cancel), says in French what cannot be read, and hands the rest to the pointage window.
class MediaOpener : public QObject
{
    Q_OBJECT
public:
    // `show` opens the pointage window on what was read, with the measurement to apply, if any.
    using Show = std::function<void(pointage::MediaSource, const pointage::MeasureFile *)>;
    MediaOpener(Dialogs &dialogs, exercises::FileDialogs &files, Show show, QWidget *window);
    ~MediaOpener() override;

    void chooseVideo();
    void choosePhoto();
    void chooseMeasure();
    // A video, a picture or a measurement, by its extension; false for anything else.
    bool open(const QString &path);
    void openVideo(const QString &path);
    void openPhoto(const QString &path);
    void openMeasure(const QString &path);
    bool loading() const;

private:
    void videoRead(const video::Decoded &decoded);
    void refuse(const QString &text, const QString &title);
    std::optional<pointage::MediaSource> readPhoto(const QString &path);
    pointage::MediaSource missingVideo(const QString &path, const pointage::MeasureFile &m) const;

    Dialogs &m_dialogs;
    exercises::FileDialogs &m_files;
    Show m_show;
    QWidget *m_window;
    video::VideoLoader *m_loader = nullptr;
    QPointer<QProgressDialog> m_progress;
    QString m_loadingPath;
    std::unique_ptr<pointage::MeasureFile> m_pending; // applied once its video is read
};

} // namespace orbane
