#include "platform/qtsound.h"
#include "platform/soundmodule.h"
#include "support/programdir.h"

#include <QCoreApplication>
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

// The program's sound comes from a module loaded a moment after the window shows, or at the
// first impact; without the module the impacts are silent.
TEST(ModuleSoundTest, LoadsTheModuleLateAndStaysSilentWithoutIt)
{
    test::ProgramDir dir({QStringLiteral("bam.wav")});
    const QString wav = dir.file(QStringLiteral("bam.wav"));

    ModuleSound missing(dir.path()); // no module in this folder
    missing.open(wav);
    missing.play();
    QTest::qWait(ModuleSound::kLoadDelayMs + 100);
    EXPECT_FALSE(missing.isLoaded());

    ModuleSound sound(QCoreApplication::applicationDirPath());
    sound.open(wav);
    EXPECT_FALSE(sound.isLoaded()); // not at start-up
    QTest::qWait(ModuleSound::kLoadDelayMs + 100);
    EXPECT_TRUE(sound.isLoaded());
    sound.play();
    sound.close();
    sound.play();

    ModuleSound early(QCoreApplication::applicationDirPath());
    early.open(wav);
    early.play(); // an impact at once loads it at once
    EXPECT_TRUE(early.isLoaded());
    early.close();
    QTest::qWait(300); // the audio system releases the closed sounds in its own time
}
