// Icon set: flat shapes with a gentle top-to-bottom gradient and a darker 1 px outline.
// Drawn at their final size with coordinates on half pixels so outlines stay crisp.
#include "generators.h"

#include "common.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <vector>

namespace gen {
namespace {

// Shared palette: each colour has a light top, a darker bottom and an outline.
struct Tone
{
    QColor top, bottom, line;
};
const Tone kBlue{qc(0x5aa9f0), qc(0x1f63c0), qc(0x143f80)};
const Tone kGreen{qc(0x6fdc7c), qc(0x1f9a48), qc(0x146430)};
const Tone kRed{qc(0xf57a6c), qc(0xc92e26), qc(0x821b16)};
const Tone kOrange{qc(0xffd877), qc(0xf0a02a), qc(0xa3651a)};
const Tone kPaper{qc(0xffffff), qc(0xe3e9f0), qc(0x7b8a9b)};
const Tone kSteel{qc(0xd5dce3), qc(0x8d99a6), qc(0x4d5966)};
const Tone kDark{qc(0x5b6978), qc(0x2c3642), qc(0x1a2129)};
const Tone kPink{qc(0xffb3c0), qc(0xe6677f), qc(0x9c3448)};

QLinearGradient vgrad(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void shape(QPainter &p, const QPainterPath &path, const Tone &t, double width = 1.0)
{
    p.setBrush(vgrad(path.boundingRect(), t.top, t.bottom));
    p.setPen(width > 0 ? QPen(t.line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : Qt::NoPen);
    p.drawPath(path);
}

QPainterPath rect(double x0, double y0, double x1, double y1, double radius = 0)
{
    QPainterPath path;
    if (radius > 0)
        path.addRoundedRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)), radius, radius);
    else
        path.addRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)));
    return path;
}

QPainterPath poly(std::initializer_list<QPointF> pts)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &pt : pts) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

// Thin white line inside the top edge: the "lit bevel" shared by every icon.
void highlight(QPainter &p, double x0, double x1, double y, int alpha = 150)
{
    p.setPen(QPen(QColor(255, 255, 255, alpha), 1));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
}

