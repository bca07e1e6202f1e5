#include "platform/qtsound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace orbane {

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::open(const QString &path)
{
    close();
    if (!QFileInfo(path).isFile())
        return;
    m_effect = std::make_unique<QSoundEffect>();
    m_effect->setSource(QUrl::fromLocalFile(path));
}

void QtSound::play()
{
    if (!m_effect)
        return;
    // A new impact restarts a sound still playing.
    m_effect->stop();
    m_effect->play();
}

void QtSound::close() { m_effect.reset(); }

} // namespace orbane
