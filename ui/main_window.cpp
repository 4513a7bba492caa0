#include "ui/main_window.h"

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "session/csv.h"
#include "session/speed.h"
#include "sim/setup_error.h"
#include "ui/Unit1.h"
#include "ui/area_keeper.h"
#include "ui/example_bodies.h"
#include "ui/help_page.h"
#include "ui/inspector_panel.h"
#include "ui/language.h"
#include "ui/lesson_host.h"
#include "ui/live_session.h"
#include "ui/png_file.h"
#include "ui/plots_panel.h"
#include "ui/status_line.h"
#include "ui/timeline_bar.h"

namespace {

constexpr int kMostRecentFiles = 8;
// The panels' layout as saved: one saved before they sat side by side, where
// one could hide behind the other as a tab, is not restored.
constexpr int kLayoutVersion = 1;
const QString kSettingsName = QStringLiteral("rigid-body");

// A menu entry shows a file's own '&'.
QString MenuText(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

}  // namespace

MainWindow::MainWindow(LiveSession& live, FileChooser choose, QWidget* parent)
    : QMainWindow(parent), live_(live),
      form_(new TForm1(
          live, [this](const std::string& message) { TForm1::ShowMessageBox(this, message); }, this)),
      actions_(std::make_unique<DesktopActions>(*form_, choose)), choose_(std::move(choose)),
      timeline_(new TimelineBar(*form_, this)), status_(std::make_unique<StatusLine>(*statusBar()))
{
    setWindowTitle(tr("Rigid Body Dynamics"));
    setCentralWidget(form_);
    keeper_ = new AreaKeeper(*this, *form_);
    actions_->opened = [this](const QString& path) { AddRecentFile(path); };
    BuildPanels();
    lessons_ = new LessonHost(*this, live_, choose_);
    addToolBar(Qt::BottomToolBarArea, timeline_);
    BuildMenus();
    listening_ = form_->CurrentSession().Listen(*this);
    // A command refused (a step not taken, a stop the density text kept from
    // happening) is said where the state shows, without a box.
    form_->showNotice = [this](const std::string& message) {
        status_->Notice(QString::fromStdString(message));
        ShowStatus();
    };
    // Last: a large body is still being read on another thread while the
    // window is made, and whatever is made before the first setup waits for
    // it costs the start nothing.
    form_->FormCreate();
    ShowStatus();
    // The drawing area opens at its classic size, menu and status bar around it.
    resize(sizeHint());
    move(89, 143);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildPanels()
{
    Session& session = form_->CurrentSession();
    auto dock = [this](const QString& title, const QString& name, QWidget* panel) {
        auto* made = new QDockWidget(title, this);
        made->setObjectName(name);  // for the window's saved state
        made->setWidget(panel);
        // Not movable: a panel dragged to the bottom, or onto another as a
        // tab, would hide or squeeze; floating, it is a window of its own.
        made->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetFloatable);
        made->setAllowedAreas(Qt::RightDockWidgetArea);
        addDockWidget(Qt::RightDockWidgetArea, made);
        made->hide();
        connect(made->toggleViewAction(), &QAction::triggered, this, [this, made](bool shown) {
            if (shown) PlacePanel(made);
        });
        return made;
    };
    inspector_ = new InspectorPanel(session, this);
    plots_ = new PlotsPanel(session, this);
    inspectorDock_ = dock(tr("Inspector"), QStringLiteral("inspector"), inspector_);
    plotsDock_ = dock(tr("Plots"), QStringLiteral("plots"), plots_);
    // Side by side: stacked, their heights together would stretch the window.
    splitDockWidget(inspectorDock_, plotsDock_, Qt::Horizontal);
}

void MainWindow::PlacePanel(QDockWidget* dock)
{
    if (!dock->isFloating()) {
        const QRect screen = this->screen()->availableGeometry();
        const QRect frame = frameGeometry();
        const int wider = frame.width() + dock->sizeHint().width();
        if (isMaximized() || isFullScreen() || wider > screen.width()) {
            dock->setFloating(true);
            // Two panels share the height rather than one hiding the other.
            QDockWidget* other = dock == inspectorDock_ ? plotsDock_ : inspectorDock_;
            if (other->isFloating() && other->isVisible()) {
                other->resize(other->width(), height() / 2);
                dock->resize(dock->sizeHint().width(), height() - other->height());
                const QRect above = other->frameGeometry();
                dock->move(above.left(), above.top() + (above.height() - other->height()) + other->height());
            } else {
                dock->resize(dock->sizeHint().width(), height());
                dock->move(std::max(screen.left(), std::min(frame.right() + 1, screen.right() + 1 - dock->width())),
                           frame.top());
            }
            status_->Notice(tr("%1 opens in a window of its own: the screen has no room for it beside "
                               "the drawing area, which keeps its size.")
                                .arg(dock->windowTitle()));
        } else if (frame.left() + wider > screen.right() + 1) {
            // Room to grow to the right, the window moved left as much as needed.
            move(pos() - QPoint(frame.left() + wider - screen.right() - 1, 0));
        }
    }
    dock->raise();
}

void MainWindow::BuildMenus()
{
    DesktopActions& a = *actions_;
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(a.open);
    QMenu* examples = file->addMenu(tr("Open &example"));
    for (const ExampleBody& body : ExampleBodies(ExampleBodiesFolder())) {
        const QString path = body.path;
        examples->addAction(MenuText(body.title), this, [this, path] { actions_->Open(path); })->setToolTip(path);
    }
    examples->setEnabled(!examples->isEmpty());
    recentMenu_ = file->addMenu(tr("Open &recent"));
    // Both open a data file: a lesson that locks opening locks them too.
    for (QMenu* opening : {examples, recentMenu_}) {
        connect(a.open, &QAction::enabledChanged, opening,
                [opening](bool on) { opening->setEnabled(on && !opening->isEmpty()); });
        connect(a.open, &QAction::visibleChanged, opening,
                [this, opening] { opening->menuAction()->setVisible(actions_->open->isVisible()); });
    }
    file->addAction(a.reload);
    file->addAction(a.savePicture);
    file->addAction(tr("E&xport data…"), this, [this] {
        if (const QString path = choose_(FilePurpose::ExportData); !path.isEmpty()) ExportData(path);
    });
    file->addSeparator();
    file->addAction(lessons_->openLesson);
    file->addAction(lessons_->saveAsLesson);
    file->addAction(lessons_->closeLesson);
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);

