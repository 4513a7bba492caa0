#include <cstdlib>
#include <memory>

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Each test keeps the window's settings in a folder of its own, never the
// person's, and starts from none: what one test saves never reaches another.
class OwnSettings : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        folder_ = std::make_unique<QTemporaryDir>();
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, folder_->path());
    }
    void OnTestEnd(const testing::TestInfo&) override { folder_.reset(); }

    std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace

// Test discovery runs this binary with no display: default to the offscreen
// platform unless the caller asked for another one.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Whatever reads XDG_CONFIG_HOME directly finds a folder of the run's own.
    const QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    QApplication application(argc, argv);
    // Tests read the window's numbers as English writes them, whatever the
    // machine's locale; a test of another language installs it itself.
    QLocale::setDefault(QLocale::c());
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new OwnSettings);
    return RUN_ALL_TESTS();
}
