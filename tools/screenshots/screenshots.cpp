// Makes the pictures of the program shown by software centres: the main window in a few
// lessons, grabbed offscreen from the program's own widgets.
//   orbane1s_screenshots <output folder>
#include "app/feuillep.h"
#include "app/tabstrip.h"
#include "graphs/graphes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <optional>
#include <vector>

using namespace orbane;

namespace {

struct Shot
{
    const char *name;
    const char *file;         // a shipped configuration or exercise
    bool copied = false;      // opened from a copy in a teacher's folder, not the program's
    std::vector<int> checks;  // options to tick, by number
    std::vector<int> curves;  // live-graph quantities
    bool chronophotography = false;
    int tab = 1;              // the tab shown
    double seconds = 0;       // how far into the flight; 0 for the whole flight
    bool graphWindow = false; // the graph window over the main window
};

void click(QAbstractButton *b)
{
    if (b)
        b->click();
}

// The program shows the path of an open exercise: a folder of the kind a teacher keeps them in,
// holding a copy of the exercise's files while the picture is taken.
class TeachersFolder
{
public:
    TeachersFolder(const QString &programDir, const QString &file) : m_file(file)
    {
        QDir().mkpath(m_folder.path());
        const QString stem = file.section(QLatin1Char('.'), 0, 0);
        for (const QString &name : QDir(programDir).entryList({stem + QStringLiteral("*")}, QDir::Files))
            if (QFile::copy(programDir + QLatin1Char('/') + name, m_folder.filePath(name)))
                m_copies << m_folder.filePath(name);
    }
    ~TeachersFolder()
    {
        for (const QString &copy : m_copies)
            QFile::remove(copy);
        QDir().rmdir(m_folder.path());
    }
    QString path() const { return m_folder.filePath(m_file); }

private:
    QDir m_folder{QDir::tempPath() + QStringLiteral("/Exercices")};
    QString m_file;
    QStringList m_copies;
};

bool take(const Shot &shot, const QString &programDir, const QString &out)
{
    NullDialogs dialogs;
    NullSound sound;
    NullBeeper beeper;
    Services services{&dialogs, &sound, &beeper};
    FeuilleP w(programDir, &services);
    if (!w.load())
        return false;
    w.show();
    QApplication::processEvents();
    std::optional<TeachersFolder> copy;
    if (shot.copied)
        copy.emplace(programDir, QLatin1String(shot.file));
    w.openFile(copy ? copy->path() : programDir + QLatin1Char('/') + QLatin1String(shot.file));
    for (int i : shot.checks)
        if (auto *box = w.findChild<QCheckBox *>(QStringLiteral("Check%1").arg(i)); box && !box->isChecked())
            box->click();
    for (int q : shot.curves)
        for (QCheckBox *b : w.findChildren<QCheckBox *>(QStringLiteral("Check13")))
            if (b->property("index").toInt() == q && !b->isChecked())
                b->click();
    click(w.findChild<QAbstractButton *>(QStringLiteral("Command6"))); // the live graph
    w.onglets()->setOnglet(shot.tab);
    // The chronophotography button launches the flight itself.
    click(w.findChild<QAbstractButton *>(
        shot.chronophotography ? QStringLiteral("command12") : QStringLiteral("command15")));
    w.timer1().stop(); // the flight advances tick by tick, not on the clock
    while (w.sim().d.timer1 && (shot.seconds == 0 || w.sim().s.temps < shot.seconds)) {
        w.sim().Timer1_Timer();
        w.timer1().stop();
    }
    QApplication::processEvents();
    const QString path = out + QLatin1Char('/') + QLatin1String(shot.name) + QStringLiteral(".png");
    if (!shot.graphWindow)
        return w.grab().save(path);
    graphs::Graphes window(w.sim(), {}, &w);
    window.show();
    QApplication::processEvents();
    return window.grab().save(path);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const std::vector<Shot> shots = {
        {"lancer", "GRAPHES.P08", false, {8, 5, 12}, {0, 1}, true, 5, 0.9},
        {"exercice", "DELTAV.E20", true, {8}, {}, true, 3, 0},
        {"graphes", "ENERGIE.P08", false, {}, {5, 6, 7}, false, 5, 0, true},
    };
    bool ok = true;
    for (const Shot &s : shots) {
        const bool taken = take(s, QCoreApplication::applicationDirPath(), out);
        std::printf("%s: %s\n", s.name, taken ? "ok" : "FAILED");
        ok &= taken;
    }
    return ok ? 0 : 1;
}
