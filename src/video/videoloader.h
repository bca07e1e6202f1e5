#pragma once

#include "video/videofile.h"

#include <QObject>
#include <atomic>
#include <memory>

class QThread;

namespace orbane::video {

// Decodes a video on a worker thread, so that the window stays responsive and shows progress.
// Its signals are emitted on the thread the loader lives in.
class VideoLoader : public QObject
{
    Q_OBJECT
public:
    explicit VideoLoader(QObject *parent = nullptr);
    ~VideoLoader() override; // cancels and waits for the worker

    // Starts decoding `path`; a load still running is cancelled and its result dropped.
    void load(const QString &path, std::size_t memoryBudget = std::size_t(1) << 30);
    // The worker stops at its next frame and reports what it has (truncated).
    void cancel();
    // From load() until `finished` is emitted.
    bool isLoading() const;

signals:
    void progress(int done, int total);
    void finished(const orbane::video::Decoded &result);

private:
    void stop();

    std::unique_ptr<QThread> m_thread;
    std::shared_ptr<std::atomic_bool> m_cancel;
    int m_generation = 0;
    bool m_loading = false; // until `finished` is emitted
};

} // namespace orbane::video