QImage canvas(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

using Painter = std::function<void(QPainter &)>;

QImage draw(int size, const Painter &f)
{
    QImage img = canvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    f(p);
    return img;
}

// ---------------------------------------------------------------------------------------
void eraser(QPainter &p)
{
    // Trail left on the paper.
    p.setPen(QPen(QColor(120, 138, 155, 150), 1.2, Qt::DashLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, 21.5), QPointF(11, 21.5));
    p.save();
    p.translate(13.5, 12.5);
    p.rotate(-40);
    const QPainterPath body = rect(-9.5, -4.5, 9.5, 4.5, 1.8);
    shape(p, body, kBlue);
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(vgrad(QRectF(-10, -5, 10, 10), kPink.top, kPink.bottom));
    p.drawRect(QRectF(-10, -5, 8.5, 10));
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kPink.line, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(rect(-9.5, -4.5, -1.5, 4.5, 1.8).intersected(body));
    p.setPen(QPen(kBlue.line, 1));
    p.drawPath(body);
    highlight(p, -8, 8, -3.3, 140);
    p.restore();
}

void folder(QPainter &p)
{
    shape(p, poly({{2.5, 4.5}, {9.0, 4.5}, {11.0, 6.5}, {19.5, 6.5}, {19.5, 19.5}, {2.5, 19.5}}),
          {qc(0xf2b44a), qc(0xd98a1e), kOrange.line});
    shape(p, rect(5.5, 8.5, 17.5, 16.5), kPaper);
    p.setPen(QPen(qc(0x9fb4ca), 1));
    p.drawLine(QPointF(7.5, 10.5), QPointF(15.5, 10.5));
    p.drawLine(QPointF(7.5, 12.5), QPointF(13.5, 12.5));
    shape(p, poly({{5.5, 11.5}, {22.5, 11.5}, {19.5, 19.5}, {2.5, 19.5}}), kOrange);
    highlight(p, 6.5, 21.0, 12.5, 170);
}

void floppy(QPainter &p)
{
    shape(p, poly({{3.5, 3.5}, {18.0, 3.5}, {20.5, 6.0}, {20.5, 20.5}, {3.5, 20.5}}), kBlue);
    shape(p, rect(7.5, 3.5, 16.5, 9.5), kSteel);
    p.setPen(Qt::NoPen);
    p.setBrush(qc(0x3b4754));
    p.drawRect(QRectF(13, 5, 2, 3.5));
    shape(p, rect(6.5, 12.5, 17.5, 20.5, 0.8), kPaper);
    p.setPen(QPen(qc(0x8fb0d8), 1));
    p.drawLine(QPointF(8.5, 15.5), QPointF(15.5, 15.5));
    p.drawLine(QPointF(8.5, 17.5), QPointF(15.5, 17.5));
    highlight(p, 4.5, 7, 4.5, 120);
}

void sheet(QPainter &p, double x0, double y0, double x1, double y1)
{
    const double fold = 4;
    shape(p, poly({{x0, y0}, {x1 - fold, y0}, {x1, y0 + fold}, {x1, y1}, {x0, y1}}), kPaper);
    shape(p, poly({{x1 - fold, y0}, {x1 - fold, y0 + fold}, {x1, y0 + fold}}),
          {qc(0xdfe6ee), qc(0xc3cdd8), kPaper.line});
    p.setPen(QPen(qc(0x8fb0d8), 1));
    for (double y = y0 + 6; y < y1 - 1.5; y += 2)
        p.drawLine(QPointF(x0 + 2, y), QPointF(x1 - 2 - (int(y) % 4 == 1 ? 2 : 0), y));
}

void copy(QPainter &p)
{
    sheet(p, 3.5, 2.5, 14.5, 16.5);
    sheet(p, 9.5, 7.5, 20.5, 21.5);
}

void printer(QPainter &p)
{
    shape(p, rect(6.5, 2.5, 17.5, 10.5), kPaper);
    shape(p, rect(2.5, 8.5, 21.5, 17.5, 2), kSteel);
    highlight(p, 4.5, 19.5, 9.5, 170);
    p.setPen(Qt::NoPen);
    p.setBrush(qc(0x3b4754));
    p.drawRect(QRectF(5, 14, 14, 2));
    QRadialGradient led(18.2, 11.2, 1.6);
    led.setColorAt(0, qc(0xb8ffb0));
    led.setColorAt(1, qc(0x22a83c));
    p.setBrush(led);
    p.drawEllipse(QPointF(18.5, 11.5), 1.3, 1.3);
    shape(p, rect(6.5, 14.5, 17.5, 21.5), kPaper);
    p.setPen(QPen(qc(0x8fb0d8), 1));
    p.drawLine(QPointF(8.5, 17.5), QPointF(15.5, 17.5));
    p.drawLine(QPointF(8.5, 19.5), QPointF(13.5, 19.5));
}

void calculator(QPainter &p)
{
    shape(p, rect(4.5, 1.5, 19.5, 22.5, 2), kDark);
    shape(p, rect(6.5, 3.5, 17.5, 8.5, 0.8), {qc(0xdaf0c8), qc(0x9cc489), qc(0x3d5a32)});
    p.setPen(Qt::NoPen);
    p.setBrush(qc(0x2f4628));
    p.drawRect(QRectF(11, 5, 1.5, 2.5));
    p.drawRect(QRectF(13.5, 5, 1.5, 2.5));
    p.drawRect(QRectF(15.5, 5, 1, 2.5));
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col) {
            const bool equals = row == 3 && col == 2;
            const double x = 6.5 + col * 4, y = 10.5 + row * 3;
            const Tone t = equals ? kOrange : Tone{qc(0xf4f7fa), qc(0xb9c3ce), qc(0x1a2129)};
            p.setPen(Qt::NoPen);
            p.setBrush(vgrad(QRectF(x, y, 3, 2), t.top, t.bottom));
            p.drawRoundedRect(QRectF(x, y, 3, 2), 0.5, 0.5);
        }
}

void roundBadge(QPainter &p, const Tone &t, double cx, double cy, double r)
{
    QPainterPath disc;
    disc.addEllipse(QPointF(cx, cy), r, r);
    QRadialGradient g(cx - r * 0.35, cy - r * 0.45, r * 1.6);
    g.setColorAt(0, t.top);
    g.setColorAt(1, t.bottom);
    p.setBrush(g);
    p.setPen(QPen(t.line, 1));
    p.drawPath(disc);
    // Glossy cap.
    QLinearGradient gl(cx, cy - r, cx, cy);
    gl.setColorAt(0, QColor(255, 255, 255, 120));
    gl.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gl);
    p.drawEllipse(QRectF(cx - r * 0.7, cy - r * 0.9, r * 1.4, r * 0.9));
}

void help(QPainter &p)
{
    roundBadge(p, kBlue, 12, 12, 10.5);
    QPainterPath q;
    q.moveTo(8.6, 9.4);
    q.cubicTo(8.6, 6.2, 15.4, 5.6, 15.4, 9.2);
    q.cubicTo(15.4, 11.6, 12.0, 11.8, 12.0, 14.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(q);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 17.6), 1.45, 1.45);
}

