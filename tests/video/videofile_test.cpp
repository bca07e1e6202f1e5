#include "video/videofile.h"

#include "core/savefile.h"
#include "video/videofixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <iostream>

using namespace orbane;
using video::Decoded;

namespace {

// The ball's colour where its centre should be, alpha opaque (RGB32).
void expectBallAt(const QImage &frame, QPointF centre, const QColor &ball = QColor(235, 70, 20))
{
    const QPoint p = centre.toPoint();
    ASSERT_TRUE(frame.rect().contains(p));
    const QRgb seen = frame.pixel(p);
    EXPECT_EQ(qAlpha(seen), 255);
    EXPECT_NEAR(qRed(seen), ball.red(), 40);
    EXPECT_NEAR(qGreen(seen), ball.green(), 40);
    EXPECT_NEAR(qBlue(seen), ball.blue(), 40);
}

void expectTimes(const Decoded &decoded, const std::vector<double> &times)
{
    ASSERT_EQ(decoded.times.size(), times.size());
    for (std::size_t i = 0; i < times.size(); ++i)
        EXPECT_NEAR(decoded.times[i], times[i], 1e-3) << "frame " << i;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void save(const QString &path, const QByteArray &bytes)
{
    ASSERT_TRUE(saving::saveBytes(path, bytes).ok) << qPrintable(path);
}

} // namespace

TEST_F(VideoTest, EachCodecGivesItsFramesUprightAtTheirOwnTimes)
{
    const struct
    {
        const char *file, *encoder;
    } formats[] = {{"mpeg4.avi", "mpeg4"},
                   {"mjpeg.avi", "mjpeg"},
                   {"h264.mp4", "libx264"},
                   {"vp8.webm", "libvpx"}};
    for (const auto &f : formats) {
        SCOPED_TRACE(f.file);
        if (!testvideo::hasEncoder(f.encoder)) {
            std::cout << "[ skipped  ] no encoder " << f.encoder << '\n';
            continue;
        }
        const testvideo::Frames made = make(QString::fromLatin1(f.file), f.encoder);
        const Decoded decoded = video::decodeVideo(path(QString::fromLatin1(f.file)));
        EXPECT_TRUE(decoded.error.isEmpty()) << qPrintable(decoded.error);
        EXPECT_TRUE(decoded.warning.isEmpty()) << qPrintable(decoded.warning);
        EXPECT_FALSE(decoded.codec.isEmpty());
        EXPECT_NEAR(decoded.nominalRate, 25, 0.01);
        EXPECT_FALSE(decoded.irregular);
        EXPECT_FALSE(decoded.truncated);
        EXPECT_EQ(decoded.rotation, 0);
        expectTimes(decoded, made.times);
        for (std::size_t i = 0; i < decoded.frames.size(); ++i) {
            EXPECT_EQ(decoded.frames[i].size(), QSize(320, 240));
            EXPECT_EQ(decoded.frames[i].format(), QImage::Format_RGB32);
            expectBallAt(decoded.frames[i], made.centres[i]);
        }
    }
}

TEST_F(VideoTest, IrregularTimesAndTheDisplayMatrixAreHonoured)
{
    testvideo::Scene uneven;
    uneven.times = {0, 0.040, 0.070, 0.121, 0.153, 0.200, 0.247, 0.272, 0.327, 0.367};
    const testvideo::Frames made = make(QStringLiteral("uneven.mkv"), "mpeg4", uneven);
    const Decoded irregular = video::decodeVideo(path(QStringLiteral("uneven.mkv")));
    EXPECT_TRUE(irregular.error.isEmpty()) << qPrintable(irregular.error);
    EXPECT_TRUE(irregular.irregular);
    expectTimes(irregular, made.times);

    // A phone held upright: the picture is stored lying, turned a quarter clockwise to show.
    const testvideo::Frames lying = make(QStringLiteral("phone.mp4"), "mpeg4", {}, 90);
    const Decoded upright = video::decodeVideo(path(QStringLiteral("phone.mp4")));
    EXPECT_TRUE(upright.error.isEmpty()) << qPrintable(upright.error);
    EXPECT_EQ(upright.rotation, 90);
    ASSERT_EQ(upright.frames.size(), lying.images.size());
    for (std::size_t i = 0; i < upright.frames.size(); ++i) {
        EXPECT_EQ(upright.frames[i].size(), QSize(240, 320));
        expectBallAt(upright.frames[i], testvideo::turnedClockwise(lying.centres[i], 240));
    }
}

TEST_F(VideoTest, WhatIsNotAVideoIsRefusedInFrenchNamingTheFile)
{
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("dossier.mp4"))));
    save(path(QStringLiteral("vide.mp4")), {});
    save(path(QStringLiteral("texte.mp4")), "Ceci n'est pas une vid\xc3\xa9o.\n");
    // An AVI whose four-character code no decoder knows.
    make(QStringLiteral("code.avi"), "mjpeg");
    QByteArray avi = bytesOf(path(QStringLiteral("code.avi")));
    QByteArray header = avi.left(4096);
    header.replace("MJPG", "QZ9X");
    avi.replace(0, header.size(), header);
    save(path(QStringLiteral("code.avi")), avi);

    const struct
    {
        const char *name, *why;
    } refused[] = {{"dossier.mp4", "dossier"},
                   {"vide.mp4", "vide"},
                   {"texte.mp4", "n'est pas une vidéo"},
                   {"code.avi", "le codec « QZ9X » n'est pas pris en charge par ce système"},
                   {"absent.mp4", "n'existe pas"}};
    for (const auto &r : refused) {
        SCOPED_TRACE(r.name);
        const Decoded decoded = video::decodeVideo(path(QString::fromUtf8(r.name)));
        EXPECT_TRUE(decoded.frames.empty());
        EXPECT_TRUE(decoded.error.startsWith(QStringLiteral("« %1 » : ").arg(QString::fromUtf8(r.name))))
            << qPrintable(decoded.error);
        EXPECT_TRUE(decoded.error.contains(QString::fromUtf8(r.why))) << qPrintable(decoded.error);
    }
}

