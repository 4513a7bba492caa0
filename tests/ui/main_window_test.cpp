#include "ui/main_window.h"

#include <climits>
#include <fstream>

#include <QAction>
#include <QDataStream>
#include <QDir>
#include <QScreen>
#include <QSettings>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include "session/csv.h"
#include "session/speed.h"
#include "tests/test_files.h"
#include "ui/Unit1.h"
#include "ui/csv_recorder.h"
#include "ui/image_view.h"
#include "ui/inspector_panel.h"
#include "ui/live_session.h"
#include "ui/plots_panel.h"
#include "ui/timeline_bar.h"

namespace {

// Two particles about (100, 60): particle 0's centre on pixel (440, 292).
constexpr const char* kTwoParticles = "2  110 65  90 55";

struct Desk : testing::Test {
    Desk() : file(kTwoParticles) {}

    MainWindow& Open()
    {
        window.reset();  // it shows the session replaced below
        live = std::make_unique<LiveSession>(file.path());
        window = std::make_unique<MainWindow>(*live, [this](FilePurpose) { return chosen; });
        window->RestoreSettings();
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }
    TForm1& Form() { return window->Form(); }
    void Keys(QKeyCombination keys)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.get(), keys.key(), keys.keyboardModifiers());
    }
    QString Status() const
    {
        QStringList texts;
        for (QLabel* label : window->statusBar()->findChildren<QLabel*>()) texts << label->text();
        return texts.join(QLatin1Char('|'));
    }

    TempFile file;
    QString chosen;
    std::unique_ptr<LiveSession> live;
    std::unique_ptr<MainWindow> window;
};

// A saved geometry as QWidget::saveGeometry writes it (format 3.0), saying
// the window stood at `rect` on a screen `screenWidth` wide; one from a screen
// of another width is not restored.
QByteArray SavedGeometry(QRect rect, qint32 screenWidth)
{
    QByteArray saved;
    QDataStream stream(&saved, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << rect << rect << qint32(0) << quint8(0) << quint8(0)
           << screenWidth << rect;
    return saved;
}

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

QStringList MenuTitles(QMenuBar* bar)
{
    QStringList titles;
    for (QAction* menu : bar->actions()) titles << menu->text().remove(QLatin1Char('&'));
    return titles;
}

}  // namespace

TEST_F(Desk, MenusHoldEveryCommandWithItsKeyAndTheHelpListsThem)
{
    MainWindow& w = Open();
    EXPECT_EQ(w.windowTitle(), "Rigid Body Dynamics");
    EXPECT_EQ(Form().size(), QSize(879, 552));  // the drawing area keeps its size
    EXPECT_EQ(MenuTitles(w.menuBar()), QStringList({"File", "Simulation", "View", "Lessons", "Help"}));
    const DesktopActions& a = w.Actions();
    const QString help = w.KeysHelp();
    for (QAction* action :
         {a.open, a.reload, a.savePicture, a.pause, a.step, a.coast, w.Timeline().stepBack, a.slower, a.faster,
          w.InspectorDock()->toggleViewAction(), w.PlotsDock()->toggleViewAction(), w.Timeline().toggleViewAction()}) {
        ASSERT_FALSE(action->shortcut().isEmpty()) << action->text().toStdString();
        EXPECT_FALSE(action->associatedObjects().isEmpty());
        if (action->parent() == &Form() || action->parent() == &w.Timeline()) {
            EXPECT_NE(help.indexOf(action->shortcut().toString(QKeySequence::NativeText).toHtmlEscaped()), -1)
                << action->text().toStdString();
        }
    }
    EXPECT_EQ(w.OverlayActions().size(), kOverlayTable.size());
}

