#include "scene/picturestore.h"

namespace orbane {

PictureStore::PictureStore(QStringList paths)
    : m_paths(std::move(paths)), m_read(std::size_t(m_paths.size())),
      m_reader([this] { readAll(); })
{
}

PictureStore::~PictureStore()
{
    m_stop = true;
    m_reader.join();
}

void PictureStore::readAll()
{
    for (qsizetype i = 0; i < m_paths.size() && !m_stop; ++i) {
        QImage image(m_paths.at(i));
        const std::lock_guard lock(m_mutex);
        m_read[std::size_t(i)] = std::move(image);
        m_readOne.notify_all();
    }
}

QImage PictureStore::picture(const QString &path)
{
    const qsizetype i = m_paths.indexOf(path);
    if (i < 0)
        return QImage(path);
    std::unique_lock lock(m_mutex);
    m_readOne.wait(lock, [&] { return m_read[std::size_t(i)].has_value(); });
    return *m_read[std::size_t(i)];
}

} // namespace orbane
