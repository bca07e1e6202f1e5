#include "app/commandline.h"
#include "app/displayscale.h"
#include "app/feuillep.h"
#include "core/savefile.h"
#include "platform/fontwarmup.h"
#include "platform/frenchui.h"

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

QStringList rawArguments(int argc, char *argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

void print(std::FILE *stream, const QString &text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// Help and version need no display; a refusal is printed with the usage line.
int answer(const orbane::CommandLine &line)
{
    using Action = orbane::CommandLine::Action;
    if (line.action == Action::Help)
        print(stdout, orbane::helpText());
    else if (line.action == Action::Version)
        print(stdout, orbane::versionText() + QLatin1Char('\n'));
    else
        print(stderr, QStringLiteral("orbane1s : %1\n%2\nPour en savoir plus : orbane1s --help\n")
                          .arg(line.refusal, orbane::usageLine()));
    return line.action == Action::Refused ? 2 : 0;
}

bool savePicture(QWidget &window, const QString &path)
{
    const QImage picture = window.grab().toImage();
    return orbane::saving::saveFile(path, [&picture](QIODevice &file) {
        return picture.save(&file, "PNG");
    }).ok;
}

// Once the window's first frame is painted, writes its picture and ends the program (checks
// of an installed copy, screenshots).
class FirstFrameCapture : public QObject
{
public:
    FirstFrameCapture(QWidget &window, const QString &path) : m_window(window), m_path(path)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] {
                const bool saved = savePicture(m_window, m_path);
                if (!saved)
                    print(stderr, QStringLiteral("orbane1s : impossible d'écrire %1\n").arg(m_path));
                QApplication::exit(saved ? 0 : 1);
            });
        }
        return false;
    }

private:
    QWidget &m_window;
    QString m_path;
    bool m_seen = false;
};

// Under X11 a live frame uploads a few small rectangles: through the socket they cost less than
// through shared memory, whose completion Qt waits for; Qt's own event dispatcher makes fewer
// system calls per frame than GLib's. A setting the user made stands.
void preferLeanFrames()
{
    for (const char *name : {"QT_XCB_NO_MITSHM", "QT_NO_GLIB"})
        if (!qEnvironmentVariableIsSet(name))
            qputenv(name, "1");
}

} // namespace

int main(int argc, char *argv[])
{
    // Help, version and refusals answer before any display is opened, unless Qt's own options
    // are there: the application object removes those first.
    const QStringList raw = rawArguments(argc, argv);
    const orbane::CommandLine early = orbane::parseCommandLine(raw);
    if (early.action != orbane::CommandLine::Action::Run &&
        (early.action != orbane::CommandLine::Action::Refused || !orbane::hasQtOptions(raw)))
        return answer(early);

    preferLeanFrames(); // before any thread: each picks its event dispatcher as it starts
    // Qt reads its scale factor when the application object is made; the application takes
    // its own options out of argv, so the arguments are kept as received for a new start.
    orbane::display::Start scale = orbane::display::prepare(early.scale);
    std::vector<char *> received(argv, argv + argc + 1);
    orbane::FontWarmUp fonts;
    QApplication app(argc, argv);
    // Qt has now taken its own options (-platform, -style...); what is left must be ours.
    const orbane::CommandLine line = orbane::parseCommandLine(QCoreApplication::arguments());
    if (line.action != orbane::CommandLine::Action::Run) {
        fonts.wait();
        return answer(line);
    }
    orbane::display::fitToScreen(scale, received.data());
    QApplication::setApplicationName(QStringLiteral("Orbane 1S"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orbane1s.png")));
    orbane::installFrenchTranslations(app);
    orbane::keepLightPalette();
    fonts.wait();

    orbane::FeuilleP window(QCoreApplication::applicationDirPath());
    if (!window.load())
        return 1;
    std::unique_ptr<FirstFrameCapture> capture;
    if (!line.capture.isEmpty())
        capture = std::make_unique<FirstFrameCapture>(window, line.capture);
    window.show();
    if (!line.carried.isEmpty())
        window.resume(line.carried, line.file);
    else if (!line.file.isEmpty())
        window.openFile(line.file);
    return QApplication::exec();
}
