// Renders what a user sees in a set of lessons (main window during and after a flight, live
// graph, graph window, exports) into a folder, so two builds can be compared file by file.
//   orbane_snapshot <output folder>
#include "app/feuillep.h"
#include "exchange/format.h"
#include "exchange/tables.h"
#include "graphs/graphes.h"
#include "graphs/graphpanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTextStream>
#include <QToolButton>
#include <cstdio>
#include <functional>

using namespace orbane;

namespace {

struct Lesson
{
    QString name;
    QString config;                 // a shipped configuration, or empty for the start-up one
    std::vector<int> checks;        // main-window options to toggle, by number
    std::vector<int> quantities;    // live-graph quantities to choose
    int ticks = 400;                // at most
};

void save(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void click(QWidget *w)
{
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        b->click();
}

void run(const Lesson &lesson, const QString &out)
{
    NullDialogs dialogs;
    NullSound sound;
    NullBeeper beeper;
    Services services{&dialogs, &sound, &beeper};
    FeuilleP w(QCoreApplication::applicationDirPath(), &services);
    if (!w.load())
        return;
    w.show();
    QApplication::processEvents();
    if (!lesson.config.isEmpty())
        w.openFile(QCoreApplication::applicationDirPath() + QLatin1Char('/') + lesson.config);
    for (int i : lesson.checks)
        click(w.findChild<QCheckBox *>(QStringLiteral("Check%1").arg(i)));
    for (int q : lesson.quantities)
        for (QCheckBox *b : w.findChildren<QCheckBox *>(QStringLiteral("Check13")))
            if (b->property("index").toInt() == q)
                b->click();
    QApplication::processEvents();

    QString log;
    QTextStream ts(&log);
    click(w.findChild<QToolButton *>(QStringLiteral("command15")));
    w.timer1().stop();
    int n = 0;
    for (; n < lesson.ticks && w.sim().d.timer1; ++n) {
        w.sim().Timer1_Timer();
        w.timer1().stop();
        ts << n << '\t' << w.sim().d.Label3 << '\t' << w.sim().d.Label1 << '\n';
        if (n == 20) {
            QApplication::processEvents();
            w.grab().save(out + QStringLiteral("/%1-tick20.png").arg(lesson.name));
        }
    }
    QApplication::processEvents();
    ts.flush();
    save(out + QStringLiteral("/%1-readouts.txt").arg(lesson.name), log.toUtf8());
    w.grab().save(out + QStringLiteral("/%1-end.png").arg(lesson.name));
    w.renderer().canvas().composed().save(out + QStringLiteral("/%1-canvas.png").arg(lesson.name));
    if (auto *panel = w.findChild<graphs::GraphPanel *>(QStringLiteral("frame1")))
        panel->image().save(out + QStringLiteral("/%1-live.png").arg(lesson.name));

    for (auto decimal : {exchange::Decimal::Comma, exchange::Decimal::Point}) {
        const QString tag = decimal == exchange::Decimal::Comma ? QStringLiteral("comma")
                                                                : QStringLiteral("point");
        const exchange::Format tabs{u'\t', decimal};
        save(out + QStringLiteral("/%1-values-%2.txt").arg(lesson.name, tag),
             exchange::writeDelimited(exchange::flightTable(w.sim().flight(), 0.1), tabs).toUtf8());
        save(out + QStringLiteral("/%1-photos-%2.txt").arg(lesson.name, tag),
             exchange::writeDelimited(exchange::photoTable(w.sim().photoPositions), tabs).toUtf8());
    }

    graphs::Graphes window(w.sim(), {}, &w);
    window.show();
    QApplication::processEvents();
    window.graph().image().save(out + QStringLiteral("/%1-window.png").arg(lesson.name));
    window.grab().save(out + QStringLiteral("/%1-window-full.png").arg(lesson.name));
    QString cells;
    for (int r = 0; r < window.grid()->rowCount(); ++r) {
        for (int c = 0; c < window.grid()->columnCount(); ++c)
            if (auto *item = window.grid()->item(r, c))
                cells += item->text() + QLatin1Char('|');
        cells += QLatin1Char('\n');
    }
    save(out + QStringLiteral("/%1-table.txt").arg(lesson.name), cells.toUtf8());
    std::printf("%s: %d ticks\n", qPrintable(lesson.name), n);
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
    const std::vector<Lesson> lessons = {
        {QStringLiteral("default"), {}, {8, 5, 12}, {0, 1}},
        {QStringLiteral("portee"), QStringLiteral("PORTEE.P08"), {}, {0, 1}},
        {QStringLiteral("energie"), QStringLiteral("ENERGIE.P08"), {}, {5, 6, 7}},
        {QStringLiteral("deltav"), QStringLiteral("DELTAV.P08"), {2, 11}, {2, 3, 4}},
        {QStringLiteral("rebond"), QStringLiteral("REBOND.P08"), {1, 8, 5, 6}, {1}},
        {QStringLiteral("astres"), QStringLiteral("ASTRES.P08"), {8, 5, 6, 12}, {4}},
    };
    for (const Lesson &l : lessons)
        run(l, out);
    return 0;
}
