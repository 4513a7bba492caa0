#include <cstdlib>

#include <QApplication>
#include <gtest/gtest.h>

// Test discovery runs this binary with no display: default to the offscreen
// platform unless the caller asked for another one.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
