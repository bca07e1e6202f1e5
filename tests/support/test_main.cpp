#include "core/saveplace.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Test discovery runs this binary at build time without the test environment, so the
// offscreen platform is chosen here when nothing else was asked for.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Saves made by the windows under test land here, not in the user's documents.
    const QTemporaryDir documents;
    orbane::SavePlace::shared() = orbane::SavePlace(documents.filePath(QStringLiteral("Documents")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
