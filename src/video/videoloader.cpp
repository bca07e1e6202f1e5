#include "video/videoloader.h"

#include <QElapsedTimer>
#include <QThread>

namespace orbane::video {

VideoLoader::VideoLoader(QObject *parent) : QObject(parent) {}

VideoLoader::~VideoLoader() { stop(); }

void VideoLoader::load(const QString &path, std::size_t memoryBudget)
{
    stop();
    const int generation = ++m_generation;
    auto cancelled = std::make_shared<std::atomic_bool>(false);
    m_cancel = cancelled;
    // The worker hands its news to this object's thread; a queued call dies with the loader,
    // and a stale generation's news is dropped.
    auto report = [this, generation](auto deliver) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, deliver = std::move(deliver)]() mutable {
                if (generation == m_generation)
                    deliver();
            },
            Qt::QueuedConnection);
    };
    m_thread.reset(QThread::create([this, report, cancelled, path, memoryBudget] {
        QElapsedTimer sinceReport;
        sinceReport.start();
        auto onFrame = [&](int done, int total) {
            // A few reports a second are enough for a progress bar.
            if (done == 1 || sinceReport.elapsed() >= 40) {
                sinceReport.restart();
                report([this, done, total] { emit progress(done, total); });
            }
            return !cancelled->load();
        };
        Decoded result = decodeVideo(path, onFrame, memoryBudget);
        report([this, result = std::move(result)] {
            m_loading = false;
            emit finished(result);
        });
    }));
    m_loading = true;
    m_thread->start();
}

void VideoLoader::cancel()
{
    if (m_cancel)
        m_cancel->store(true);
}

bool VideoLoader::isLoading() const { return m_loading; }

void VideoLoader::stop()
{
    if (!m_thread)
        return;
    cancel();
    m_thread->wait();
    m_thread.reset();
    m_loading = false;
    ++m_generation; // whatever the old worker queued is not delivered
}

} // namespace orbane::video
