#include "video/videoloader.h"

#include "video/videofixture.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>
#include <iostream>

using namespace orbane;

TEST_F(VideoTest, TheLoaderDeliversOnItsOwnThreadAndCanBeCancelled)
{
    testvideo::Scene scene;
    scene.size = QSize(640, 480);
    scene.count = 300;
    scene.flight.v0x = 0.5; // the ball stays in the picture for the 12 seconds
    scene.flight.v0y = 0;
    scene.flight.g = 0;
    make(QStringLiteral("long.avi"), "mpeg4", scene);

    video::VideoLoader loader;
    std::vector<QThread *> threads;
    int lastDone = 0;
    bool ordered = true;
    QObject::connect(&loader, &video::VideoLoader::progress, [&](int done, int total) {
        threads.push_back(QThread::currentThread());
        ordered = ordered && done > lastDone && total == 300;
        lastDone = done;
    });
    video::Decoded result;
    QObject::connect(&loader, &video::VideoLoader::finished, [&](const video::Decoded &d) {
        threads.push_back(QThread::currentThread());
        result = d;
    });
    QSignalSpy finished(&loader, &video::VideoLoader::finished);
    QElapsedTimer clock;
    clock.start();
    loader.load(path(QStringLiteral("long.avi")));
    EXPECT_TRUE(loader.isLoading());
    ASSERT_TRUE(finished.wait(60000));
    std::cout << "[ timing   ] 300 frames of 640 x 480 loaded in " << clock.elapsed() << " ms\n";
    EXPECT_FALSE(loader.isLoading());
    EXPECT_EQ(result.frames.size(), 300u);
    EXPECT_TRUE(result.error.isEmpty() && result.warning.isEmpty());
    EXPECT_TRUE(ordered);
    EXPECT_GE(threads.size(), 2u);
    for (QThread *t : threads)
        EXPECT_EQ(t, loader.thread());

    // Cancelled at its first news, it stops early and says so.
    QObject::connect(&loader, &video::VideoLoader::progress, &loader, &video::VideoLoader::cancel);
    loader.load(path(QStringLiteral("long.avi")));
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_LT(result.frames.size(), 300u);
    EXPECT_TRUE(result.truncated);
    EXPECT_TRUE(result.warning.contains(QStringLiteral("chargement interrompu")))
        << qPrintable(result.warning);
}
