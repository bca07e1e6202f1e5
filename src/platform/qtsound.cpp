#include "platform/qtsound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace orbane {

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::open(const QString &path)
{
    close();
    if (!QFileInfo(path).isFile())
        return;
    m_path = path;
    // Starting the audio system takes tens of milliseconds: let the window appear first.
    QTimer::singleShot(kPrepareDelayMs, &m_guard, [this] { prepare(); });
}

void QtSound::prepare()
{
    if (m_effect || m_path.isEmpty())
        return;
    m_effect = std::make_unique<QSoundEffect>();
    m_effect->setSource(QUrl::fromLocalFile(m_path));
}

void QtSound::play()
{
    prepare();
    if (!m_effect)
        return;
    // A new impact restarts a sound still playing.
    m_effect->stop();
    m_effect->play();
}

void QtSound::close()
{
    m_effect.reset();
    m_path.clear();
}

} // namespace orbane