void closeIcon(QPainter &p)
{
    roundBadge(p, kRed, 12, 12, 10.5);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8.3, 8.3), QPointF(15.7, 15.7));
    p.drawLine(QPointF(15.7, 8.3), QPointF(8.3, 15.7));
}

// ---------------------------------------------------------------------------------------
void back(QPainter &p)
{
    shape(p, rect(3.5, 4.5, 6.5, 15.5, 0.6), kBlue);
    shape(p, poly({{16.5, 4.5}, {16.5, 15.5}, {7.8, 10}}), kBlue);
}

void stopIcon(QPainter &p) { shape(p, rect(4.5, 4.5, 15.5, 15.5, 1.5), kRed); }

void play(QPainter &p) { shape(p, poly({{5.5, 3.5}, {5.5, 16.5}, {16.5, 10}}), kGreen); }

void pauseIcon(QPainter &p)
{
    shape(p, rect(4.5, 4.5, 8.5, 15.5, 0.8), kBlue);
    shape(p, rect(11.5, 4.5, 15.5, 15.5, 0.8), kBlue);
}

void cameraBody(QPainter &p)
{
    shape(p, poly({{7.5, 7.5}, {9.0, 4.5}, {15.0, 4.5}, {16.5, 7.5}}), kDark);
    shape(p, rect(2.5, 7.5, 21.5, 19.5, 2), kDark);
    highlight(p, 4.5, 19.5, 8.5, 90);
    // Shutter button and flash window.
    p.setPen(QPen(kRed.line, 0.8));
    p.setBrush(vgrad(QRectF(4, 5.5, 3, 2), kRed.top, kRed.bottom));
    p.drawRoundedRect(QRectF(4.5, 5.6, 2.5, 1.9), 0.5, 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(vgrad(QRectF(17, 9.5, 3, 2), qc(0xffffff), qc(0xc9d6e2)));
    p.drawRect(QRectF(17, 9.5, 2.5, 1.5));
    // Lens: silver ring around blue glass.
    QRadialGradient ring(10.5, 11.5, 6.5);
    ring.setColorAt(0, qc(0xf0f3f6));
    ring.setColorAt(1, qc(0x7d8894));
    p.setBrush(ring);
    p.setPen(QPen(qc(0x1a2129), 0.8));
    p.drawEllipse(QPointF(12, 13.5), 4.8, 4.8);
    QRadialGradient glass(11, 12.5, 3.8);
    glass.setColorAt(0, qc(0x7fc3ff));
    glass.setColorAt(0.6, qc(0x1f5fb0));
    glass.setColorAt(1, qc(0x0c2a55));
    p.setBrush(glass);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(12, 13.5), 3.2, 3.2);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(10.8, 12.3), 0.9, 0.9);
}

void camera(QPainter &p) { cameraBody(p); }

void cameraStop(QPainter &p)
{
    p.setOpacity(0.85);
    cameraBody(p);
    p.setOpacity(1);
    // Red stop badge with a white rim, lower right.
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(vgrad(QRectF(12, 12, 11, 11), kRed.top, kRed.bottom));
    p.drawRoundedRect(QRectF(12.5, 12.5, 10, 10), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(15.5, 15.5, 4, 4));
}

