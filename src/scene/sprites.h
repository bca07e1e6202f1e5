#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace orbane {

// The projectiles' pictures and their shadows, read from the program's folder.
// A missing picture is replaced by a plain drawn one so the scene never lacks a projectile.
class PictureStore;

class Sprites
{
public:
    static constexpr int kSize = 32;

    void load(const QString &programDir, PictureStore &store);
    // The files load() reads, in its order.
    static QStringList files(const QString &programDir);
    const QImage &projectile(int index) const { return m_projectiles.at(std::size_t(index)); }
    const QImage &shadow(int index) const { return m_shadows.at(std::size_t(index)); }

    static QString pictureName(int index);
    static QString shadowName(int index);

private:
    std::vector<QImage> m_projectiles;
    std::vector<QImage> m_shadows;
};

} // namespace orbane
