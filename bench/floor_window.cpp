// The least a live frame can cost on this machine: a bare window the size of the scene that
// uploads a whole picture of it every 20 ms and does nothing else. bench/flight_cpu.sh measures
// it beside the program, so that their ratio holds on any machine.
#include "core/units.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

class FloorWindow : public QWidget
{
public:
    FloorWindow() : m_picture(orbane::scene::kCanvasWidth, orbane::scene::kCanvasHeight,
                              QImage::Format_RGB32)
    {
        setWindowTitle(QStringLiteral("Plancher"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(m_picture.size());
        m_picture.fill(Qt::white);
        m_timer.setTimerType(Qt::PreciseTimer); // as the program's flight timer
        connect(&m_timer, &QTimer::timeout, this, [this] {
            // One pixel changes, so nothing upstream can skip the upload.
            ++m_frames;
            m_picture.setPixel(int(m_frames % unsigned(m_picture.width())), 0, m_frames & 0xffffff);
            update();
        });
        m_timer.start(20);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawImage(0, 0, m_picture);
    }

private:
    QImage m_picture;
    QTimer m_timer;
    unsigned m_frames = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FloorWindow window;
    // At the screen's right edge: the program's window stays uncovered at the top left.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window.move(screen.right() + 1 - window.width(), 0);
    window.show();
    return QApplication::exec();
}
