#include "ui/main_window.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include "session/csv.h"
#include "session/quantities.h"
#include "session/speed.h"
#include "sim/setup_error.h"
#include "ui/Unit1.h"
#include "ui/inspector_panel.h"
#include "ui/live_session.h"
#include "ui/png_file.h"
#include "ui/plots_panel.h"
#include "ui/timeline_bar.h"

namespace {

constexpr int kMostRecentFiles = 8;
const QString kSettingsName = QStringLiteral("rigid-body");

}  // namespace

MainWindow::MainWindow(LiveSession& live, FileChooser choose, QWidget* parent)
    : QMainWindow(parent), live_(live),
      form_(new TForm1(
          live, [this](const std::string& message) { TForm1::ShowMessageBox(this, message); }, this)),
      actions_(std::make_unique<DesktopActions>(*form_, choose)), choose_(std::move(choose)),
      timeline_(new TimelineBar(*form_, this)), runState_(new QLabel(this)), time_(new QLabel(this)),
      speed_(new QLabel(this)), dataFile_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Rigid Body Dynamics"));
    setCentralWidget(form_);
    actions_->opened = [this](const QString& path) { AddRecentFile(path); };
    BuildPanels();
    addToolBar(Qt::BottomToolBarArea, timeline_);
    BuildMenus();
    for (QLabel* label : {runState_, time_, speed_}) statusBar()->addWidget(label);
    statusBar()->addPermanentWidget(dataFile_);
    listening_ = form_->CurrentSession().Listen(*this);
    // A run that halts by itself is told where the run state shows, without a box.
    form_->showNotice = [this](const std::string& message) {
        statusBar()->showMessage(QString::fromStdString(message));
    };
    ShowStatus();
    // The drawing area opens at its classic size, menu and status bar around it.
    resize(sizeHint());
    move(89, 143);
}

void MainWindow::BuildPanels()
{
    Session& session = form_->CurrentSession();
    auto dock = [this](const QString& title, const QString& name, QWidget* panel, Qt::DockWidgetArea area) {
        auto* made = new QDockWidget(title, this);
        made->setObjectName(name);  // for the window's saved state
        made->setWidget(panel);
        addDockWidget(area, made);
        made->hide();
        // Opened, a panel widens the window rather than narrowing the drawing
        // area, whose width is where the body turns back.
        connect(made->toggleViewAction(), &QAction::triggered, this, [this, made](bool shown) {
            const bool besideAnother = (made == inspectorDock_ ? plotsDock_ : inspectorDock_)->isVisible();
            if (!shown || besideAnother || isMaximized() || isFullScreen()) return;
            QTimer::singleShot(0, this, [this, made] {
                resize(width() + made->width() + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent), height());
            });
        });
        return made;
    };
    inspector_ = new InspectorPanel(session, this);
    plots_ = new PlotsPanel(session, this);
    inspectorDock_ =
        dock(QStringLiteral("Inspector"), QStringLiteral("inspector"), inspector_, Qt::RightDockWidgetArea);
    plotsDock_ = dock(QStringLiteral("Plots"), QStringLiteral("plots"), plots_, Qt::RightDockWidgetArea);
    // Side by side as tabs: stacked, their heights together would stretch the window.
    tabifyDockWidget(inspectorDock_, plotsDock_);
}