TEST_F(Desk, PauseFreezesEveryFieldAndSpeedOnlyPacesTheTimer)
{
    MainWindow& w = Open();
    TForm1& form = Form();
    EXPECT_EQ(Status().left(7), "At rest");
    form.Image1MouseDown(440, 292);
    form.Image1MouseUp(470, 262);
    form.Button3Click();
    for (int i = 0; i < 5; ++i) form.Timer1Timer();
    EXPECT_TRUE(Status().startsWith("Running|t = 1.0 tu (5 steps)|speed 1×")) << Status().toStdString();

    Keys(Qt::Key_Space);
    const RigidBody frozen = form.Simulation().body;
    const QImage picture = form.Image1->Canvas().Image().copy();
    EXPECT_FALSE(form.Running());
    EXPECT_FALSE(form.Timer1->isActive());
    form.Timer1Timer();  // a tick that was already on its way
    EXPECT_EQ(form.Simulation().body, frozen);
    EXPECT_EQ(form.Image1->Canvas().Image(), picture);
    EXPECT_TRUE(Status().startsWith("Paused")) << Status().toStdString();
    Keys(Qt::CTRL | Qt::Key_Right);  // steps while paused, as while halted
    EXPECT_EQ(form.Simulation().steps, 6);
    Keys(Qt::Key_Space);
    EXPECT_TRUE(form.Running());

    // Speed sets the timer's period, 50 ms / X rounded, and nothing else.
    const std::pair<int, int> periods[] = {{0, 400}, {1, 200}, {2, 100}, {3, 50}, {4, 25}, {5, 13}};
    for (auto [index, period] : periods) {
        w.Actions().speeds[static_cast<std::size_t>(index)]->trigger();
        EXPECT_EQ(form.Timer1->interval(), period);
    }
    Keys(Qt::CTRL | Qt::Key_Minus);
    EXPECT_EQ(form.CurrentSession().Speed(), 2.0);
    EXPECT_TRUE(w.Actions().speeds[4]->isChecked());
    Keys(Qt::CTRL | Qt::Key_Plus);
    Keys(Qt::CTRL | Qt::Key_Plus);
    EXPECT_EQ(form.CurrentSession().Speed(), 4.0);

    // In the density box a blank is typed, not a pause.
    form.Edit1->setFocus();
    QTest::keyClick(form.Edit1, Qt::Key_End);
    QTest::keyClick(form.Edit1, Qt::Key_Space);
    EXPECT_EQ(form.Edit1->text(), "1 ");
    // A press on the picture takes the keys back, so that they act again.
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(20, 300));
    EXPECT_EQ(QApplication::focusWidget(), form.Image1);
    const long long steps = form.Simulation().steps;
    Keys(Qt::CTRL | Qt::Key_Right);
    EXPECT_EQ(form.Simulation().steps, steps + 1);
}

