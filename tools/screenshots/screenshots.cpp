// Makes the pictures of the program shown by software centres (the main window in a few
// lessons) or, with --aide, the pictures of the help; grabbed offscreen from the program's own
// widgets.
//   orbane1s_screenshots [--aide] <output folder>
//   orbane1s_screenshots --python <program.py>   (the pointage's Python program, for its figure)
#include "app/commandline.h"
#include "app/feuillep.h"
#include "app/tabstrip.h"
#include "core/units.h"
#include "exchange/exportdialog.h"
#include "graphs/graphes.h"
#include "pointage/measurefile.h"
#include "pointage/mediasource.h"
#include "pointage/pointageview.h"
#include "pointage/pointagewindow.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTabWidget>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

using namespace orbane;

namespace {

struct Shot
{
    const char *name;
    const char *file;        // a shipped configuration or exercise
    bool copied = false;     // opened from a copy in a teacher's folder, not the program's
    std::vector<int> checks; // options to tick, by number
    std::vector<int> curves; // live-graph quantities
    bool chronophotography = false;
    int tab = 1;                          // the tab shown
    double seconds = 0;                   // how far into the flight; 0 for the whole flight
    bool graphWindow = false;             // the graph window over the main window
    std::vector<const char *> named = {}; // options to tick, by name
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
        for (const QString &name :
             QDir(programDir).entryList({stem + QStringLiteral("*")}, QDir::Files))
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
    // make.sh gives the tool a home of its own, so that no machine's path shows.
    QDir m_folder{QDir::homePath() + QStringLiteral("/Exercices")};
    QString m_file;
    QStringList m_copies;
};

// The main window in a lesson, its flight run as far as the shot asks.
class Lesson
{
    NullDialogs m_dialogs;
    NullSound m_sound;
    NullBeeper m_beeper;
    Services m_services{&m_dialogs, &m_sound, &m_beeper};
    std::optional<TeachersFolder> m_copy;

public:
    Lesson(const Shot &shot, const QString &programDir) : w(programDir, &m_services)
    {
        if (!w.load())
            return;
        loaded = true;
        w.show();
        QApplication::processEvents();
        if (shot.copied)
            m_copy.emplace(programDir, QLatin1String(shot.file));
        w.openFile(m_copy ? m_copy->path()
                          : programDir + QLatin1Char('/') + QLatin1String(shot.file));
        play(shot);
    }

    Dialogs &dialogs() { return m_dialogs; }

    FeuilleP w;
    bool loaded = false;

private:
    void play(const Shot &shot);
};

void Lesson::play(const Shot &shot)
{
    QStringList options;
    for (int i : shot.checks)
        options << QStringLiteral("Check%1").arg(i);
    for (const char *name : shot.named)
        options << QLatin1String(name);
    for (const QString &name : options)
        if (auto *box = w.findChild<QCheckBox *>(name); box && !box->isChecked())
            box->click();
    for (int q : shot.curves)
        for (QCheckBox *b : w.findChildren<QCheckBox *>(QStringLiteral("Check13")))
            if (b->property("index").toInt() == q && !b->isChecked())
                b->click();
    click(w.findChild<QAbstractButton *>(QStringLiteral("Command6"))); // the live graph
    w.onglets()->setOnglet(shot.tab);
    // The chronophotography button launches the flight itself.
    click(w.findChild<QAbstractButton *>(shot.chronophotography ? QStringLiteral("command12")
                                                                : QStringLiteral("command15")));
    w.timer1().stop(); // the flight advances tick by tick, not on the clock
    while (w.sim().d.timer1 && (shot.seconds == 0 || w.sim().s.temps < shot.seconds)) {
        w.sim().Timer1_Timer();
        w.timer1().stop();
    }
    QApplication::processEvents();
}

bool take(const Shot &shot, const QString &programDir, const QString &out)
{
    Lesson lesson(shot, programDir);
    if (!lesson.loaded)
        return false;
    FeuilleP &w = lesson.w;
    const QString path = out + QLatin1Char('/') + QLatin1String(shot.name) + QStringLiteral(".png");
    if (!shot.graphWindow)
        return w.grab().save(path);
    graphs::Graphes window(w.sim(), {}, &w);
    window.show();
    QApplication::processEvents();
    return window.grab().save(path);
}

// Grabs the first modal window that `open` shows, then closes it.
QImage grabModal(const std::function<void()> &open)
{
    QImage shot;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll.stop();
            shot = modal->grab().toImage();
            modal->close();
        }
    });
    poll.start();
    open();
    return shot;
}