    QMenu* simulation = menuBar()->addMenu(tr("&Simulation"));
    simulation->addAction(a.startStop);
    simulation->addAction(a.pause);
    simulation->addAction(a.step);
    simulation->addAction(timeline_->stepBack);
    simulation->addAction(a.coast);
    QMenu* speed = simulation->addMenu(tr("Spee&d"));
    for (QAction* choice : a.speeds) speed->addAction(choice);
    speed->addSeparator();
    speed->addAction(a.slower);
    speed->addAction(a.faster);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    for (QDockWidget* dock : {inspectorDock_, plotsDock_}) view->addAction(dock->toggleViewAction());
    view->addAction(timeline_->toggleViewAction());
    inspectorDock_->toggleViewAction()->setShortcut(Qt::CTRL | Qt::Key_I);
    plotsDock_->toggleViewAction()->setShortcut(Qt::CTRL | Qt::Key_G);
    view->addSeparator();
    for (const OverlayEntry& entry : kOverlayTable) {
        QAction* toggle = view->addAction(Translated("Overlay", entry.title));
        toggle->setCheckable(true);
        const Overlay overlay = entry.overlay;
        connect(toggle, &QAction::triggered, this,
                [this, overlay](bool on) { form_->Do({.kind = CommandKind::View, .overlay = overlay, .on = on}); });
        overlayActions_.push_back(toggle);
    }
    view->addSeparator();
    reset_ = view->addAction(tr("&Reset layout and settings"), this, &MainWindow::ResetLayoutAndSettings);
    // Every text is made once, as the window is built: a new language shows
    // from the next start, which the menu and the notice say.
    QMenu* language = view->addMenu(tr("&Language (from the next start)"));
    languages_ = new QActionGroup(language);
    const auto addLanguage = [this, language](const QString& title, const QString& code) {
        QAction* choice = language->addAction(title, this, [this, code] { ChooseLanguage(code); });
        choice->setCheckable(true);
        choice->setData(code);
        languages_->addAction(choice);
    };
    addLanguage(tr("System"), {});
    for (const LanguageEntry& entry : kLanguages)
        addLanguage(QString::fromUtf8(entry.name), QString::fromLatin1(entry.code));
    ShowLanguageChecked();

