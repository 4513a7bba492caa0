#include "ui/Unit1.h"

#include <fstream>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/image_view.h"
#include "tests/test_files.h"

namespace {

// Two particles about (100, 60): particle 0 sits at offset (10, 5), its centre
// on pixel (440, 292) of the 879 × 552 area.
constexpr const char* kTwoParticles = "2  110 65  90 55";

struct Window : testing::Test {
    explicit Window(const char* data = kTwoParticles) : file(data) {}

    TForm1& Open()
    {
        form = std::make_unique<TForm1>(file.path(), [this](const std::string& m) { errors.push_back(m); });
        form->show();
        return *form;
    }

    QImage Picture() const { return form->Image1->Canvas().Image().copy(); }
    const RigidBody& Body() const { return form->Simulation().body; }

    TempFile file;
    std::vector<std::string> errors;
    std::unique_ptr<TForm1> form;
};

}  // namespace

TEST_F(Window, StartsHaltedWithTheBodyAtRest)
{
    TForm1& w = Open();
    EXPECT_EQ(w.windowTitle(), "Rigid Body Dynamics");
    EXPECT_EQ(w.size(), QSize(879, 552));
    EXPECT_EQ(w.Image1->size(), QSize(879, 552));
    EXPECT_EQ(w.Button3->text(), "Start/Stop");
    EXPECT_EQ(w.Button3->geometry(), QRect(8, 520, 65, 25));
    EXPECT_EQ(w.Edit1->text(), "1");
    EXPECT_EQ(w.Edit1->geometry(), QRect(200, 520, 25, 17));
    EXPECT_FALSE(w.Running());
    EXPECT_EQ(w.Timer1->interval(), 50);
    EXPECT_EQ(w.Timer1->timerType(), Qt::PreciseTimer);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(w.Simulation().settings.particleCount, 2.0);
    EXPECT_EQ(w.Simulation().drag, DragState{});
    EXPECT_EQ(Body().linearMomentum, ZeroVector());
    EXPECT_EQ(Picture().pixel(440, 292), qRgb(0, 0, 255));
}

TEST_F(Window, FirstStartStopKeepsTheBodySecondResetsIt)
{
    TForm1& w = Open();
    w.Image1MouseDown(440, 292);
    w.Image1MouseUp(460, 292);  // a push while halted
    w.Button3Click();
    EXPECT_TRUE(w.Running());
    EXPECT_EQ(Body().force, (Vector3{20, 0, 0}));
    w.Timer1Timer();
    w.Timer1Timer();
    EXPECT_NE(Body().linearVelocity, ZeroVector());
    const Vector3 moved = Body().position;
    w.Timer1Timer();
    EXPECT_NE(Body().position, moved);

    w.Button3Click();
    EXPECT_FALSE(w.Running());
    EXPECT_EQ(Body().force, ZeroVector());
    EXPECT_EQ(Body().linearVelocity, ZeroVector());
}

TEST_F(Window, EveryKeystrokeRebuildsTheBody)
{
    TForm1& w = Open();
    const double unitMass = Body().totalMass;
    w.Button3Click();
    w.Edit1->setFocus();
    QTest::keyClick(w.Edit1, Qt::Key_End);
    QTest::keyClicks(w.Edit1, "5");
    EXPECT_FALSE(w.Running());
    EXPECT_EQ(w.Simulation().settings.density, 15.0);
    EXPECT_EQ(Body().totalMass, [&] {
        Particle p;
        InitParticle(p, {}, 1.0, 15.0);
        return p.mass + p.mass;
    }());
    QTest::keyClick(w.Edit1, Qt::Key_Backspace);
    EXPECT_EQ(w.Simulation().settings.density, 1.0);
    EXPECT_EQ(Body().totalMass, unitMass);
    EXPECT_TRUE(errors.empty());
}

TEST_F(Window, EmptiedDensityReportsAndKeepsTheBody)
{
    TForm1& w = Open();
    w.Edit1->setText("3");
    w.Image1MouseDown(440, 292);
    w.Image1MouseUp(450, 292);
    w.Button3Click();
    const RigidBody before = Body();
    const QImage picture = Picture();
    w.Edit1->clear();
    EXPECT_FALSE(w.Running());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("density \"\" is not a number"), std::string::npos);
    EXPECT_EQ(Body(), before);
    EXPECT_EQ(w.Simulation().settings.density, 3.0);
    EXPECT_EQ(Picture(), picture);  // no redraw
}

// A box that cut a long paste to its length would read what was never typed:
// here "2" and blanks, which the cut text would take for 2.
TEST_F(Window, ALongDensityTextIsRefusedNotCut)
{
    TForm1& w = Open();
    const QString pasted = QStringLiteral("2") + QString(40000, QLatin1Char(' ')) + QStringLiteral("5");
    w.Edit1->setText(pasted);
    EXPECT_EQ(w.Edit1->text(), pasted);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("...\" is longer than 32767 characters"), std::string::npos) << errors[0];
    EXPECT_EQ(w.Simulation().settings.density, 1.0);
}

