#include "platform/qtsound.h"
#include "support/programdir.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace orbane;

// Without an audio device (as here) the sound neither crashes nor blocks; a missing file
// leaves the impacts silent.
TEST(QtSoundTest, PlaysWithoutAnAudioDeviceAndIgnoresAMissingFile)
{
    test::ProgramDir dir({QStringLiteral("bam.wav")});
    QtSound sound;
    sound.open(dir.file(QStringLiteral("absent.wav")));
    sound.play();
    EXPECT_FALSE(sound.isPrepared());
    sound.open(dir.file(QStringLiteral("bam.wav")));
    EXPECT_FALSE(sound.isPrepared()); // prepared a moment later, after the window shows
    sound.play();                     // an impact before that prepares it at once
    EXPECT_TRUE(sound.isPrepared());
    sound.play(); // a new impact restarts it
    sound.close();
    sound.play();
    EXPECT_FALSE(sound.isPrepared());
    sound.open(dir.file(QStringLiteral("bam.wav")));
    QTest::qWait(300);
    EXPECT_TRUE(sound.isPrepared());
    sound.open(dir.file(QStringLiteral("bam.wav")));
    sound.close(); // a pending preparation is dropped with the file
    QTest::qWait(300);
    EXPECT_FALSE(sound.isPrepared());
}