// The panels show the run, and after a seek the run up to the step sought;
// they sit beside the drawing area, whose size nothing but the window's own
// resizing changes: not showing, floating, docking or hiding them.
TEST_F(Desk, PanelsFollowTheRunBesideADrawingAreaTheyNeverResize)
{
    MainWindow& w = Open();
    TForm1& form = Form();
    struct SizeCount : SessionListener {
        void Applying(const Command& command) override { sizes += command.kind == CommandKind::Size; }
        int sizes = 0;
    } resized;
    const Session::Listening listening = form.CurrentSession().Listen(resized);
    const auto settle = [&] {
        EXPECT_TRUE(QTest::qWaitFor([&] { return form.size() == QSize(879, 552); }, 2000)) << form.width();
        EXPECT_EQ(form.Image1->size(), QSize(879, 552));
    };
    Keys(Qt::CTRL | Qt::Key_I);
    Keys(Qt::CTRL | Qt::Key_G);
    settle();
    // The screen here has no room beside the window: they float, one above the other.
    ASSERT_TRUE(w.InspectorDock()->isVisible() && w.PlotsDock()->isVisible());
    EXPECT_TRUE(w.InspectorDock()->isFloating() && w.PlotsDock()->isFloating());
    EXPECT_FALSE(w.InspectorDock()->frameGeometry().intersects(w.PlotsDock()->frameGeometry()));
    for (QDockWidget* dock : {w.InspectorDock(), w.PlotsDock()}) dock->setFloating(false);
    settle();
    w.activateWindow();  // as a person's click would, from the panels' windows
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_LE(w.InspectorDock()->geometry().right(), w.PlotsDock()->geometry().left());
    EXPECT_GE(w.InspectorDock()->geometry().left(), form.geometry().right());

    form.Image1MouseDown(440, 292);
    form.Image1MouseUp(470, 262);
    form.Button3Click();
    for (int i = 0; i < 12; ++i) form.Timer1Timer();
    w.Inspector().RefreshNow();
    w.Plots().RefreshNow();
    EXPECT_EQ(w.Inspector().Shown("time"), "2.4 (12 steps)");
    EXPECT_EQ(w.Inspector().Shown("force").simplified(), "30 30 0");
    EXPECT_EQ(w.Plots().Points("total").size(), 13);  // from step 0
    EXPECT_DOUBLE_EQ(w.Plots().Points("total").back().x(), 2.4);
    EXPECT_EQ(w.Plots().Points("|q|").back().y(), Length(form.Simulation().body.orientation));
    settle();  // numbers that grow widen nothing

    // Hidden, the graphs catch up when shown again; after a seek they end there.
    Keys(Qt::CTRL | Qt::Key_G);
    for (int i = 0; i < 3; ++i) form.Timer1Timer();
    Keys(Qt::CTRL | Qt::Key_G);
    // The timer ticks on while the test waits: as many points as steps since step 0.
    EXPECT_EQ(w.Plots().Points("Lz").size(), form.Simulation().steps + 1);
    form.Do({.kind = CommandKind::Seek, .count = 5});
    w.Inspector().RefreshNow();
    w.Plots().RefreshNow();
    EXPECT_EQ(w.Plots().Points("Lz").size(), 6);
    EXPECT_EQ(w.Inspector().Shown("time"), "1.0 (5 steps)");
    // A setup starts them afresh.
    form.Button3Click();
    form.Button3Click();
    w.Plots().RefreshNow();
    EXPECT_EQ(w.Plots().Points("Lz").size(), 1);

    w.InspectorDock()->setFloating(true);
    settle();
    w.InspectorDock()->setFloating(false);
    settle();
    Keys(Qt::CTRL | Qt::Key_I);
    settle();
    w.PlotsDock()->close();
    settle();
    EXPECT_EQ(resized.sizes, 0);

    // A resize from outside the program, as a person's, moves the walls.
    w.windowHandle()->resize(w.width() - 100, w.height() + 30);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.CurrentSession().Width() != 879; }, 2000));

    EXPECT_EQ(form.CurrentSession().Width(), 779);
    EXPECT_EQ(form.CurrentSession().Height(), 582);
    EXPECT_EQ(resized.sizes, 1);
}

