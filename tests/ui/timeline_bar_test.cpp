#include "ui/timeline_bar.h"

#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QLineEdit>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>

#include "session/script.h"
#include "session/script_line.h"
#include "tests/ui/window_fixture.h"

namespace {

// Every command the session applies, as the recorder writes it.
struct Heard : SessionListener {
    void Applying(const Command& command) override { lines.push_back(ScriptLine(command)); }
    std::vector<std::string> lines;
};

// The session a script replays on a picture of its own, as --script does.
std::unique_ptr<LiveSession> Replayed(const std::filesystem::path& dataFile, const std::string& script)
{
    auto live = std::make_unique<LiveSession>(dataFile);
    live->session.FirstSetup();
    for (const Command& command : ParseScript(script, "test")) live->session.Apply(command);
    return live;
}

QPoint HandleCentre(QSlider& slider)
{
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.sliderPosition = slider.sliderPosition();
    option.sliderValue = slider.value();
    return slider.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider).center();
}

}  // namespace

using Timeline = WindowFixture;

// Grabbing the handle of a running body pauses it; each position dragged over
// is one seek, and the body, the picture and a replay of what was applied are
// those of a script that seeks there.
TEST_F(Timeline, DraggingSeeksAsAScriptDoesAndTheKeysStepThroughTheKeptRun)
{
    TForm1& w = Open();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    // In the form's own window, so that the form's keys reach it.
    auto* bar = new TimelineBar(w, &w);
    bar->setGeometry(0, 0, 600, bar->sizeHint().height());
    bar->show();
    Heard heard;
    const Session::Listening listening = w.CurrentSession().Listen(heard);
    // At speed 1/8 the form's own timer, 400 ms, adds no tick while the test waits.
    const std::string run = "speed 0.125\npress 440 292\nrelease 470 262\nstartstop\ntick 40\n";
    for (const Command& command : ParseScript(run, "test")) w.Do(command);
    QTest::qWait(40);  // a screen frame: the bar shows the running present
    QSlider& slider = *bar->Slider();
    EXPECT_EQ(slider.value(), slider.maximum());
    EXPECT_EQ(bar->Shown(), "step 40, t = 8.0");

    heard.lines.clear();
    const QPoint start = HandleCentre(slider);
    QTest::mousePress(&slider, Qt::LeftButton, {}, start);
    EXPECT_FALSE(w.Running());
    for (int x = start.x(); x > slider.width() / 3; x -= 23) QTest::mouseMove(&slider, {x, start.y()});
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, {slider.width() / 3, start.y()});
    const long long sought = w.Simulation().steps;
    ASSERT_GT(heard.lines.size(), 3U);
    EXPECT_EQ(heard.lines.front(), "pause");
    for (std::size_t i = 1; i < heard.lines.size(); ++i) {
        ASSERT_TRUE(heard.lines[i].starts_with("seek ")) << heard.lines[i];
        EXPECT_NE(heard.lines[i], heard.lines[i - 1]);
    }
    EXPECT_EQ(heard.lines.back(), "seek " + std::to_string(sought));
    EXPECT_EQ(bar->Shown(), QStringLiteral("step %1 of 40, t = %2").arg(sought).arg(sought * 0.2, 0, 'f', 1));

    const std::unique_ptr<LiveSession> script = Replayed(file.path(), run + "seek " + std::to_string(sought) + "\n");
    EXPECT_EQ(w.CurrentSession().StateJson(), script->session.StateJson());
    EXPECT_EQ(Picture(), script->canvas.Image());
    std::string recorded = run;
    for (const std::string& line : heard.lines) recorded += line + "\n";
    EXPECT_EQ(Replayed(file.path(), recorded)->session.StateJson(), script->session.StateJson());

    // The slider's keys and Ctrl+Left seek too; Ctrl+Left stops at the oldest
    // kept step, and in the density box it moves the cursor.
    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_Left);
    EXPECT_EQ(w.Simulation().steps, sought - 1);
    QTest::keyClick(&slider, Qt::Key_End);
    EXPECT_EQ(w.Simulation().steps, 40);
    EXPECT_EQ(MotionOf(w.Simulation().body), script->session.KeptHistory().At(40));
    QTest::keyClick(&slider, Qt::Key_Home);
    EXPECT_EQ(w.Simulation().steps, 0);
    EXPECT_TRUE(errors.empty());
    QTest::keyClick(&slider, Qt::Key_Left, Qt::ControlModifier);  // before step 0: nothing to seek
    EXPECT_EQ(w.Simulation().steps, 0);
    EXPECT_TRUE(errors.empty());
    QTest::keyClick(&slider, Qt::Key_PageUp);
    QTest::keyClick(&slider, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(w.Simulation().steps, slider.pageStep() - 1);
    w.Edit1->setFocus();
    QTest::keyClick(w.Edit1, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(w.Simulation().steps, slider.pageStep() - 1);
}
