#include "config/configfixture.h"

#include <QFile>

namespace orbane::test {

QString dataFile(const QString &name)
{
    return QStringLiteral(CONFIG_TEST_DATA "/") + name;
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

void patchRecord(QByteArray &image, int n, const QByteArray &text)
{
    const int start = (n - 1) * 128;
    if (image.size() < start + 128)
        image.resize(start + 128, '\0');
    QByteArray rec(128, '\0');
    rec[0] = char(text.size() & 0xFF);
    rec[1] = char(text.size() >> 8);
    rec.replace(2, text.size(), text);
    image.replace(start, 128, rec);
}

void patchLength(QByteArray &image, int n, int length)
{
    const int start = (n - 1) * 128;
    image[start] = char(length & 0xFF);
    image[start + 1] = char(length >> 8);
}

void ConfigTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    rig = std::make_unique<Rig>(dir.path());
    rig->sim.Form_Load();
    rig->dialogs.shown.clear();
}

Snapshot ConfigTest::snapshot() const
{
    const Simulation &s = rig->sim;
    return {s.c,
            s.s.gpes,
            s.s.masse,
            s.s.vox,
            s.s.voy,
            s.d.projLeft,
            s.d.projTop,
            s.d.Label1,
            rig->hooks.clears,
            int(rig->hooks.loaded.size()),
            int(rig->sound.opened.size())};
}

QString ConfigTest::copyData(const QString &name, const QString &as) const
{
    const QString target = dir.filePath(as.isEmpty() ? name : as);
    QFile::remove(target);
    QFile::copy(dataFile(name), target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

} // namespace orbane::test