// The pointage window over the lesson, with a pupil's points on all the photographs but the
// last two, and the velocities shown.
QImage pointage(Lesson &lesson)
{
    FeuilleP &w = lesson.w;
    click(w.findChild<QAbstractButton *>(QStringLiteral("pointage")));
    auto *window = w.findChild<pointage::PointageWindow *>();
    auto *view = window ? window->findChild<pointage::PointageView *>() : nullptr;
    if (!view)
        return {};
    const auto &photos = w.sim().photoPositions;
    for (std::size_t i = 0; i + 2 < photos.size(); ++i) {
        const QPointF at(scene::pixelX(photos[i].x), scene::pixelY(photos[i].y));
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(view, &event);
        }
    }
    click(window->findChild<QAbstractButton *>(QStringLiteral("vitesses")));
    QApplication::processEvents();
    const QImage shot = window->grab().toImage();
    window->close();
    return shot;
}

// A ball thrown in front of a wall, a metre rule on the floor: the frames of a classroom video
// drawn here, 25 a second, and the ball's centre on each (pixels).
struct ThrownBall
{
    std::vector<QImage> frames;
    std::vector<double> times;
    std::vector<QPointF> centres;
};

ThrownBall thrownBall()
{
    constexpr double kScale = 200, x0 = 0.1, y0 = 0.3, vx = 2.5, vy = 3.2, g = 9.81; // px/m, SI
    const QPointF origin(40, 360);
    ThrownBall out;
    for (int i = 0; i < 18; ++i) {
        const double t = i / 25.0;
        const QPointF c = origin + kScale * QPointF(x0 + vx * t, -(y0 + vy * t - g * t * t / 2));
        QImage frame(640, 400, QImage::Format_RGB32);
        QPainter p(&frame);
        QLinearGradient wall(0, 0, 0, 365);
        wall.setColorAt(0, QColor(214, 208, 196));
        wall.setColorAt(1, QColor(190, 182, 168));
        p.fillRect(0, 0, 640, 365, wall);
        p.fillRect(0, 365, 640, 35, QColor(120, 100, 80));
        for (int d = 0; d < 10; ++d) // the rule, in decimetres
            p.fillRect(300 + 20 * d, 368, 20, 6, d % 2 ? QColor(250, 250, 240) : QColor(230, 190, 30));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 90, 20));
        p.drawEllipse(c, 7, 7);
        p.end();
        out.frames.push_back(frame);
        out.times.push_back(t);
        out.centres.push_back(c);
    }
    return out;
}

// The pointage window on that video: calibrated, every frame pointed by hand (a pixel off here
// and there), the model fitted and its curve over the picture.
QImage videoPointage(Lesson &lesson)
{
    const ThrownBall ball = thrownBall();
    pointage::MediaSource source;
    source.path = QStringLiteral("lancer.mp4");
    source.video = true;
    source.frames = ball.frames;
    source.times = ball.times;
    pointage::PointageActions actions;
    actions.simulate = [](const pointage::FittedLaunch &) {}; // "Simuler ce lancer" enabled
    auto *window = new pointage::PointageWindow(lesson.w.sim(), std::move(source),
                                                std::move(actions), &lesson.w);
    pointage::MeasureFile measure;
    measure.calibration.scaleFrom = QPointF(300, 371);
    measure.calibration.scaleTo = QPointF(500, 371);
    measure.calibration.length = 1.0;
    measure.calibration.origin = QPointF(40, 360);
    measure.masse = 0.058;
    measure.g = 9.81;
    for (std::size_t i = 0; i < ball.centres.size(); ++i) {
        const QPointF off(std::round(std::sin(1.7 * double(i))), std::round(std::cos(2.3 * double(i))));
        const QPointF at = ball.centres[i] + off;
        measure.points.push_back({int(i), at.x(), at.y(), ball.times[i]});
    }
    window->applyMeasure(measure);
    window->resize(1000, 560); // as narrow as it goes, no empty room under the picture
    window->show();
    if (auto *frames = window->findChild<QAbstractSlider *>(QStringLiteral("image")))
        frames->setValue(9);
    if (auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("onglets")))
        tabs->setCurrentIndex(2);
    click(window->findChild<QAbstractButton *>(QStringLiteral("modeliser")));
    QApplication::processEvents();
    const QImage shot = window->grab().toImage();
    window->close();
    return shot;
}

