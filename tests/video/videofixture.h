#pragma once

#include "video/synthvideo.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// Synthetic videos written into a folder of their own for each test.
class VideoTest : public ::testing::Test
{
protected:
    // Renders `scene` and encodes it as `name`; the frames keep the true centres and times.
    orbane::testvideo::Frames make(const QString &name, const char *encoder,
                                   const orbane::testvideo::Scene &scene = {}, int rotation = 0)
    {
        orbane::testvideo::Frames frames = orbane::testvideo::render(scene);
        const QString error = orbane::testvideo::encode(frames, path(name), encoder, rotation);
        EXPECT_TRUE(error.isEmpty()) << qPrintable(error);
        return frames;
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
