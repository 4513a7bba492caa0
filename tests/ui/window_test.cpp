#include "ui/Unit1.h"

#include <sstream>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "session/script.h"
#include "ui/script_runner.h"
#include "tests/test_files.h"
#include "tests/ui/window_fixture.h"

using Window = WindowFixture;

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

TEST_F(Window, RefusedDensityIsMarkedBesideTheBoxAndKeepsTheBody)
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
    EXPECT_EQ(Body(), before);
    EXPECT_EQ(w.Simulation().settings.density, 3.0);
    EXPECT_EQ(Picture(), picture);  // no redraw
    EXPECT_EQ(w.DensityProblem().toStdString(),
              "density \"\" is not a number: enter a positive number, such as 1 or 2.5; the body keeps density 3");
    EXPECT_FALSE(w.Edit1->styleSheet().isEmpty());

    // Typed key by key, "0" and "0." are refused on the way to "0.5": no box
    // interrupts the typing and no key is lost.
    w.Edit1->setFocus();
    QTest::keyClicks(w.Edit1, "0.");
    EXPECT_NE(w.DensityProblem().indexOf("\"0.\" is not positive"), -1);
    QTest::keyClicks(w.Edit1, "5");
    EXPECT_EQ(w.Edit1->text(), "0.5");
    EXPECT_EQ(w.Simulation().settings.density, 0.5);
    EXPECT_TRUE(w.DensityProblem().isEmpty());
    EXPECT_TRUE(w.Edit1->styleSheet().isEmpty());
    EXPECT_TRUE(errors.empty());
}

// A box that cut a long paste to its length would read what was never typed:
// here "2" and blanks, which the cut text would take for 2.
TEST_F(Window, ALongDensityTextIsRefusedNotCut)
{
    TForm1& w = Open();
    const QString pasted = QStringLiteral("2") + QString(40000, QLatin1Char(' ')) + QStringLiteral("5");
    w.Edit1->setText(pasted);
    EXPECT_EQ(w.Edit1->text(), pasted);
    EXPECT_NE(w.DensityProblem().indexOf("...\" is longer than 32767 characters"), -1)
        << w.DensityProblem().toStdString();
    EXPECT_EQ(w.Simulation().settings.density, 1.0);
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
    w.Do({.kind = CommandKind::Step});
    EXPECT_EQ(Picture().pixel(455, 277), qRgb(255, 255, 255));
}

// The band and the hint are the view's: the picture, which frames and saved
// pictures copy, never holds them.
TEST_F(Window, ABandFollowsTheDragAndAHintShowsUntilTheFirstPush)
{
    TForm1& w = Open();
    EXPECT_FALSE(w.Image1->Hint().isEmpty());
    QTest::mousePress(w.Image1, Qt::LeftButton, {}, QPoint(20, 20));  // no disc: no band
    EXPECT_FALSE(w.Image1->Band());
    QTest::mouseRelease(w.Image1, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_FALSE(w.Image1->Hint().isEmpty());

    const QImage picture = Picture();
    QTest::mousePress(w.Image1, Qt::LeftButton, {}, QPoint(441, 291));
    QTest::mouseMove(w.Image1, QPoint(470, 262));
    EXPECT_EQ(w.Image1->Band(), QLine(440, 292, 470, 262));  // from the disc's centre
    EXPECT_EQ(Picture(), picture);
    QTest::mouseRelease(w.Image1, Qt::LeftButton, {}, QPoint(470, 262));
    EXPECT_FALSE(w.Image1->Band());
    EXPECT_TRUE(w.Image1->Hint().isEmpty());
    EXPECT_EQ(Body().force, (Vector3{30, 30, 0}));
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

TEST_F(Window, ResizeRedrawsAtTheNewSizeAndKeepsTheControlsByTheCorner)
{
    TForm1& w = Open();
    w.Image1MouseDown(440, 292);
    w.Image1MouseUp(470, 262);  // an arrow, which the resize's clearing redraw removes
    w.resize(300, 200);         // the body's centre, x = 100, now lies beyond 300 / 4
    EXPECT_EQ(w.Image1->size(), QSize(300, 200));
    EXPECT_EQ(w.Button3->geometry(), QRect(8, 168, 65, 25));
    EXPECT_EQ(w.Edit1->geometry(), QRect(200, 168, 25, 17));
    EXPECT_EQ(w.Label1->y(), 168);
    // The same picture as a script's `size`: a clearing redraw at the new size.
    const std::filesystem::path frame = file.folder() / "resized.png";
    std::ostringstream out, err;
    RunScript(ParseScript("press 440 292\nrelease 470 262\nsize 300 200\nframe " + frame.string() + "\n", "test"),
              file.path(), {}, out, err);
    EXPECT_EQ(Picture(), QImage(QString::fromStdString(frame.string())).convertToFormat(QImage::Format_RGB32));
    w.resize(1000, 700);
    EXPECT_EQ(w.Image1->Canvas().Image().size(), QSize(1000, 700));
    EXPECT_EQ(w.Button3->geometry(), QRect(8, 668, 65, 25));
    EXPECT_EQ(Picture().pixel(440, 700 - 260), qRgb(0, 0, 255));

    w.resize(10, 10);
    EXPECT_EQ(w.size(), QSize(TForm1::kSmallestWidth, TForm1::kSmallestHeight));
    EXPECT_GE(w.Button3->y(), 70);  // below the text block
}

TEST(WindowStartUp, MissingDataFileOpensTheEmptyBodyAndSaysWhereAndWhatToDo)
{
    const TempFile folder("");
    std::vector<std::string> errors;
    LiveSession live(folder.folder() / "nowhere.txt");
    TForm1 w(live, [&](const std::string& m) { errors.push_back(m); });
    w.FormCreate();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find((folder.folder() / "nowhere.txt").string()), std::string::npos);
    EXPECT_NE(errors[0].find("Open another data file"), std::string::npos);
    EXPECT_EQ(w.Simulation().body, RigidBody{});
}