// What `orbane1s --help` prints, in a terminal's colours.
QImage commandLine()
{
    QLabel terminal(QStringLiteral("$ orbane1s --help\n") + helpText());
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSize(7); // within the help window's width
    terminal.setFont(mono);
    terminal.setStyleSheet(QStringLiteral("background: #202020; color: #e0e0e0; padding: 8px;"));
    terminal.resize(terminal.sizeHint()); // adjustSize() would cap it to the screen's width
    return terminal.grab().toImage();
}

// The button "Affichage agrandi" with its menu open above it, as on a screen where the window
// fills the height, over the bottom left of the window.
QImage scaleMenu(FeuilleP &w)
{
    auto *button = w.findChild<QToolButton *>(QStringLiteral("echelle"));
    QMenu *menu = button ? button->menu() : nullptr;
    if (!menu)
        return {};
    const QSize size = menu->sizeHint();
    const QPoint below = button->mapTo(&w, QPoint(0, 0));
    const QRect placed(below - QPoint(0, size.height()), size);
    menu->popup(w.mapToGlobal(placed.topLeft()));
    QApplication::processEvents();
    QImage whole = w.grab().toImage();
    QPainter p(&whole);
    p.drawPixmap(placed.topLeft(), menu->grab());
    p.end();
    menu->hide();
    const QRect around = placed.united(QRect(below, button->size())).adjusted(-8, -40, 120, 8);
    return whole.copy(around.intersected(whole.rect()));
}

// A part of the picture, reduced by `scale` so that the help's pages stay light.
QImage part(const QImage &whole, const QRect &rect, double scale = 1.0)
{
    const QImage cut = rect.isNull() ? whole : whole.copy(rect);
    if (scale == 1.0)
        return cut;
    return cut.scaledToWidth(qRound(cut.width() * scale), Qt::SmoothTransformation);
}

// A wide picture cut at `x`, its right part under its left one.
QImage twoRows(const QImage &wide, int x)
{
    QImage out(std::max(x, wide.width() - x), 2 * wide.height(), wide.format());
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, wide, 0, 0, x, wide.height());
    p.drawImage(0, wide.height(), wide, x, 0, wide.width() - x, wide.height());
    return out;
}

// The tool bar in two rows, cut before "Imprimer".
QImage toolBar(FeuilleP &w)
{
    const auto *imprimer = w.findChild<QWidget *>(QStringLiteral("Command10"));
    const QImage bar = part(w.grab().toImage(), QRect(0, 0, w.width(), 40));
    return twoRows(bar, imprimer ? imprimer->x() : bar.width() / 2);
}

// The picture in 256 colours, the averages of its most frequent shades: windows are mostly
// flat, and a palette divides the file's size by two or three.
QImage fewColours(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    struct Shade
    {
        QRgb key = 0;
        int count = 0;
        qint64 r = 0, g = 0, b = 0;
    };
    QHash<QRgb, Shade> shades; // by the five high bits of each channel
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            Shade &s = shades[c & 0xF8F8F8];
            s.key = c & 0xF8F8F8;
            ++s.count;
            s.r += qRed(c);
            s.g += qGreen(c);
            s.b += qBlue(c);
        }
    QList<Shade> byCount = shades.values();
    // Ties broken by the shade itself: the hash's order changes from run to run.
    std::sort(byCount.begin(), byCount.end(), [](const Shade &a, const Shade &b) {
        return a.count != b.count ? a.count > b.count : a.key < b.key;
    });
    QList<QRgb> palette;
    for (const Shade &s : byCount.mid(0, 256))
        palette.append(qRgb(int(s.r / s.count), int(s.g / s.count), int(s.b / s.count)));
    return rgb.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

