#include "video/tracker.h"

#include "video/videofile.h"
#include "video/videofixture.h"

#include <QFileInfo>
#include <cmath>
#include <iostream>

using namespace orbane;

namespace {

struct Errors
{
    double max = 0, mean = 0;
};

// Every tracked centre against the true one.
Errors compare(const std::vector<video::TrackPoint> &points, const std::vector<QPointF> &truth)
{
    Errors e;
    for (const video::TrackPoint &p : points) {
        const QPointF d = p.centre - truth[std::size_t(p.frame)];
        const double error = std::hypot(d.x(), d.y());
        e.max = std::max(e.max, error);
        e.mean += error / double(points.size());
    }
    return e;
}

// The frames on which the whole ball is inside the picture, from the first.
int framesInside(const testvideo::Frames &made, double radius, QSize size)
{
    int n = 0;
    while (n < int(made.centres.size()) &&
           QRectF(QPointF(0, 0), QSizeF(size)).adjusted(radius + 1, radius + 1, -radius - 2, -radius - 2)
               .contains(made.centres[std::size_t(n)]))
        ++n;
    return n;
}

} // namespace

TEST_F(VideoTest, TheBallIsFollowedWithinAPixelUntilItLeavesThePicture)
{
    testvideo::Scene clean;
    clean.count = 30; // it leaves on the right before the end
    testvideo::Scene noisy = clean;
    noisy.noise = 6;
    noisy.blur = 0.7;
    noisy.seed = 11;
    for (const auto &[name, scene] : {std::pair{"clean.avi", clean}, std::pair{"noisy.avi", noisy}}) {
        SCOPED_TRACE(name);
        const testvideo::Frames made = make(QString::fromLatin1(name), "mpeg4", scene);
        const video::Decoded decoded = video::decodeVideo(path(QString::fromLatin1(name)));
        ASSERT_EQ(decoded.frames.size(), made.images.size());
        // A click a few pixels off the centre.
        const QPointF click = made.centres[0] + QPointF(4, -3);
        const std::optional<QPointF> snapped = video::objectCentre(decoded.frames[0], click);
        ASSERT_TRUE(snapped);
        EXPECT_LT(std::hypot(snapped->x() - made.centres[0].x(), snapped->y() - made.centres[0].y()), 1);

        const std::vector<video::TrackPoint> points = video::track(decoded.frames, 0, click);
        const int inside = framesInside(made, scene.radius, scene.size);
        ASSERT_LT(inside, int(made.images.size()));
        // Every frame with the whole ball in view, and none where it is cut by the edge.
        EXPECT_GE(int(points.size()), inside - 1);
        EXPECT_LE(int(points.size()), inside + 1);
        for (std::size_t i = 0; i < points.size(); ++i)
            EXPECT_EQ(points[i].frame, int(i));
        const Errors e = compare(points, made.centres);
        std::cout << "[ error    ] " << name << ": " << points.size() << " points, max " << e.max
                  << " px, mean " << e.mean << " px\n";
        EXPECT_LT(e.max, 1.0);
    }
}

TEST_F(VideoTest, TheTrackerStopsWhereTheBallIsHiddenAndFollowsEveryOtherFrame)
{
    testvideo::Scene scene;
    scene.count = 16;
    scene.cover = QRect(150, 0, 40, 240); // the ball passes behind it around frame 10
    const testvideo::Frames made = make(QStringLiteral("hidden.avi"), "mjpeg", scene);
    const video::Decoded decoded = video::decodeVideo(path(QStringLiteral("hidden.avi")));
    ASSERT_EQ(decoded.frames.size(), made.images.size());
    int visible = 0;
    while (made.centres[std::size_t(visible)].x() + scene.radius < scene.cover.left() - 1)
        ++visible;
    ASSERT_GT(visible, 3);

    const std::vector<video::TrackPoint> points = video::track(decoded.frames, 0, made.centres[0]);
    EXPECT_GE(int(points.size()), visible - 1);
    EXPECT_LE(int(points.size()), visible + 1);
    EXPECT_LT(compare(points, made.centres).max, 1.0);
    // Every other frame, from the middle, backwards.
    const std::vector<video::TrackPoint> back =
        video::track(decoded.frames, visible - 1, made.centres[std::size_t(visible - 1)], -2);
    ASSERT_EQ(int(back.size()), (visible - 1) / 2 + 1);
    EXPECT_EQ(back.back().frame, (visible - 1) % 2);
    EXPECT_LT(compare(back, made.centres).max, 1.0);
    // Nothing under a click on the background.
    EXPECT_TRUE(video::track(decoded.frames, 0, QPointF(300, 20)).empty());
}

TEST(Tracker, TheClassroomBall)
{
    const QString file = QStringLiteral(ORBANE_SHARED_VIDEOS "/velo-balle.avi");
    if (!QFileInfo::exists(file))
        GTEST_SKIP() << "no classroom video beside the source tree";
    const video::Decoded decoded = video::decodeVideo(file);
    ASSERT_EQ(decoded.frames.size(), 16u);
    const std::vector<video::TrackPoint> points = video::track(decoded.frames, 0, QPointF(38, 61));
    for (const video::TrackPoint &p : points)
        std::cout << "[ ball     ] frame " << p.frame << ": (" << p.centre.x() << ", "
                  << p.centre.y() << ") score " << p.score << '\n';
    ASSERT_FALSE(points.empty());
    EXPECT_NEAR(points.front().centre.x(), 38, 4);
    EXPECT_NEAR(points.front().centre.y(), 61, 4);
}