TEST_F(Window, BadDensityCannotHaltARunningSimulation)
{
    TForm1& w = Open();
    w.Edit1->setText("x");
    errors.clear();
    w.Button3Click();  // halted: starts with no setup
    EXPECT_TRUE(w.Running());
    EXPECT_TRUE(errors.empty());
    w.Button3Click();
    EXPECT_TRUE(w.Running());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("\"x\""), std::string::npos);
}

TEST_F(Window, RealMouseEventsPushWithAnyButton)
{
    TForm1& w = Open();
    QTest::mousePress(w.Image1, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(441, 291));
    QTest::mouseRelease(w.Image1, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(460, 272));
    EXPECT_EQ(Body().force, (Vector3{20, 20, 0}));
    // The offset (10, 5) comes out of the setup's sums, a rounding off exact.
    EXPECT_NEAR(Body().torque.z, 100.0, 1e-12);
    // The arrow stays on the picture until the next clearing redraw.
    EXPECT_EQ(Picture().pixel(455, 277), qRgb(0, 0, 0));
    w.Timer1Timer();
    EXPECT_EQ(Picture().pixel(455, 277), qRgb(255, 255, 255));
}

TEST_F(Window, DoubleClickIsTwoPushes)
{
    TForm1& w = Open();
    // What a platform sends for a double click: press, release, double click, release.
    QTest::mouseClick(w.Image1, Qt::LeftButton, {}, QPoint(442, 292));
    QTest::mouseDClick(w.Image1, Qt::LeftButton, {}, QPoint(442, 292));
    QTest::mouseRelease(w.Image1, Qt::LeftButton, {}, QPoint(442, 292));
    EXPECT_EQ(Body().force, (Vector3{4, 0, 0}));
}

TEST_F(Window, MissChangesNothing)
{
    TForm1& w = Open();
    const QImage picture = Picture();
    QTest::mousePress(w.Image1, Qt::LeftButton, {}, QPoint(600, 100));
    QTest::mouseRelease(w.Image1, Qt::LeftButton, {}, QPoint(700, 100));
    EXPECT_EQ(Body().force, ZeroVector());
    EXPECT_EQ(Picture(), picture);
}

TEST_F(Window, ResizeMovesTheEdgesAndThePicture)
{
    TForm1& w = Open();
    w.resize(300, 200);  // the body's centre, x = 100, now lies beyond 300 / 4
    EXPECT_EQ(w.Image1->size(), QSize(300, 200));
    EXPECT_EQ(w.Image1->Canvas().Image().size(), QSize(300, 200));
    // Particle 0's centre is now above the area, at (440, 200 − 260).
    w.Image1MouseDown(440, -60);
    w.Image1MouseUp(441, -60);
    EXPECT_EQ(Body().force, (Vector3{1, 0, 0}));
    w.Button3Click();
    w.Timer1Timer();
    EXPECT_EQ(Body().force.x, -1.0);  // reflected
    w.resize(1000, 700);
    EXPECT_EQ(w.Image1->Canvas().Image().size(), QSize(1000, 700));
    w.Timer1Timer();
    EXPECT_EQ(Body().force.x, -1.0);  // inside again: not reflected
    EXPECT_EQ(Picture().pixel(440, 700 - 260), qRgb(0, 0, 255));
}

TEST(WindowStartUp, MissingDataFileOpensTheEmptyBodyAndSaysWhere)
{
    const TempFile folder("");
    std::vector<std::string> errors;
    TForm1 w(folder.folder() / "nowhere.txt", [&](const std::string& m) { errors.push_back(m); });
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find((folder.folder() / "nowhere.txt").string()), std::string::npos);
    EXPECT_EQ(w.Simulation().body, RigidBody{});
    w.Button3Click();
    w.Timer1Timer();  // the empty body neither moves nor divides by its zero mass
    EXPECT_EQ(w.Simulation().body, RigidBody{});
    w.Image1MouseDown(10, 10);
    w.Image1MouseUp(20, 20);
    EXPECT_EQ(w.Simulation().body, RigidBody{});
}

TEST_F(Window, TheDataFileIsOnlyEverRead)
{
    const auto bytes = [&] {
        std::ifstream in(file.path(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string contents = bytes();
    const auto modified = std::filesystem::last_write_time(file.path());
    TForm1& w = Open();
    w.Edit1->setText("2");
    w.Edit1->setText("nope");
    w.Button3Click();
    for (int i = 0; i < 50; ++i) w.Timer1Timer();
    w.Image1MouseDown(440, 292);
    w.Image1MouseUp(470, 292);
    w.Button3Click();
    EXPECT_EQ(bytes(), contents);
    EXPECT_EQ(std::filesystem::last_write_time(file.path()), modified);
}