struct HelpShot
{
    const char *name; // zeph-<name>.png
    Shot lesson;
    std::function<QImage(Lesson &)> grab;
};

std::vector<HelpShot> helpShots()
{
    const Shot chrono{"", "GRAPHES.P08", false, {}, {}, true, 4, 0};
    const Shot construction{"", "GRAPHES.P08", false, {6, 7, 12},   {}, false,
                            3,  0.5,           false, {"secondLaw"}};
    const Shot plain{"", "GRAPHES.P08", false, {}, {}, false, 1, 0};
    return {
        {"pointage", chrono, [](Lesson &l) { return part(pointage(l), {}, 0.55); }},
        {"pointage-video", plain, [](Lesson &l) { return part(videoPointage(l), {}, 0.46); }},
        {"exporter", chrono,
         [](Lesson &l) {
             return grabModal([&] { exchange::exportFlight(l.w.sim(), l.dialogs(), &l.w); });
         }},
        {"deuxieme-loi", construction,
         [](Lesson &l) { return part(l.w.grab().toImage(), QRect(8, 250, 410, 272)); }},
        {"imprimer", plain,
         [](Lesson &l) {
             return grabModal(
                 [&] { click(l.w.findChild<QAbstractButton *>(QStringLiteral("Command10"))); });
         }},
        {"ligne-commande", plain, [](Lesson &) { return commandLine(); }},
        {"barre-outils", plain, [](Lesson &l) { return toolBar(l.w); }},
        {"affichage-agrandi", plain, [](Lesson &l) { return scaleMenu(l.w); }},
    };
}

// The Python program that the pointage window exports, for a pupil who pointed every
// photograph of the lesson's chronophotograph exactly.
bool writePython(const QString &path)
{
    Lesson lesson(helpShots().front().lesson, QCoreApplication::applicationDirPath());
    if (!lesson.loaded)
        return false;
    const Simulation &sim = lesson.w.sim();
    pointage::Measurement measurement(sim.photoPositions, double(sim.s.masse), double(sim.s.gpes));
    for (const auto &photo : sim.photoPositions)
        measurement.add({scene::pixelX(photo.x), scene::pixelY(photo.y)});
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(pointage::pythonProgram(measurement).toUtf8()) > 0;
}

bool takeHelp(const HelpShot &shot, const QString &programDir, const QString &out)
{
    Lesson lesson(shot.lesson, programDir);
    if (!lesson.loaded)
        return false;
    const QImage image = shot.grab(lesson);
    const QString path =
        out + QStringLiteral("/zeph-") + QLatin1String(shot.name) + QStringLiteral(".png");
    const bool ok = !image.isNull() && fewColours(image).save(path);
    std::printf("zeph-%s: %s (%d x %d)\n", shot.name, ok ? "ok" : "FAILED", image.width(),
                image.height());
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QLatin1String mode(argc == 3 ? argv[1] : "");
    const bool help = mode == QLatin1String("--aide");
    if (argc < 2 || (argc == 3 && !help && mode != QLatin1String("--python"))) {
        std::fprintf(stderr,
                     "usage: %s [--aide] <output folder>\n"
                     "       %s --python <program.py>\n",
                     argv[0], argv[0]);
        return 2;
    }
    if (argc == 3 && !help)
        return writePython(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    const QString out = QString::fromLocal8Bit(argv[argc - 1]);
    QDir().mkpath(out);
    if (help) {
        bool ok = true;
        for (const HelpShot &s : helpShots())
            ok &= takeHelp(s, QCoreApplication::applicationDirPath(), out);
        return ok ? 0 : 1;
    }
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
