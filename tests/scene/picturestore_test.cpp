#include "scene/picturestore.h"
#include "support/programdir.h"

#include <gtest/gtest.h>

using namespace orbane;

// Pictures read on the second thread are the files' pictures; a file not listed is read on
// demand, a missing one gives a null picture, and asking twice gives the same picture.
TEST(PictureStore, GivesTheSamePicturesAsReadingTheFiles)
{
    test::ProgramDir dir({QStringLiteral("terre.jpg"), QStringLiteral("pomme.png"),
                          QStringLiteral("lune.jpg")});
    const QString terre = dir.file(QStringLiteral("terre.jpg"));
    const QString pomme = dir.file(QStringLiteral("pomme.png"));
    const QString absent = dir.file(QStringLiteral("absent.png"));
    PictureStore store({pomme, absent, terre});

    EXPECT_EQ(store.picture(terre), QImage(terre)); // the last listed: waits for the others
    EXPECT_EQ(store.picture(pomme), QImage(pomme));
    EXPECT_EQ(store.picture(pomme), store.picture(pomme));
    EXPECT_TRUE(store.picture(absent).isNull());
    const QString lune = dir.file(QStringLiteral("lune.jpg"));
    EXPECT_EQ(store.picture(lune), QImage(lune));
    EXPECT_FALSE(store.picture(lune).isNull());
}

// A window closed at once must not wait for, or crash in, the reading still going on.
TEST(PictureStore, GoesAwayWhileStillReading)
{
    test::ProgramDir dir({QStringLiteral("terre.jpg"), QStringLiteral("mars.jpg")});
    QStringList many;
    for (int i = 0; i < 50; ++i)
        many << dir.file(i % 2 ? QStringLiteral("terre.jpg") : QStringLiteral("mars.jpg"));
    for (int i = 0; i < 5; ++i) {
        PictureStore store(many);
        if (i == 0) {
            EXPECT_FALSE(store.picture(many.front()).isNull());
        }
    }
}