// What refuses a command says so at once, without a box: the step guard halts
// the run, and a refused density text keeps Start/Stop and Open from acting.
TEST_F(Desk, RefusalsAreSaidWhereTheyHappen)
{
    MainWindow& w = Open();
    TForm1& form = Form();
    // Shown to the end, the plots hand Qt Charts only numbers it can draw: it
    // warns of any other.
    static int ignored = 0;
    const QtMessageHandler before = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& message) { ignored += message.contains("Ignored"); });
    w.PlotsDock()->toggleViewAction()->trigger();
    form.Image1MouseDown(440, 292);
    form.Image1MouseUp(440, 200);  // a torque that spins the body ever faster
    form.Button3Click();
    for (int i = 0; i < 2000 && form.Running(); ++i) {
        form.Timer1Timer();
        if (i % 50 == 0) w.Plots().RefreshNow();
    }
    w.Plots().RefreshNow();
    qInstallMessageHandler(before);
    EXPECT_EQ(ignored, 0);
    EXPECT_GT(w.Plots().Points("|q|").back().y(), 1e150);
    ASSERT_FALSE(form.Running());

    EXPECT_TRUE(Status().startsWith("Halted|")) << Status().toStdString();
    EXPECT_NE(w.Notice().indexOf(QStringLiteral("was not taken")), -1) << w.Notice().toStdString();
    EXPECT_EQ(form.Note(), w.Notice());
    EXPECT_FALSE(w.Actions().coast->isEnabled() && !form.Simulation().body.torque.z);

    Keys(Qt::CTRL | Qt::Key_R);  // rebuilt at rest: the note goes
    EXPECT_TRUE(form.Note().isEmpty());
    EXPECT_TRUE(Status().startsWith("At rest|")) << Status().toStdString();
    form.Button3Click();
    EXPECT_FALSE(w.Actions().step->isEnabled());  // only a halted body steps
    form.Edit1->setText("x");
    EXPECT_TRUE(w.Actions().step->isEnabled());
    form.Button3Click();
    form.Button3Click();  // the stop needs a setup, which the text refuses
    EXPECT_TRUE(form.Running());
    EXPECT_NE(w.Notice().indexOf(QStringLiteral("The run goes on")), -1) << w.Notice().toStdString();
    EXPECT_FALSE(form.DensityProblem().isEmpty());
    w.Actions().Open(QString::fromStdString(file.path().string()));
    EXPECT_NE(w.Notice().indexOf(QStringLiteral("was not opened")), -1) << w.Notice().toStdString();
}

// The menus read as a person reads: the examples by name, the recent files
// with their folders, and a way back to the first layout and settings. Tab
// stops only where the keys do something, and shows it.
TEST_F(Desk, MenusNameThingsAndResetTakesEverythingBack)
{
    MainWindow& w = Open();
    TForm1& form = Form();
    const auto entries = [&w](const QString& menuTitle) {
        QStringList titles;
        for (QMenu* menu : w.menuBar()->findChildren<QMenu*>())
            if (menu->title() == menuTitle)
                for (QAction* action : menu->actions()) titles << action->text();
        return titles;
    };
    EXPECT_EQ(entries(QStringLiteral("Open &example")),
              QStringList({"Rod", "Dumbbell", "L shape", "Triangle", "Ring", "Irregular blob"}));
    w.Actions().Open(QString::fromStdString(file.path().string()));
    EXPECT_EQ(entries(QStringLiteral("Open &recent")),
              QStringList({QStringLiteral("data.txt (in %1)").arg(QString::fromStdString(file.folder().string()))}));

    // The rod's inertia holds rounding dust (about -1e-28) off the diagonal,
    // and its principal axis lies along x up to such dust: both read 0.
    w.Actions().Open(MainWindow::ExampleBodiesFolder() + QStringLiteral("/rod.txt"));
    w.Inspector().RefreshNow();
    EXPECT_EQ(w.Inspector().Shown("body inertia").simplified(), "15.08 0 0 0 1812 0 0 0 1812");
    EXPECT_EQ(w.Inspector().Shown("principal moments").simplified(), "15.08 1812 1812");
    EXPECT_EQ(w.Inspector().Shown("principal axis").simplified(), "0");

    form.Do({.kind = CommandKind::Speed, .speed = 4});
    for (QAction* overlay : w.OverlayActions()) overlay->trigger();
    Keys(Qt::CTRL | Qt::Key_I);
    w.InspectorDock()->setFloating(true);
    w.windowHandle()->resize(1200, 700);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.CurrentSession().Width() != 879; }, 2000));
    w.ResetAction()->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.size() == QSize(879, 552); }, 2000));
    EXPECT_EQ(form.CurrentSession().Speed(), 1.0);
    EXPECT_EQ(form.CurrentSession().ShownOverlays(), Overlays{});
    for (QAction* overlay : w.OverlayActions()) EXPECT_FALSE(overlay->isChecked());
    EXPECT_FALSE(w.InspectorDock()->isVisible());
    EXPECT_FALSE(w.InspectorDock()->isFloating());
    EXPECT_EQ(form.size(), QSize(879, 552));
    EXPECT_EQ(form.CurrentSession().Width(), 879);

    w.InspectorDock()->toggleViewAction()->trigger();
    w.PlotsDock()->toggleViewAction()->trigger();
    // The panels float here, each a window with a chain of its own.
    QSet<QWidget*> seen;
    QStringList stops;
    for (QWidget* start : std::initializer_list<QWidget*>{&w, w.InspectorDock(), w.PlotsDock()}) {
        QWidget* at = start;
        do {
            if (at->isVisible() && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus) && !seen.contains(at)) {
                seen.insert(at);
                stops << QString::fromLatin1(at->metaObject()->className());
            }
            at = at->nextInFocusChain();
        } while (at != start);
    }
    stops.sort();
    EXPECT_EQ(stops, QStringList({"ImageView", "QLineEdit", "QPushButton", "QPushButton", "QSlider"}))
        << stops.join(' ').toStdString();
}

