// Regenerates the program's pictures, sounds and icons from code.
// Usage: gendata <repository root> [scenes|projectiles|sounds|icons]...
#include "generators.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    // Qt Gui painting wants a GUI application; the offscreen platform is enough.
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: gendata <repository root> [scenes|projectiles|sounds|icons]...\n");
        return 2;
    }
    const QString root = args.takeFirst();
    if (args.isEmpty())
        args = {"scenes", "projectiles", "sounds", "icons"};
    const QString data = root + "/data";
    const QString icons = root + "/resources/icons";
    bool ok = true;
    for (const QString &what : args) {
        bool done = false;
        if (what == "scenes")
            done = gen::writeScenes(data);
        else if (what == "projectiles")
            done = gen::writeProjectiles(data);
        else if (what == "sounds")
            done = gen::writeSounds(data);
        else if (what == "icons")
            done = gen::writeIcons(icons);
        else
            std::fprintf(stderr, "unknown group: %s\n", qPrintable(what));
        std::fprintf(stderr, "%-12s %s\n", qPrintable(what), done ? "ok" : "FAILED");
        ok &= done;
    }
    return ok ? 0 : 1;
}