// ---------------------------------------------------------------------------------------
void exercises(QPainter &p)
{
    // Cover peeking under the pages.
    shape(p, poly({{1.5, 9.5}, {16, 12}, {30.5, 9.5}, {30.5, 27.5}, {16, 30}, {1.5, 27.5}}), kBlue);
    QPainterPath left;
    left.moveTo(3.5, 7.5);
    left.cubicTo(8, 6.5, 13, 7.2, 16, 9.5);
    left.lineTo(16, 27.5);
    left.cubicTo(13, 25.4, 8, 24.8, 3.5, 25.5);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(28.5, 7.5);
    right.cubicTo(24, 6.5, 19, 7.2, 16, 9.5);
    right.lineTo(16, 27.5);
    right.cubicTo(19, 25.4, 24, 24.8, 28.5, 25.5);
    right.closeSubpath();
    shape(p, left, kPaper);
    shape(p, right, kPaper);
    // Shadow along the spine.
    QLinearGradient spine(13, 0, 19, 0);
    spine.setColorAt(0, QColor(0, 0, 0, 0));
    spine.setColorAt(0.5, QColor(40, 60, 90, 70));
    spine.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(spine);
    p.drawRect(QRectF(13, 9, 6, 18.5));
    // Left page: a small dotted trajectory over a ground line.
    p.setPen(QPen(qc(0x7b8a9b), 1));
    p.drawLine(QPointF(5, 21.5), QPointF(14, 21.5));
    p.setPen(Qt::NoPen);
    p.setBrush(qc(0xe0322a));
    for (int i = 0; i <= 6; ++i) {
        const double t = i / 6.0;
        const double x = 5.5 + t * 8, y = 20.5 - 28 * t * (1 - t) + 0;
        p.drawEllipse(QPointF(x, y), 0.75, 0.75);
    }
    // Right page: lines of text.
    p.setPen(QPen(qc(0x8fb0d8), 1));
    for (int i = 0; i < 6; ++i) {
        const double y = 11.5 + i * 2.5;
        p.drawLine(QPointF(18.5, y), QPointF(i % 3 == 2 ? 23.5 : 26.5, y));
    }
    // Pencil across the right page.
    p.save();
    p.translate(22.5, 17);
    p.rotate(-55);
    const double len = 15, half = 2.1;
    shape(p, rect(-len / 2, -half, len / 2 - 3, half), kOrange, 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawRect(QRectF(-len / 2 + 0.5, -half + 0.5, len - 4, 1));
    shape(p, rect(-len / 2 - 2.6, -half, -len / 2, half, 0.8), kPink, 0.8);
    shape(p, rect(-len / 2 - 0.6, -half, -len / 2 + 1.0, half), kSteel, 0.6);
    shape(p, poly({{len / 2 - 3, -half}, {len / 2 + 1.8, 0}, {len / 2 - 3, half}}),
          {qc(0xf6dcb0), qc(0xd9b07a), qc(0x8a6a3a)}, 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(qc(0x2c3642));
    p.drawPolygon(QPolygonF({QPointF(len / 2 + 0.2, -0.7), QPointF(len / 2 + 1.9, 0), QPointF(len / 2 + 0.2, 0.7)}));
    p.restore();
}

void magnifier(QPainter &p)
{
    const QPointF c(12, 12);
    // Handle.
    p.setPen(QPen(qc(0x1a2129), 5.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(28.2, 28.2));
    QLinearGradient hg(22, 26, 26, 22);
    hg.setColorAt(0, qc(0x2c3642));
    hg.setColorAt(1, qc(0x6b7b8c));
    p.setPen(QPen(QBrush(hg), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19.5, 19.5), QPointF(28, 28));
    // Glass: pale and translucent, with a reflection.
    QRadialGradient glass(c.x() - 3, c.y() - 3, 10);
    glass.setColorAt(0, QColor(230, 245, 255, 200));
    glass.setColorAt(1, QColor(150, 200, 240, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawEllipse(c, 8.5, 8.5);
    // Rim.
    QLinearGradient rim(4, 4, 20, 20);
    rim.setColorAt(0, qc(0x8fa0b2));
    rim.setColorAt(1, qc(0x2c3642));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rim), 2.6));
    p.drawEllipse(c, 9.2, 9.2);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 6, c.y() - 6, 12, 12), 100 * 16, 60 * 16);
    // Zoom-in sign centred on the hot spot.
    p.setPen(QPen(kBlue.bottom, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - 3.5, c.y()), QPointF(c.x() + 3.5, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - 3.5), QPointF(c.x(), c.y() + 3.5));
}

