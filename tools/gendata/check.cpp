// Checks the generated files against what the program relies on: sizes, the ground line of
// the scenes, readability of thin drawings over the sky, how projectiles and shadows sit on
// the ground, sound format and levels, and the icon resource list.
// Usage: gendata_check <repository root> [<freshly generated root>]
// With a second root, also checks that the committed files match what the generator makes.
#include "wav.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

namespace {

int g_passed = 0, g_failed = 0;
const char *g_group = "";

void check(bool ok, const QString &what)
{
    if (ok) {
        ++g_passed;
    } else {
        ++g_failed;
        std::printf("FAIL [%s] %s\n", g_group, qPrintable(what));
    }
}

double linear(int c)
{
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
double luminance(QRgb p)
{
    return 0.2126 * linear(qRed(p)) + 0.7152 * linear(qGreen(p)) + 0.0722 * linear(qBlue(p));
}
double contrast(double l1, double l2)
{
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

struct Box
{
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
    bool empty() const { return right < 0; }
    int width() const { return right - left + 1; }
};
Box opaqueBox(const QImage &img, int minAlpha)
{
    Box b;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > minAlpha) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

QImage load(const QString &path)
{
    QImage img(path);
    check(!img.isNull(), "cannot read " + path);
    return img.convertToFormat(QImage::Format_ARGB32);
}

// Mean colour of a band of rows.
std::array<double, 3> bandMean(const QImage &img, int y0, int y1)
{
    std::array<double, 3> m{0, 0, 0};
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            m[0] += qRed(p), m[1] += qGreen(p), m[2] += qBlue(p);
        }
    const double n = double(y1 - y0) * img.width();
    return {m[0] / n, m[1] / n, m[2] / n};
}

void checkScenes(const QString &data)
{
    g_group = "scenes";
    constexpr int kSurface = 452;
    for (const char *name : {"terre", "lune", "mars"}) {
        const QString n = QString::fromLatin1(name);
        const QImage img = load(data + "/" + n + ".jpg");
        if (img.isNull())
            continue;
        check(img.width() == 409 && img.height() == 800, n + ": size must be 409x800");
        if (img.width() != 409 || img.height() != 800)
            continue;

        // The sharpest change between the 6 rows above and the 6 rows below a split must
        // be at the surface, so projectiles drawn there rest on the ground.
        int bestY = 0;
        double best = -1;
        for (int y = 400; y < 520; ++y) {
            const auto a = bandMean(img, y - 6, y), b = bandMean(img, y, y + 6);
            const double d = std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
            if (d > best)
                best = d, bestY = y;
        }
        check(bestY == kSurface, n + ": ground surface found at row " + QString::number(bestY));

        // Thin white and yellow lines must stay readable over the plotting area.
        std::vector<double> white, yellow;
        const double lYellow = luminance(qRgb(255, 255, 0));
        for (int y = 40; y <= 436; ++y)
            for (int x = 30; x <= 390; ++x) {
                const double l = luminance(img.pixel(x, y));
                white.push_back(contrast(1.0, l));
                yellow.push_back(contrast(lYellow, l));
            }
        std::sort(white.begin(), white.end());
        std::sort(yellow.begin(), yellow.end());
        const size_t p1 = white.size() / 100;
        check(white[p1] >= 1.8, n + ": white grid contrast too low: " + QString::number(white[p1]));
        check(yellow[p1] >= 1.7, n + ": yellow trajectory contrast too low: " + QString::number(yellow[p1]));

        // The sky must be calm: small pixel-to-pixel variation away from the horizon.
        double busy = 0;
        int count = 0;
        for (int y = 150; y < 380; ++y)
            for (int x = 30; x < 390; ++x) {
                busy += std::abs(qGray(img.pixel(x, y)) - qGray(img.pixel(x + 1, y)));
                ++count;
            }
        check(busy / count < 0.8, n + ": sky too busy: " + QString::number(busy / count));
    }
}

void checkProjectiles(const QString &data)
{
    g_group = "projectiles";
    // Expected opaque width range of each object.
    const std::map<QString, std::pair<int, int>> widths = {
        {"pomme", {24, 28}}, {"pierre", {22, 26}}, {"ballon", {29, 31}}, {"petanque", {24, 28}}, {"rocher", {27, 32}}};
    for (const auto &[name, range] : widths) {
        const QImage obj = load(data + "/" + name + ".png");
        const QImage sh = load(data + "/" + name + "-ombre.png");
        if (obj.isNull() || sh.isNull())
            continue;
        check(obj.size() == QSize(32, 32) && sh.size() == QSize(32, 32), name + ": pictures must be 32x32");
        check(obj.hasAlphaChannel() && sh.hasAlphaChannel(), name + ": pictures need an alpha channel");
        if (obj.size() != QSize(32, 32) || sh.size() != QSize(32, 32))
            continue;
        for (QPoint c : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
            check(qAlpha(obj.pixel(c)) < 40, name + ": corners must be transparent");

        const Box b = opaqueBox(obj, 64);
        check(!b.empty(), name + ": picture is empty");
        if (b.empty())
            continue;
        int bottomAlpha = 0;
        for (int x = 0; x < 32; ++x)
            bottomAlpha = std::max(bottomAlpha, qAlpha(obj.pixel(x, 31)));
        check(bottomAlpha >= 200, name + ": object must touch the bottom row");
        check(std::abs(b.left + b.right - 31) <= 1, name + ": object must be centred horizontally");
        check(b.width() >= range.first && b.width() <= range.second,
              name + ": unexpected width " + QString::number(b.width()));

        // Shadow: only on the bottom rows, translucent, as wide as the object and under it.
        int above = 0, maxAlpha = 0, maxGray = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const int a = qAlpha(sh.pixel(x, y));
                if (y < 25)
                    above = std::max(above, a);
                maxAlpha = std::max(maxAlpha, a);
                if (a > 0)
                    maxGray = std::max(maxGray, qGray(sh.pixel(x, y)));
            }
        check(maxGray < 60, name + ": shadow must be dark");
        check(above == 0, name + ": shadow must stay in the bottom rows");
        check(maxAlpha >= 60 && maxAlpha <= 200, name + ": shadow must be semi-transparent");
        const Box s = opaqueBox(sh, 10);
        check(!s.empty() && std::abs(s.width() - b.width()) <= 2,
              name + ": shadow width " + QString::number(s.width()) + " vs object " + QString::number(b.width()));
        check(!s.empty() && std::abs((s.left + s.right) - (b.left + b.right)) <= 2,
              name + ": shadow must be centred under the object");
    }
}

struct SoundFacts
{
    double seconds = 0, peakDb = -200, crossingsPerSecond = 0;
};

void checkSounds(const QString &data)
{
    g_group = "sounds";
    std::map<QString, SoundFacts> facts;
    for (const char *n : {"pom", "bim", "bam", "boum"}) {
        const QString name = QString::fromLatin1(n);
        gen::WavInfo w;
        const bool read = gen::readWav16((data + "/" + name + ".wav").toStdString(), w);
        check(read, name + ": not a readable 16-bit WAV");
        if (!read || w.samples.empty())
            continue;
        check(w.format == 1 && w.channels == 1 && w.rate == 44100 && w.bits == 16,
              name + ": must be PCM 16-bit mono 44100 Hz");
        SoundFacts f;
        f.seconds = double(w.samples.size()) / w.rate;
        int peak = 0;
        for (int16_t s : w.samples)
            peak = std::max(peak, std::abs(int(s)));
        f.peakDb = 20 * std::log10(std::max(peak, 1) / 32768.0);
        check(f.seconds >= 0.15 && f.seconds <= 0.6, name + ": duration " + QString::number(f.seconds));
        check(f.peakDb > -3.5 && f.peakDb < -2.5, name + ": peak " + QString::number(f.peakDb) + " dBFS");
        // No click: both ends start and finish at (near) silence.
        const int edge = int(0.0005 * w.rate);
        int headMax = 0, tailMax = 0;
        for (int i = 0; i < edge; ++i) {
            headMax = std::max(headMax, std::abs(int(w.samples[size_t(i)])));
            tailMax = std::max(tailMax, std::abs(int(w.samples[w.samples.size() - 1 - size_t(i)])));
        }
        check(std::abs(w.samples.front()) < 100 && std::abs(w.samples.back()) < 100, name + ": ends must be silent");
        check(headMax < peak / 4, name + ": starts with a click");
        check(tailMax < peak / 50, name + ": ends abruptly");
        // Brightness over the attack: zero crossings per second in the first 60 ms.
        const size_t n60 = std::min(w.samples.size(), size_t(0.06 * w.rate));
        int crossings = 0;
        for (size_t i = 1; i < n60; ++i)
            crossings += (w.samples[i - 1] < 0) != (w.samples[i] < 0);
        f.crossingsPerSecond = crossings / 0.06;
        facts[name] = f;
    }
    if (facts.size() == 4) {
        // The stone is the brightest sound, the rock the deepest.
        for (const char *other : {"pom", "bam", "boum"})
            check(facts["bim"].crossingsPerSecond > 1.5 * facts[other].crossingsPerSecond,
                  QString("bim must be brighter than ") + other);
        for (const char *other : {"pom", "bam", "bim"})
            check(facts["boum"].crossingsPerSecond < facts[other].crossingsPerSecond,
                  QString("boum must be deeper than ") + other);
        check(facts["boum"].seconds > facts["bim"].seconds, "the rock must ring longer than the stone");
    }
}

void checkIcons(const QString &dir)
{
    g_group = "icons";
    const std::map<QString, int> sizes = {
        {"effacer", 24}, {"ouvrir", 24},  {"enregistrer", 24}, {"copier", 24},       {"imprimer", 24},
        {"calculatrice", 24}, {"aide", 24}, {"fermer", 24},     {"retour", 20},       {"stop", 20},
        {"simulation", 20}, {"pause", 20}, {"camera", 24},      {"camera-stop", 24},  {"exercices", 32},
        {"loupe", 32},   {"orbane1s", 256}, {"orbane1s-48", 48}};
    for (const auto &[name, size] : sizes) {
        const QImage img = load(dir + "/" + name + ".png");
        if (img.isNull())
            continue;
        check(img.size() == QSize(size, size), name + ": expected " + QString::number(size) + " px");
        check(img.hasAlphaChannel() && qAlpha(img.pixel(0, 0)) == 0, name + ": needs a transparent background");
        const Box b = opaqueBox(img, 128);
        check(!b.empty() && b.width() >= size / 2, name + ": drawing too small or empty");
    }
}

// Same size, and every channel of every pixel within two levels.
bool samePicture(const QString &a, const QString &b)
{
    const QImage ia = QImage(a).convertToFormat(QImage::Format_ARGB32);
    const QImage ib = QImage(b).convertToFormat(QImage::Format_ARGB32);
    if (ia.isNull() || ia.size() != ib.size())
        return false;
    for (int y = 0; y < ia.height(); ++y)
        for (int x = 0; x < ia.width(); ++x) {
            const QRgb pa = ia.pixel(x, y), pb = ib.pixel(x, y);
            for (int shift : {0, 8, 16, 24})
                if (std::abs(int((pa >> shift) & 0xff) - int((pb >> shift) & 0xff)) > 2)
                    return false;
        }
    return true;
}

// The committed files must be what the generator produces now.
void checkUpToDate(const QString &repo, const QString &fresh)
{
    g_group = "up-to-date";
    auto same = [](const QString &a, const QString &b) {
        QFile fa(a), fb(b);
        return fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly) && fa.readAll() == fb.readAll();
    };
    for (const QString &sub : {QString("data"), QString("resources/icons")}) {
        const QStringList files = QDir(fresh + "/" + sub).entryList(QDir::Files);
        check(!files.isEmpty(), "generator produced nothing in " + sub);
        for (const QString &f : files) {
            const QString a = repo + "/" + sub + "/" + f, b = fresh + "/" + sub + "/" + f;
            if (f.endsWith(".jpg")) {
                // Decoded pixels, to tolerate encoder differences between library versions.
                const QImage ia(a), ib(b);
                int worst = 0;
                if (ia.size() == ib.size() && !ia.isNull())
                    for (int y = 0; y < ia.height(); ++y)
                        for (int x = 0; x < ia.width(); ++x)
                            worst = std::max(worst, std::abs(qGray(ia.pixel(x, y)) - qGray(ib.pixel(x, y))));
                check(!ia.isNull() && ia.size() == ib.size() && worst <= 3, sub + "/" + f + " is out of date");
            } else if (f.endsWith(".png")) {
                // Antialiased edges may differ by a level from one processor's drawing code to
                // another's; the drawing itself may not.
                check(samePicture(a, b), sub + "/" + f + " is out of date");
            } else {
                check(same(a, b), sub + "/" + f + " is out of date");
            }
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: gendata_check <repository root> [<freshly generated root>]\n");
        return 2;
    }
    const QString root = args[1];
    checkScenes(root + "/data");
    checkProjectiles(root + "/data");
    checkSounds(root + "/data");
    checkIcons(root + "/resources/icons");
    if (args.size() > 2)
        checkUpToDate(root, args[2]);
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}