// The timeline opens and closes around the drawing area, which keeps its
// size; the status bar says when the present lies in the past of the kept run.
TEST_F(Desk, TheTimelineKeepsTheDrawingAreaAndTheStatusSaysWhatIsKept)
{
    MainWindow& w = Open();
    TForm1& form = Form();
    struct : SessionListener {
        void Applying(const Command& command) override { resized |= command.kind == CommandKind::Size; }
        bool resized = false;
    } sizes;
    const Session::Listening listening = form.CurrentSession().Listen(sizes);
    ASSERT_TRUE(w.Timeline().isVisible());
    for (bool shown : {false, true, false, true}) {
        Keys(Qt::CTRL | Qt::Key_T);
        QTest::qWait(20);
        EXPECT_EQ(w.Timeline().isVisible(), shown);
        EXPECT_EQ(form.size(), QSize(879, 552));
    }
    EXPECT_FALSE(sizes.resized);

    form.Button3Click();
    for (int i = 0; i < 10; ++i) form.Timer1Timer();
    for (int i = 0; i < 3; ++i) Keys(Qt::CTRL | Qt::Key_Left);
    EXPECT_TRUE(Status().startsWith("Paused|t = 1.4 tu (step 7 of 10 kept)|")) << Status().toStdString();
    Keys(Qt::CTRL | Qt::Key_Right);  // computes step 8 again, and the rest of the kept run is gone
    EXPECT_TRUE(Status().startsWith("Paused|t = 1.6 tu (8 steps)|")) << Status().toStdString();
}

// Export writes the kept run from the setup's step 0 to the present: the rows
// --csv wrote as the steps were taken, after a row for the body as set up.
TEST_F(Desk, ExportWritesTheKeptRunAsCsvWroteItAndSettingsComeBack)
{
    MainWindow& w = Open();
    TForm1& form = Form();
    form.Button3Click();
    for (int i = 0; i < 4; ++i) form.Timer1Timer();
    form.Edit1->setText("2");  // a setup: the history starts again
    const std::filesystem::path live = file.folder() / "live.csv";
    std::vector<std::string> errors;
    // As --csv writes them; it stops before the session it listens to goes.
    auto csv = std::make_unique<CsvRecorder>(form.CurrentSession(),
                                             [&errors](const std::string& message) { errors.push_back(message); });
    csv->Begin(QString::fromStdString(live.string()));
    csv->Start();
    form.Image1MouseDown(440, 292);
    form.Image1MouseUp(470, 262);
    form.Button3Click();
    for (int i = 0; i < 9; ++i) form.Timer1Timer();
    form.Do({.kind = CommandKind::Seek, .count = 6});

    const std::filesystem::path exported = file.folder() / "run.csv";
    w.ExportData(QString::fromStdString(exported.string()));
    const auto lines = [](const std::filesystem::path& path) {
        std::ifstream in(path);
        std::vector<std::string> read;
        for (std::string line; std::getline(in, line);) read.push_back(line);
        return read;
    };
    const std::vector<std::string> written = lines(live);
    const std::vector<std::string> rows = lines(exported);
    ASSERT_EQ(written.size(), 10U);
    ASSERT_EQ(rows.size(), 8U);
    EXPECT_EQ(rows[0], CsvHeader());
    EXPECT_TRUE(rows[1].starts_with("0,0,")) << rows[1];
    EXPECT_TRUE(std::equal(rows.begin() + 2, rows.end(), written.begin() + 1));
    EXPECT_TRUE(errors.empty());
    csv.reset();

    form.Do({.kind = CommandKind::Speed, .speed = 0.5});
    w.OverlayActions()[1]->trigger();
    w.Actions().Open(QString::fromStdString(file.path().string()));
    w.close();
    window.reset();
    MainWindow& again = Open();
    EXPECT_EQ(Form().CurrentSession().Speed(), 0.5);
    EXPECT_TRUE(IsShown(Form().CurrentSession().ShownOverlays(), Overlay::Velocity));
    EXPECT_TRUE(again.OverlayActions()[1]->isChecked());
    EXPECT_EQ(Form().Edit1->text(), "1");  // the density does not persist
}

