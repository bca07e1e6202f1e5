#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>

namespace orbane {

// The five projectile pictures and their shadows, read from the program's folder.
// A missing picture is replaced by a plain drawn one so the scene never lacks a projectile.
class PictureStore;

class Sprites
{
public:
    static constexpr int kSize = 32;

    void load(const QString &programDir, PictureStore &store);
    // The files load() reads, in its order.
    static QStringList files(const QString &programDir);
    const QImage &projectile(int index) const { return m_projectiles.at(index); }
    const QImage &shadow(int index) const { return m_shadows.at(index); }

    static QString pictureName(int index);
    static QString shadowName(int index);

private:
    std::array<QImage, 5> m_projectiles;
    std::array<QImage, 5> m_shadows;
};

} // namespace orbane