    menuBar()->addMenu(lessons_->Menu());

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&Keys, units and physics"), this, [this] {
        if (!help_) {
            help_ = new QDialog(this);
            help_->setWindowTitle(tr("Keys, units and physics"));
            auto* text = new QTextBrowser(help_);
            text->setHtml(KeysHelp());
            (new QVBoxLayout(help_))->addWidget(text);
            help_->resize(640, 600);
        }
        help_->show();
        help_->raise();
    });
    help->addAction(tr("&About"), this, [this] {
        QMessageBox::about(this, tr("About Rigid Body Dynamics"),
                           tr("<p><b>Rigid Body Dynamics</b> %1</p>"
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
    auto keysOf = [](const QAction* action) {
        QStringList keys;
        for (const QKeySequence& key : action->shortcuts()) keys << key.toString(QKeySequence::NativeText);
        return keys.join(tr(" or "));
    };
    const DesktopActions& a = *actions_;
    return HelpPage({
        {tr("Press on a disc, drag, let go"),
         tr("push: a dashed band follows the pointer; the drag in pixels, y up, is added to the force, "
            "its moment about the centre of mass to the torque; both act at every step until the body "
            "is rebuilt or coasts")},
        {tr("Start/Stop button"), tr("run; stopping returns the body to rest")},
        {keysOf(a.pause), tr("pause or resume a run, keeping the body as it is")},
        {keysOf(a.step), tr("one time step of 0.2 while halted or paused")},
        {keysOf(timeline_->stepBack),
         tr("one kept step back: the body as it was then, halted; from there Ctrl+Right computes the "
            "same steps again")},
        {keysOf(a.coast), tr("coast: the pushes stop acting, force and torque become zero")},
        {keysOf(a.slower) + QStringLiteral(", ") + keysOf(a.faster),
         tr("slower, faster: the timer's pace from 1/8 to 4; each step stays 0.2")},
        {keysOf(a.open), tr("open a data file (or drop one on the window)")},
        {keysOf(a.reload), tr("reload the data file; the run stops")},
        {keysOf(a.savePicture), tr("save the picture as a PNG")},
        {keysOf(lessons_->openLesson), tr("open a lesson: notes, tasks and a prepared experiment")},
        {keysOf(lessons_->closeLesson),
         tr("close the lesson: your own speed, overlays, panels and controls come back")},
        {keysOf(inspectorDock_->toggleViewAction()), tr("the inspector: every quantity of the body")},
        {keysOf(plotsDock_->toggleViewAction()),
         tr("the plots: energies, momenta and the orientation's length over time")},
        {keysOf(timeline_->toggleViewAction()),
         tr("the timeline: drag it, or use its arrow keys, to go back and forth through the kept steps; "
            "pressing it pauses a run; a step, a push or coast drops the steps after the present")},
        {tr("Tab, Shift+Tab"),
         tr("the next or the previous control: Start/Stop, the density box, the drawing area (framed "
            "while it has the keys), the timeline")},
        {tr("N or ], P or ["),
         tr("in the drawing area: choose the next or the previous particle to push, counted from 1; "
            "the chosen disc is ringed")},
        {tr("Arrows, Shift+Arrows"),
         tr("in the drawing area: set the push, 1 or 10 pixels a press, shown as a dashed arrow")},
        {tr("Enter, Escape"),
         tr("in the drawing area: push, the same press and release a mouse makes; or cancel. A press "
            "finds a particle where it would lie unturned: once the body has turned, a dotted ring "
            "marks that place, where the push starts")},
        {tr("density box"), tr("mass per unit area; every change stops the run and rebuilds the body; a refused text "
                               "is marked and the body keeps its density")},
    });
}

QString MainWindow::ExampleBodiesFolder()
{
    const QString installed = QApplication::applicationDirPath() + QStringLiteral("/../share/rigid-body/bodies");
    if (QFileInfo(installed).isDir()) return QDir(installed).canonicalPath();
    return QStringLiteral(RBD_SOURCE_DIR "/examples/bodies");
}

QString MainWindow::Notice() const { return status_->NoticeText(); }

QString MainWindow::SavedLanguage()
{
    QString code = QSettings(kSettingsName, kSettingsName).value(QStringLiteral("language")).toString();
    for (const LanguageEntry& entry : kLanguages)
        if (code == QLatin1String(entry.code)) return code;
    return {};
}

void MainWindow::ChooseLanguage(const QString& code)
{
    language_ = code;
    ShowLanguageChecked();
    QString name;
    for (const LanguageEntry& entry : kLanguages)
        if (code == QLatin1String(entry.code)) name = QString::fromUtf8(entry.name);
    status_->Notice(name.isEmpty() ? tr("From the next start the window follows the system's language.")
                                   : tr("From the next start the window is in %1.").arg(name));
}

void MainWindow::ShowLanguageChecked()
{
    for (QAction* choice : languages_->actions()) choice->setChecked(choice->data().toString() == language_);
}

void MainWindow::RestoreSettings()
{
    const QSettings settings(kSettingsName, kSettingsName);
    if (restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray())) KeepOnScreen();
    restoreState(settings.value(QStringLiteral("windowState")).toByteArray(), kLayoutVersion);
    // Snapped to the menu's paces, so that one of them is checked and the
    // keys step from it.
    bool valid = false;
    const double speed = settings.value(QStringLiteral("speed"), 1.0).toDouble(&valid);
    if (valid) form_->Do({.kind = CommandKind::Speed, .speed = NearestSpeedChoice(speed)});
    for (const QString& name : settings.value(QStringLiteral("overlays")).toStringList())
        if (const auto overlay = OverlayNamed(name.toStdString()))
            form_->Do({.kind = CommandKind::View, .overlay = *overlay, .on = true});
    ShowOverlaysChecked();
    recentFiles_ = settings.value(QStringLiteral("recentFiles")).toStringList().mid(0, kMostRecentFiles);
    language_ = SavedLanguage();
    ShowLanguageChecked();
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
        status_->Notice(
            tr("The settings cannot be saved in %1: %2")
                .arg(QString::fromStdString(ShownPath(file.toStdString())), QString::fromStdString(failure.what())));
    }
}

void MainWindow::ResetLayoutAndSettings()
{
    if (isMaximized() || isFullScreen()) showNormal();
    for (QDockWidget* dock : {inspectorDock_, plotsDock_}) {
        dock->hide();
        dock->setFloating(false);
    }
    form_->Do({.kind = CommandKind::Speed, .speed = 1.0});
    for (const OverlayEntry& entry : kOverlayTable) {
        form_->Do({.kind = CommandKind::View, .overlay = entry.overlay, .on = false});
        overlayActions_[static_cast<std::size_t>(entry.overlay)]->setChecked(false);
    }
    // The window follows the area back to its first size.
    form_->Do({.kind = CommandKind::Size, .x = Session::kStartWidth, .y = Session::kStartHeight});
    status_->Notice(
        tr("The panels, the speed, the overlays and the drawing area are back to how they "
           "first were."));
}

void MainWindow::ShowOverlaysChecked()
{
    for (const OverlayEntry& entry : kOverlayTable)
        overlayActions_[static_cast<std::size_t>(entry.overlay)]->setChecked(
            IsShown(form_->CurrentSession().ShownOverlays(), entry.overlay));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The person's own settings are kept, not the lesson's.
    QByteArray geometry = lessons_->OwnGeometry();
    if (geometry.isEmpty()) geometry = saveGeometry();
    lessons_->Close();
    event->accept();
    if (!settingsSavable_) return;
    QSettings settings(kSettingsName, kSettingsName);
    settings.setValue(QStringLiteral("geometry"), geometry);
    settings.setValue(QStringLiteral("windowState"), saveState(kLayoutVersion));
    settings.setValue(QStringLiteral("speed"), form_->CurrentSession().Speed());
    settings.setValue(QStringLiteral("recentFiles"), recentFiles_);
    settings.setValue(QStringLiteral("language"), language_);
    QStringList overlays;
    for (const OverlayEntry& entry : kOverlayTable)
        if (IsShown(form_->CurrentSession().ShownOverlays(), entry.overlay))
            overlays << QString::fromUtf8(entry.word.data(), std::ssize(entry.word));
    settings.setValue(QStringLiteral("overlays"), overlays);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Laid out and shown: from now on the panels take their room from the window.
    keeper_->Start();
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
        recentMenu_->addAction(MenuText(RecentFileTitle(path)), this, [this, path] { actions_->Open(path); })
            ->setToolTip(path);
    recentMenu_->setEnabled(!recentFiles_.isEmpty() && actions_->open->isEnabled());
}

void MainWindow::ShowStatus() { status_->Show(form_->CurrentSession(), form_->StepRefused()); }

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
