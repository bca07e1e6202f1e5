#include "scene/sprites.h"

#include "core/tables.h"
#include "scene/picturestore.h"

#include <QPainter>

namespace orbane {

QString Sprites::pictureName(int index)
{
    return QString::fromLatin1(orbane::projectile(index).picture) + QStringLiteral(".png");
}

QString Sprites::shadowName(int index)
{
    return QString::fromLatin1(orbane::projectile(index).picture) + QStringLiteral("-ombre.png");
}

static QImage fallbackProjectile()
{
    QImage img(Sprites::kSize, Sprites::kSize, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(120, 120, 120));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(2, 2, 28, 28));
    return img;
}

static QImage fallbackShadow()
{
    QImage img(Sprites::kSize, Sprites::kSize, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 0, 0, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(3, 27, 26, 5));
    return img;
}

static QImage orFallback(const QImage &img, QImage (*fallback)())
{
    if (img.isNull())
        return fallback();
    return img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QStringList Sprites::files(const QString &programDir)
{
    QStringList paths;
    for (int i = 0; i < int(projectiles().size()); ++i)
        paths << programFile(programDir, pictureName(i)) << programFile(programDir, shadowName(i));
    return paths;
}

void Sprites::load(const QString &programDir, PictureStore &store)
{
    const QStringList paths = files(programDir);
    m_projectiles.clear();
    m_shadows.clear();
    for (int i = 0; i < int(projectiles().size()); ++i) {
        m_projectiles.push_back(orFallback(store.picture(paths.at(2 * i)), fallbackProjectile));
        m_shadows.push_back(orFallback(store.picture(paths.at(2 * i + 1)), fallbackShadow));
    }
}

} // namespace orbane
