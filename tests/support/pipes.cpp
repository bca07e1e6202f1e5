#include "support/pipes.h"

#include <QFile>
#include <atomic>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace orbane::test {

bool makePipe(const QString &path) { return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0; }

bool returnsWithoutAWriter(const QString &pipe, const std::function<void()> &call,
                           std::chrono::milliseconds deadline)
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::atomic<bool> freed = false;
    const QByteArray name = QFile::encodeName(pipe);
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (finished.wait_for(lock, deadline, [&] { return done; }))
            return;
        // Opening for writing succeeds only once a reader waits on the other end.
        while (!done) {
            lock.unlock();
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                freed = true;
                ::close(fd);
            }
            lock.lock();
            finished.wait_for(lock, std::chrono::milliseconds(20), [&] { return done; });
        }
    });
    call();
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    finished.notify_all();
    watchdog.join();
    return !freed;
}

} // namespace orbane::test
