// Start-up to the first paint of the main window, and peak memory; built twice: the
// simulator's window and, for comparison, a bare Qt window of the same size.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <sys/resource.h>

#ifndef ORBANE_BARE_WINDOW
#include "app/feuillep.h"
#include "platform/frenchui.h"
#endif

namespace {
QElapsedTimer clockSinceMain;

// Reports the first paint of the window, then ends the program.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            const double ms = clockSinceMain.nsecsElapsed() / 1e6;
            QTimer::singleShot(0, [ms] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("first_paint_ms=%.2f peak_rss_mb=%.1f\n", ms, usage.ru_maxrss / 1024.0);
                QApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};
} // namespace

int main(int argc, char *argv[])
{
    clockSinceMain.start();
    QApplication app(argc, argv);
    FirstPaint probe;
#ifdef ORBANE_BARE_WINDOW
    QWidget window;
    window.resize(800, 600);
#else
    orbane::installFrenchTranslations(app);
    orbane::FeuilleP window(QCoreApplication::applicationDirPath());
    if (!window.load())
        return 1;
#endif
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