// Settings come from a file anyone can edit or carry to a smaller screen: the
// window opens whole on its screen, is saved back as it was shown, and its
// speed is one of the menu's. Settings that cannot be saved say so at once.
TEST_F(Desk, HostileSettingsOpenTheWindowWholeAndTheSpeedOnTheMenu)
{
    const std::tuple<QRect, QVariant, double> cases[] = {
        {QRect(0, 0, 1000000, 1000000), 0.13, 0.125},
        {QRect(0, 0, 7680, 4320), 0.3, 0.25},
        {QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX)), 100, 4},
        {QRect(-50000, 90000, 400, 300), "fast", 1},
    };
    for (const auto& [rect, speed, shown] : cases) {
        QSettings("rigid-body", "rigid-body")
            .setValue("geometry", SavedGeometry(rect, QGuiApplication::primaryScreen()->geometry().width()));
        QSettings("rigid-body", "rigid-body").setValue("speed", speed);
        MainWindow& w = Open();
        const QRect available = w.screen()->availableGeometry();
        EXPECT_TRUE(available.contains(w.frameGeometry())) << rect.width() << " x " << rect.height();
        EXPECT_EQ(Form().CurrentSession().Speed(), shown);
        EXPECT_TRUE(w.Actions()
                        .speeds[std::find(kSpeedChoices.begin(), kSpeedChoices.end(), shown) - kSpeedChoices.begin()]
                        ->isChecked());
        w.close();
        QWidget saved;
        saved.restoreGeometry(QSettings("rigid-body", "rigid-body").value("geometry").toByteArray());
        EXPECT_TRUE(available.contains(saved.geometry()));
    }

    const QString path = QSettings("rigid-body", "rigid-body").fileName();
    QFile::remove(path);
    QDir().mkpath(path);
    MainWindow& w = Open();
    EXPECT_TRUE(w.Notice().startsWith("The settings cannot be saved in " + path + ": ")) << w.Notice().toStdString();
    w.close();
    EXPECT_TRUE(QFileInfo(path).isDir());
}

// A picture or an export never replaces what the run reads or writes,
// whatever name it is given.
TEST_F(Desk, PicturesAndExportsNeverWriteOverTheRunsFiles)
{
    Open();
    const std::filesystem::path csv = file.folder() / "run.csv", link = file.folder() / "link.txt";
    std::ofstream(csv) << "step\n";
    std::filesystem::create_symlink(file.path(), link);
    live->files.AddOutput("the CSV data (--csv)", csv);
    for (const std::filesystem::path& path : {link, csv}) {
        Form().SavePicture(QString::fromStdString(path.string()));
        window->ExportData(QString::fromStdString(path.string()));
    }
    EXPECT_EQ(ReadAll(file.path()), kTwoParticles);
    EXPECT_EQ(ReadAll(csv), "step\n");
}
