#pragma once

#include <QImage>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace orbane {

// Reads pictures on a second core, in the order given, while the window is being built;
// asking for one waits only for that one. They stay decoded for later requests.
class PictureStore
{
public:
    explicit PictureStore(QStringList paths);
    ~PictureStore();
    PictureStore(const PictureStore &) = delete;
    PictureStore &operator=(const PictureStore &) = delete;

    // The picture in the file (null when it cannot be read). A file that was not listed is
    // read at once.
    QImage picture(const QString &path);

private:
    void readAll();

    const QStringList m_paths;
    std::vector<std::optional<QImage>> m_read;
    std::mutex m_mutex;
    std::condition_variable m_readOne;
    std::atomic<bool> m_stop{false};
    std::thread m_reader; // last: starts once everything above exists
};

} // namespace orbane