// ---------------------------------------------------------------------------------------
// Application icon, designed on a 256 grid. Small sizes get fewer, larger dots and
// thicker strokes so the picture still reads at 48 px.
QImage appIcon(int size)
{
    QImage img = canvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double k = size / 256.0;
    const bool small = size < 100;
    p.scale(k, k);

    const QRectF tile(8, 8, 240, 240);
    QPainterPath rounded;
    rounded.addRoundedRect(tile, 52, 52);
    QLinearGradient bg(tile.topLeft(), tile.bottomRight());
    bg.setColorAt(0, qc(0x2a63d4));
    bg.setColorAt(0.55, qc(0x1d86c4));
    bg.setColorAt(1, qc(0x16b0a2));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawPath(rounded);

    p.setClipPath(rounded);
    // Soft light from the top-left.
    QRadialGradient glow(60, 40, 200);
    glow.setColorAt(0, QColor(255, 255, 255, 70));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(glow);
    p.drawRect(tile);
    // Ground.
    const double groundY = 200;
    QLinearGradient ground(0, groundY, 0, 248);
    ground.setColorAt(0, qc(0x3fbf6a));
    ground.setColorAt(1, qc(0x1f8a55));
    p.setBrush(ground);
    p.drawRect(QRectF(0, groundY, 256, 60));
    p.setPen(QPen(qc(0xd7ffd9), small ? 7 : 4));
    p.drawLine(QPointF(0, groundY), QPointF(256, groundY));
    p.setClipping(false);

    // Trajectory y(x) = ground - h (1 - ((x - xc)/a)^2), dots at equal time steps.
    const double x0 = 34, x1 = 222, xc = (x0 + x1) / 2, a = (x1 - x0) / 2, h = 122;
    auto traj = [&](double x) { return groundY - h * (1 - std::pow((x - xc) / a, 2)); };
    // The ball sits where the path still climbs steeply, so its arrow clears the apex.
    const double ballX = xc - 1.45 * a * a / (2 * h);
    const double ballY = traj(ballX);
    const double br = small ? 24 : 18;
    const int dots = small ? 8 : 14;
    const double dotR = small ? 10 : 6.5;
    // Velocity arrow along the tangent.
    const double slope = 2 * h * (ballX - xc) / (a * a);
    const QPointF dir = QPointF(1, slope) / std::hypot(1.0, slope);
    const double len = small ? 80 : 64;
    const QPointF tip = QPointF(ballX, ballY) + dir * len;
    const QPointF nrm(-dir.y(), dir.x());
    const double head = small ? 32 : 24, headW = small ? 21 : 14;
    p.setPen(Qt::NoPen);
    for (int i = 0; i <= dots; ++i) {
        const double x = x0 + (x1 - x0) * i / dots;
        if (std::abs(x - ballX) < br + dotR)
            continue;
        // Keep clear of the arrow shaft.
        const QPointF rel = QPointF(x, traj(x)) - QPointF(ballX, ballY);
        const double along = std::clamp(QPointF::dotProduct(rel, dir), 0.0, len);
        const QPointF off = rel - dir * along;
        if (std::hypot(off.x(), off.y()) < dotR + (small ? 10 : 7))
            continue;
        // Positions already travelled are a little fainter than those still to come.
        p.setBrush(QColor(255, 255, 255, x < ballX && !small ? 165 : 240));
        p.drawEllipse(QPointF(x, traj(x)), dotR, dotR);
    }
    const QColor arrow = qc(0xffd23f);
    p.setPen(QPen(QColor(0, 0, 0, 45), small ? 18 : 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(ballX, ballY) + QPointF(2, 3), tip - dir * head * 0.8 + QPointF(2, 3));
    p.setPen(QPen(arrow, small ? 14 : 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(ballX, ballY), tip - dir * head * 0.8);
    p.setPen(QPen(arrow, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(arrow);
    p.drawPolygon(QPolygonF({tip, tip - dir * head + nrm * headW, tip - dir * head - nrm * headW}));
    // Ball.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QPointF(ballX + 3, ballY + 4), br, br);
    QRadialGradient ball(ballX - br * 0.4, ballY - br * 0.45, br * 1.5);
    ball.setColorAt(0, qc(0xffb38a));
    ball.setColorAt(0.45, qc(0xf0502e));
    ball.setColorAt(1, qc(0x9c2412));
    p.setBrush(ball);
    p.setPen(QPen(qc(0x6e1a0c), small ? 3 : 2));
    p.drawEllipse(QPointF(ballX, ballY), br, br);
    p.end();
    return img;
}

} // namespace

bool writeIcons(const QString &dir)
{
    struct Item
    {
        const char *name;
        int size;
        Painter paint;
    };
    const std::vector<Item> items = {
        {"effacer", 24, eraser},       {"ouvrir", 24, folder},        {"enregistrer", 24, floppy},
        {"copier", 24, copy},          {"imprimer", 24, printer},     {"calculatrice", 24, calculator},
        {"aide", 24, help},            {"fermer", 24, closeIcon},     {"retour", 20, back},
        {"stop", 20, stopIcon},        {"simulation", 20, play},      {"pause", 20, pauseIcon},
        {"camera", 24, camera},        {"camera-stop", 24, cameraStop}, {"exercices", 32, exercises},
        {"loupe", 32, magnifier},
    };
    bool ok = true;
    QStringList files;
    for (const Item &it : items) {
        const QString file = QString::fromLatin1(it.name) + ".png";
        ok &= savePng(draw(it.size, it.paint), dir + "/" + file);
        files << file;
    }
    ok &= savePng(appIcon(256), dir + "/orbane1s.png");
    ok &= savePng(appIcon(48), dir + "/orbane1s-48.png");
    files << "orbane1s.png" << "orbane1s-48.png";

    return ok;
}

} // namespace gen
