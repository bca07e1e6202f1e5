// Start-up of the main window, and peak memory; built three times: the simulator's window and,
// for comparison, a bare Qt window of the same size and that window with one line of text
// (the first text alone loads the fonts). Start-up ends when the first frame (the window
// and all its children) is drawn. It is timed from main() and, when started by startup_launch,
// from the launch itself, which adds loading the program and its libraries.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

#if !defined(ORBANE_BARE_WINDOW) && !defined(ORBANE_TEXT_WINDOW)
#define ORBANE_MAIN_WINDOW
#include "app/feuillep.h"
#include "platform/fontwarmup.h"
#include "platform/frenchui.h"
#endif

namespace {
double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double mainStartMs = 0;
double paintStartMs = 0;

// ORBANE_PHASES=1 prints the phases of the start-up, to see where the time goes.
void phase(const char *name)
{
    static const bool wanted = std::getenv("ORBANE_PHASES") != nullptr;
    if (wanted)
        std::fprintf(stderr, "%s %.2f\n", name, nowMs() - mainStartMs);
}

void report()
{
    const double end = nowMs();
    const char *launch = std::getenv("ORBANE_LAUNCH_MS");
    const double launchMs = launch ? std::strtod(launch, nullptr) : mainStartMs;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("first_frame_ms=%.2f from_launch_ms=%.2f paint_start_from_launch_ms=%.2f "
                "peak_rss_mb=%.1f\n",
                end - mainStartMs, end - launchMs, paintStartMs - launchMs,
                usage.ru_maxrss / 1024.0);
}

// Waits for the window's first paint; once that frame is finished, reports and ends the program.
class FirstFrame : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            paintStartMs = nowMs();
            phase("paint starts");
            QTimer::singleShot(0, [] {
                report();
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
    mainStartMs = nowMs();
#ifdef ORBANE_MAIN_WINDOW
    orbane::FontWarmUp fonts;
#endif
    QApplication app(argc, argv);
    phase("application");
    FirstFrame probe;
#ifndef ORBANE_MAIN_WINDOW
    QWidget window;
    window.resize(800, 600);
#ifdef ORBANE_TEXT_WINDOW
    (new QLabel(QStringLiteral("Vous pouvez modifier les paramètres"), &window))->move(10, 10);
#endif
#else
    orbane::installFrenchTranslations(app);
    fonts.wait();
    phase("fonts");
    orbane::FeuilleP window(QCoreApplication::applicationDirPath());
    phase("window built");
    if (!window.load())
        return 1;
    phase("loaded");
#endif
    window.installEventFilter(&probe);
    window.show();
    phase("shown");
    return QApplication::exec();
}
