#include <cstdlib>

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Test discovery runs this binary with no display: default to the offscreen
// platform unless the caller asked for another one.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The window's settings go to a folder of the test's own, never the person's.
    const QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