TEST_F(VideoTest, ADamagedOrTooLongVideoKeepsWhatCanBeRead)
{
    make(QStringLiteral("whole.avi"), "mjpeg");
    const QByteArray whole = bytesOf(path(QStringLiteral("whole.avi")));
    save(path(QStringLiteral("cut.avi")), whole.left(whole.size() / 2));
    QByteArray garbled = whole;
    for (qsizetype i = whole.size() / 2; i < whole.size() / 2 + 3000; ++i)
        garbled[i] = char(i * 37 % 251);
    save(path(QStringLiteral("garbled.avi")), garbled);

    for (const char *name : {"cut.avi", "garbled.avi"}) {
        SCOPED_TRACE(name);
        const Decoded decoded = video::decodeVideo(path(QString::fromLatin1(name)));
        EXPECT_TRUE(decoded.error.isEmpty()) << qPrintable(decoded.error);
        EXPECT_GT(decoded.frames.size(), 3u);
        EXPECT_LT(decoded.frames.size(), 20u);
        EXPECT_EQ(decoded.frames.size(), decoded.times.size());
        EXPECT_TRUE(decoded.warning.startsWith(QStringLiteral("« %1 » : le fichier est endommagé")
                                                   .arg(QString::fromLatin1(name))))
            << qPrintable(decoded.warning);
    }
    const Decoded cut = video::decodeVideo(path(QStringLiteral("cut.avi")));
    EXPECT_TRUE(cut.truncated);
    EXPECT_TRUE(cut.warning.contains(
        QStringLiteral("seules les %1 premières images ont pu être lues").arg(cut.frames.size())))
        << qPrintable(cut.warning);

    // Five frames' worth of memory keeps five frames.
    const Decoded budget =
        video::decodeVideo(path(QStringLiteral("whole.avi")), {}, std::size_t(5) * 320 * 240 * 4);
    EXPECT_EQ(budget.frames.size(), 5u);
    EXPECT_TRUE(budget.truncated);
    EXPECT_TRUE(budget.warning.contains(QStringLiteral("ne tient pas en mémoire")))
        << qPrintable(budget.warning);
}

TEST(VideoFile, VideosAndPicturesAreToldByTheirExtension)
{
    EXPECT_TRUE(video::isVideoPath(QStringLiteral("/classe/lancer.MP4")));
    EXPECT_TRUE(video::isVideoPath(QStringLiteral("chute.avi")));
    EXPECT_FALSE(video::isVideoPath(QStringLiteral("chute.jpg")));
    EXPECT_TRUE(video::isImagePath(QStringLiteral("chrono.JPEG")));
    EXPECT_FALSE(video::isImagePath(QStringLiteral("lancer.mov")));
    EXPECT_TRUE(video::videoFilter().startsWith(QStringLiteral("Vidéos (*.mp4 ")));
    EXPECT_TRUE(video::videoFilter().contains(QStringLiteral(" *.avi ")));
}

TEST(VideoFile, TheClassroomVideoDecodesAtItsOwnTimes)
{
    const QString file = QStringLiteral(ORBANE_SHARED_VIDEOS "/velo-balle.avi");
    if (!QFileInfo::exists(file))
        GTEST_SKIP() << "no classroom video beside the source tree";
    QElapsedTimer clock;
    clock.start();
    const Decoded decoded = video::decodeVideo(file);
    std::cout << "[ timing   ] velo-balle.avi decoded in " << clock.elapsed() << " ms\n";
    EXPECT_TRUE(decoded.error.isEmpty()) << qPrintable(decoded.error);
    EXPECT_TRUE(decoded.warning.isEmpty()) << qPrintable(decoded.warning);
    ASSERT_EQ(decoded.frames.size(), 16u);
    EXPECT_EQ(decoded.frames.front().size(), QSize(400, 300));
    EXPECT_DOUBLE_EQ(decoded.times.front(), 0);
    EXPECT_NEAR(decoded.times.back(), 0.60, 1e-9);
    EXPECT_FALSE(decoded.irregular);
}