void MainWindow::BuildMenus()
{
    DesktopActions& a = *actions_;
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(a.open);
    QMenu* examples = file->addMenu(QStringLiteral("Open &example"));
    const QDir bodies(ExampleBodiesFolder());
    for (const QFileInfo& body : bodies.entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        const QString path = body.filePath();
        examples->addAction(body.completeBaseName(), this, [this, path] { actions_->Open(path); });
    }
    examples->setEnabled(!examples->isEmpty());
    recentMenu_ = file->addMenu(QStringLiteral("Open &recent"));
    file->addAction(a.reload);
    file->addAction(a.savePicture);
    file->addAction(QStringLiteral("E&xport data…"), this, [this] {
        if (const QString path = choose_(FilePurpose::ExportData); !path.isEmpty()) ExportData(path);
    });
    file->addSeparator();
    QAction* quit = file->addAction(QStringLiteral("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);

    QMenu* simulation = menuBar()->addMenu(QStringLiteral("&Simulation"));
    simulation->addAction(a.startStop);
    simulation->addAction(a.pause);
    simulation->addAction(a.step);
    simulation->addAction(timeline_->stepBack);
    QMenu* speed = simulation->addMenu(QStringLiteral("Spee&d"));
    for (QAction* choice : a.speeds) speed->addAction(choice);
    speed->addSeparator();
    speed->addAction(a.slower);
    speed->addAction(a.faster);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    for (QDockWidget* dock : {inspectorDock_, plotsDock_}) view->addAction(dock->toggleViewAction());
    view->addAction(timeline_->toggleViewAction());
    inspectorDock_->toggleViewAction()->setShortcut(Qt::CTRL | Qt::Key_I);
    plotsDock_->toggleViewAction()->setShortcut(Qt::CTRL | Qt::Key_G);
    view->addSeparator();
    for (const OverlayEntry& entry : kOverlayTable) {
        QAction* toggle = view->addAction(QString::fromUtf8(entry.title.data(), std::ssize(entry.title)));
        toggle->setCheckable(true);
        const Overlay overlay = entry.overlay;
        connect(toggle, &QAction::triggered, this,
                [this, overlay](bool on) { form_->Do({.kind = CommandKind::View, .overlay = overlay, .on = on}); });
        overlayActions_.push_back(toggle);
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Keys and mouse"), this,
                    [this] { QMessageBox::information(this, QStringLiteral("Keys and mouse"), KeysHelp()); });
    help->addAction(QStringLiteral("&About"), this, [this] {
        QMessageBox::about(this, QStringLiteral("About Rigid Body Dynamics"),
                           QStringLiteral("<p><b>Rigid Body Dynamics</b> %1</p>"
                                          "<p>One rigid body, a flat cluster of spheres, moving under the "
                                          "three-dimensional rigid-body equations with a fixed explicit Euler "
                                          "step. Every number is computed in a fixed order, so a run is "
                                          "reproducible to the last bit.</p><p>Licence: MIT.</p>")
                               .arg(QApplication::applicationVersion()));
    });
    FillRecentMenu();
}

QString MainWindow::KeysHelp() const
{
    QString rows;
    auto row = [&rows](const QString& keys, const QString& what) {
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(keys.toHtmlEscaped(), what);
    };
    auto keysOf = [](const QAction* action) {
        QStringList keys;
        for (const QKeySequence& key : action->shortcuts()) keys << key.toString(QKeySequence::NativeText);
        return keys.join(QStringLiteral(" or "));
    };
    const DesktopActions& a = *actions_;
    row(QStringLiteral("Start/Stop button"), QStringLiteral("run; stopping returns the body to rest"));
    row(keysOf(a.pause), QStringLiteral("pause or resume a run, keeping the body as it is"));
    row(keysOf(a.step), QStringLiteral("one time step of 0.2 while halted or paused"));
    row(keysOf(timeline_->stepBack),
        QStringLiteral("one kept step back: the body as it was then, halted; from there Ctrl+Right computes "
                       "the same steps again"));
    row(keysOf(a.slower) + QStringLiteral(", ") + keysOf(a.faster),
        QStringLiteral("slower, faster: the timer's pace from 1/8 to 4; each step stays 0.2"));
    row(keysOf(a.open), QStringLiteral("open a data file (or drop one on the window)"));
    row(keysOf(a.reload), QStringLiteral("reload the data file; the run stops"));
    row(keysOf(a.savePicture), QStringLiteral("save the picture as a PNG"));
    row(keysOf(inspectorDock_->toggleViewAction()), QStringLiteral("the inspector: every quantity of the body"));
    row(keysOf(plotsDock_->toggleViewAction()),
        QStringLiteral("the plots: energies, momenta and the orientation's length over time"));
    row(keysOf(timeline_->toggleViewAction()),
        QStringLiteral("the timeline: drag it, or use its arrow keys, to go back and forth through the kept "
                       "steps; pressing it pauses a run; a step, a push or coast drops the steps after the "
                       "present"));
    row(QStringLiteral("Press on a disc, release elsewhere"),
        QStringLiteral("push: the drag in pixels, y up, is added to the force, its moment about the centre "
                       "of mass to the torque; both act at every step until the body is rebuilt"));
    row(QStringLiteral("Tab, Shift+Tab"),
        QStringLiteral("the next or the previous control: Start/Stop, the density box, the drawing area (framed "
                       "while it has the keys), the timeline"));
    row(QStringLiteral("N or ], P or ["),
        QStringLiteral("in the drawing area: choose the next or the previous particle to push, counted from 1; "
                       "the chosen disc is ringed"));
    row(QStringLiteral("Arrows, Shift+Arrows"),
        QStringLiteral("in the drawing area: set the push, 1 or 10 pixels a press, shown as a dashed arrow"));
    row(QStringLiteral("Enter, Escape"),
        QStringLiteral("in the drawing area: push, the same press and release a mouse makes; or cancel. A press "
                       "finds a particle where it would lie unturned: once the body has turned, a dotted ring "
                       "marks that place, where the push starts"));
    row(QStringLiteral("density box"),
        QStringLiteral("mass per unit area; every change stops the run and rebuilds the body; a refused "
                       "text is marked and the body keeps its density"));
    QString legend;
    for (const OverlayEntry& entry : kOverlayTable) {
        const QString swatch = QStringLiteral("#%1%2%3")
                                   .arg(entry.color & 0xFF, 2, 16, QLatin1Char('0'))
                                   .arg((entry.color >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
                                   .arg((entry.color >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
        QString what = QString::fromUtf8(entry.legend.data(), std::ssize(entry.legend)).toHtmlEscaped();
        for (double number : entry.legendNumbers)
            if (what.contains(QLatin1Char('%'))) what = what.arg(number);
        legend +=
            QStringLiteral("<tr><td><b><font color=\"%1\">&#9632;</font> %2</b></td><td>%3</td></tr>")
                .arg(swatch, QString::fromUtf8(entry.title.data(), std::ssize(entry.title)).remove(QLatin1Char('&')),
                     what);
    }
    return QStringLiteral(
               "<table cellspacing=\"6\">%1</table><p><b>Overlays</b> (View menu)</p>"
               "<table cellspacing=\"6\">%2</table>")
        .arg(rows, legend);
}

QString MainWindow::ExampleBodiesFolder()
{
    const QString installed = QApplication::applicationDirPath() + QStringLiteral("/../share/rigid-body/bodies");
    if (QFileInfo(installed).isDir()) return QDir(installed).canonicalPath();
    return QStringLiteral(RBD_SOURCE_DIR "/examples/bodies");
}

void MainWindow::RestoreSettings()
{
    const QSettings settings(kSettingsName, kSettingsName);
    if (restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray())) KeepOnScreen();
    restoreState(settings.value(QStringLiteral("windowState")).toByteArray());
    // Snapped to the menu's paces, so that one of them is checked and the
    // keys step from it.
    bool valid = false;
    const double speed = settings.value(QStringLiteral("speed"), 1.0).toDouble(&valid);
    if (valid) form_->Do({.kind = CommandKind::Speed, .speed = NearestSpeedChoice(speed)});
    for (const QString& name : settings.value(QStringLiteral("overlays")).toStringList())
        if (const auto overlay = OverlayNamed(name.toStdString()))
            form_->Do({.kind = CommandKind::View, .overlay = *overlay, .on = true});
    for (const OverlayEntry& entry : kOverlayTable)
        overlayActions_[static_cast<std::size_t>(entry.overlay)]->setChecked(
            IsShown(form_->CurrentSession().ShownOverlays(), entry.overlay));
    recentFiles_ = settings.value(QStringLiteral("recentFiles")).toStringList().mid(0, kMostRecentFiles);
    FillRecentMenu();
    CheckSettingsCanBeSaved(settings.fileName());
}

// A saved geometry may come from a larger screen, or hold anything at all: the
// window opens whole on the screen it is on, every control within reach, and
// so is never saved back larger than it was shown. (The classic size a window
// opens at without settings is left to the desktop.)
void MainWindow::KeepOnScreen()
{
    // The frame the desktop draws around the window is known only once it is
    // shown: room is left for a title bar and a border as the style draws them.
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const QRect room = screen()->availableGeometry() -
                       QMargins(border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border);
    QRect shown(geometry().topLeft(), geometry().size().expandedTo(minimumSizeHint()).boundedTo(room.size()));
    shown.moveTo(std::clamp(shown.x(), room.left(), room.right() + 1 - shown.width()),
                 std::clamp(shown.y(), room.top(), room.bottom() + 1 - shown.height()));
    setGeometry(shown);
}

// Tried as a save would write them, beside the file, at the start: said once
// while the person can still read it, not when the window closes. Settings
// that cannot be saved are then left as they are.
void MainWindow::CheckSettingsCanBeSaved(const QString& file)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    try {
        FileAside trial(file.toStdString());
        trial.Write("\n");
    } catch (const WriteError& failure) {
        settingsSavable_ = false;
        constexpr int kShownFor = 20000;  // milliseconds
        statusBar()->showMessage(
            QStringLiteral("The settings cannot be saved in %1: %2")
                .arg(QString::fromStdString(ShownPath(file.toStdString())), QString::fromStdString(failure.what())),
            kShownFor);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!settingsSavable_) return;
    QSettings settings(kSettingsName, kSettingsName);
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    settings.setValue(QStringLiteral("windowState"), saveState());
    settings.setValue(QStringLiteral("speed"), form_->CurrentSession().Speed());
    settings.setValue(QStringLiteral("recentFiles"), recentFiles_);
    QStringList overlays;
    for (const OverlayEntry& entry : kOverlayTable)
        if (IsShown(form_->CurrentSession().ShownOverlays(), entry.overlay))
            overlays << QString::fromUtf8(entry.word.data(), std::ssize(entry.word));
    settings.setValue(QStringLiteral("overlays"), overlays);
}

void MainWindow::AddRecentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recentFiles_.removeAll(absolute);
    recentFiles_.prepend(absolute);
    recentFiles_ = recentFiles_.mid(0, kMostRecentFiles);
    FillRecentMenu();
}

void MainWindow::FillRecentMenu()
{
    recentMenu_->clear();
    for (const QString& path : recentFiles_)
        recentMenu_->addAction(QFileInfo(path).fileName(), this, [this, path] { actions_->Open(path); })
            ->setToolTip(path);
    recentMenu_->setEnabled(!recentFiles_.isEmpty());
}

void MainWindow::ShowStatus()
{
    const Session& session = form_->CurrentSession();
    const long long steps = session.Simulation().steps;
    runState_->setText(session.Running() ? QStringLiteral("Running")
                       : steps == 0      ? QStringLiteral("At rest")
                                         : QStringLiteral("Paused"));
    const long long newest = session.KeptHistory().Newest();
    time_->setText(QStringLiteral("t = %1 (%2)")
                       .arg(SimulatedTime(steps), 0, 'f', 1)
                       .arg(steps < newest ? QStringLiteral("step %1 of %2 kept").arg(steps).arg(newest)
                                           : QStringLiteral("%1 steps").arg(steps)));
    speed_->setText(QStringLiteral("speed %1×").arg(QString::fromStdString(SpeedName(session.Speed()))));
    const QString path = QString::fromStdString(session.DataFile().string());
    dataFile_->setText(QFileInfo(path).fileName());
    dataFile_->setToolTip(path);
}

void MainWindow::ExportData(const QString& path)
{
    // Made from the history when asked for: a window left running keeps no
    // rows of its own, only the history's bounded motions.
    const Session& session = form_->CurrentSession();
    const History& history = session.KeptHistory();
    const double totalMass = session.Simulation().body.totalMass;
    std::string text = CsvHeader() + '\n';
    for (long long step = history.Oldest(); step <= session.Simulation().steps; ++step)
        text += CsvRow(step, totalMass, history.At(step)) + '\n';
    // Written aside, every write checked, then moved over the file: a failed
    // export leaves an older file whole.
    try {
        live_.CheckOutput(path.toStdString());
        WriteFileAside(path.toStdString(), text);
    } catch (const std::runtime_error& failure) {
        TForm1::ShowMessageBox(this,
                               "cannot write the data '" + ShownPath(path.toStdString()) + "': " + failure.what());
    }
}
