#include "ui/push_keys.h"

#include <fstream>
#include <iterator>
#include <memory>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include "session/keyboard_push.h"
#include "tests/test_files.h"
#include "ui/Unit1.h"
#include "ui/area_description.h"
#include "ui/image_view.h"
#include "ui/live_session.h"
#include "ui/main_window.h"
#include "ui/session_recorder.h"
#include "ui/timeline_bar.h"

namespace {

// Two particles about (100, 60): particle 0's centre on pixel (440, 292).
constexpr const char* kTwoParticles = "2  110 65  90 55";

// A window on `data` whose every command is recorded, as --record does.
struct RecordedWindow {
    explicit RecordedWindow(const std::filesystem::path& data) : live(data)
    {
        form.FormCreate();
        recorder.Begin(QString::fromStdString(record.path().string()));
        recorder.Start();
        form.show();
    }

    std::string Recorded() const
    {
        std::ifstream in(record.path());
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // The keys in the drawing area, as Tab brings them there.
    void Focus()
    {
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        form.Image1->setFocus(Qt::TabFocusReason);
    }
    void Keys(Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = {})
    {
        for (int i = 0; i < times; ++i) QTest::keyClick(form.Image1, key, modifiers);
    }
    // What the drawing area tells a screen reader now.
    QString Described()
    {
        form.Description().Refresh();
        return form.Image1->accessibleDescription();
    }

    LiveSession live;
    TForm1 form{live, [](const std::string&) {}};
    TempFile record{"", "session.txt"};
    SessionRecorder recorder{live.session, [](const std::string&) {}};
};

}  // namespace

// The keys push as the mouse does, also once the body has turned, when the
// particle is no longer drawn where a press finds it: the press at the push's
// start, the release at the start plus the push, the same state and the same
// recording.
TEST(PushKeys, PushAsTheMouseDoesOnARestingAndATurnedBody)
{
    const TempFile data(kTwoParticles);
    for (const bool turned : {false, true}) {
        SCOPED_TRACE(turned ? "turned" : "resting");
        RecordedWindow keys(data.path());
        RecordedWindow mouse(data.path());
        for (RecordedWindow* window : {&keys, &mouse}) {
            if (!turned) continue;
            window->form.Image1MouseDown(440, 292);
            window->form.Image1MouseUp(440, 232);
            window->form.Button3Click();
            for (int i = 0; i < 12; ++i) window->form.Timer1Timer();
            window->form.Do({.kind = CommandKind::Pause});
        }
        const Session& session = keys.live.session;
        const RigidBody& body = session.Simulation().body;
        const PixelPoint start =
            *PushStart(body.particles[0], body.position, session.Simulation().settings.scale, session.Height());
        const PicturePoint drawn = DrawnCentre(body, session.Simulation().settings, session.Height(), 0);
        if (turned) {
            EXPECT_NE(ParticleAt(body, session.Simulation().settings, session.Height(), static_cast<int>(drawn.x),
                                 static_cast<int>(drawn.y)),
                      0)
                << "a press where the particle is drawn would still grab it: the body has not turned enough";
        }

        keys.Focus();
        keys.Keys(Qt::Key_N);
        keys.Keys(Qt::Key_Right, 3);
        keys.Keys(Qt::Key_Up, 2, Qt::ShiftModifier);
        EXPECT_EQ(keys.form.Keys().Push(), QPoint(3, -20));
        keys.Keys(Qt::Key_Return);
        QTest::mousePress(mouse.form.Image1, Qt::LeftButton, {}, QPoint(start.x, start.y));
        QTest::mouseRelease(mouse.form.Image1, Qt::LeftButton, {}, QPoint(start.x + 3, start.y - 20));

        EXPECT_EQ(keys.live.session.StateJson(), mouse.live.session.StateJson());
        const std::string recorded = keys.Recorded();
        EXPECT_EQ(recorded, mouse.Recorded());
        EXPECT_NE(recorded.find("press " + std::to_string(start.x) + " " + std::to_string(start.y) + "\nrelease " +
                                std::to_string(start.x + 3) + " " + std::to_string(start.y - 20) + "\n"),
                  std::string::npos)
            << recorded;
        EXPECT_NE(keys.Described().indexOf(QStringLiteral("Pushed particle 1 with a force of 20 pointing up.")), -1);
    }
}

// Each key's answer is told; a particle that no press can find is not
// pushed, and nothing is pushed before a particle is chosen.
TEST(PushKeys, SayWhatTheyChoseAndRefuseACoveredParticle)
{
    const TempFile data("2  100 60  100 60");
    RecordedWindow w(data.path());
    const std::string before = w.Recorded();
    w.Focus();
    w.Keys(Qt::Key_Return);
    EXPECT_TRUE(w.Described().startsWith(QStringLiteral("No particle is chosen: N chooses one. At rest.")));
    w.Keys(Qt::Key_BracketLeft);
    EXPECT_EQ(w.form.Keys().Chosen(), 1);
    EXPECT_TRUE(w.Described().startsWith(
        QStringLiteral("Particle 2 lies under particle 1 where a press finds it: it cannot be pushed.")));
    w.Keys(Qt::Key_Down, 1, Qt::ShiftModifier);
    w.Keys(Qt::Key_Left);
    w.Keys(Qt::Key_Return);
    EXPECT_EQ(w.Recorded(), before);
    EXPECT_EQ(w.form.Simulation().body.force, ZeroVector());

    w.Keys(Qt::Key_N);
    EXPECT_EQ(w.form.Keys().Chosen(), 0);
    EXPECT_TRUE(w.Described().startsWith(
        QStringLiteral("Particle 1 of 2; the push goes 1 pixels to the left and 10 pixels down.")));
    w.Keys(Qt::Key_Escape);
    EXPECT_EQ(w.form.Keys().Chosen(), -1);
    EXPECT_EQ(w.form.Keys().Push(), QPoint());
    EXPECT_TRUE(w.Described().startsWith(QStringLiteral("The push is cancelled.")));
}

// The mark, the push's band and the focus frame are drawn over the picture,
// never into it; the frame shows when the keys brought the focus, not a press.
TEST(PushKeys, MarkAndFrameLieOverThePicture)
{
    const TempFile data(kTwoParticles);
    RecordedWindow w(data.path());
    const QImage picture = w.live.canvas.Image().copy();
    w.Focus();
    EXPECT_TRUE(w.form.Keys().ShowsFocus());
    w.Keys(Qt::Key_N);
    w.Keys(Qt::Key_Right, 3, Qt::ShiftModifier);
    EXPECT_EQ(w.live.canvas.Image(), picture);
    const QImage shown = w.form.Image1->grab().toImage().convertToFormat(picture.format());
    EXPECT_NE(shown.pixel(1, 200), picture.pixel(1, 200)) << "no focus frame";
    EXPECT_NE(shown.pixel(446, 292), picture.pixel(446, 292)) << "no mark beside the chosen disc";
    EXPECT_NE(shown.pixel(460, 292), picture.pixel(460, 292)) << "no band along the push";

    QTest::mouseClick(w.form.Image1, Qt::LeftButton, {}, QPoint(20, 300));
    EXPECT_EQ(QApplication::focusWidget(), w.form.Image1);
    EXPECT_FALSE(w.form.Keys().ShowsFocus());
}

// Tab goes from Start/Stop to the density box, the drawing area and the
// timeline; every widget that takes the focus has a name for a screen reader.
TEST(PushKeys, TabReachesEveryControlInOrderAndEachHasAName)
{
    LiveSession live(RBD_SOURCE_DIR "/data.txt");
    MainWindow window(live, [](FilePurpose) { return QString(); });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    TForm1& form = window.Form();
    form.Button3->setFocus(Qt::TabFocusReason);
    for (QWidget* next : std::initializer_list<QWidget*>{form.Edit1, form.Image1, window.Timeline().Slider()}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (widget->isVisible() && widget->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty())
                << widget->metaObject()->className();
        }
}
