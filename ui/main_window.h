#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>

#include "session/session.h"
#include "ui/desktop_actions.h"
#include "ui/file_chooser.h"

class InspectorPanel;
class PlotsPanel;
class QDockWidget;
class QLabel;
class QMenu;
class TForm1;
class TimelineBar;
struct LiveSession;

// The program's window: the form (drawing area and controls) in the middle,
// a menu bar that shows every command with its key, and a status bar with the
// run state, the simulated time, the speed and the data file.
class MainWindow : public QMainWindow, private SessionListener {
    Q_OBJECT

public:
    // Shows `live`, which outlives the window.
    MainWindow(LiveSession& live, FileChooser choose, QWidget* parent = nullptr);

    TForm1& Form() { return *form_; }
    DesktopActions& Actions() { return *actions_; }
    QDockWidget* InspectorDock() const { return inspectorDock_; }
    QDockWidget* PlotsDock() const { return plotsDock_; }
    InspectorPanel& Inspector() const { return *inspector_; }
    PlotsPanel& Plots() const { return *plots_; }
    TimelineBar& Timeline() const { return *timeline_; }
    // The View menu's overlay entries, one per overlay, in kOverlayTable's order.
    const std::vector<QAction*>& OverlayActions() const { return overlayActions_; }
    // Writes the kept run as CSV to `path`: a row for each kept step from the
    // oldest (step 0, right after the setup, while it is kept) to the present.
    // A file that cannot be written, or is a file the run reads or writes, is
    // reported and left as it was.
    void ExportData(const QString& path);

    // Geometry, speed and recent files as the last run left them, the window
    // kept on the screen and the speed on the menu's. Called once the session
    // is being recorded, so that a recording holds their effects. Settings
    // that could not be saved are said once in the status bar.
    void RestoreSettings();
    // The key and mouse help page's text (HTML), made from the actions' keys.
    QString KeysHelp() const;
    // Where the example bodies are: installed beside the program, or in the
    // source tree of a build that was not installed.
    static QString ExampleBodiesFolder();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void KeepOnScreen();
    void CheckSettingsCanBeSaved(const QString& file);
    void BuildMenus();
    void BuildPanels();
    void AddRecentFile(const QString& path);
    void FillRecentMenu();
    void ShowStatus();
    void Redrawn() override { ShowStatus(); }
    void TimingChanged() override { ShowStatus(); }

    const LiveSession& live_;
    TForm1* form_;
    std::unique_ptr<DesktopActions> actions_;
    FileChooser choose_;
    InspectorPanel* inspector_;
    PlotsPanel* plots_;
    QDockWidget* inspectorDock_;
    QDockWidget* plotsDock_;
    TimelineBar* timeline_;
    std::vector<QAction*> overlayActions_;
    QMenu* recentMenu_ = nullptr;
    QStringList recentFiles_;
    bool settingsSavable_ = true;
    QLabel* runState_;
    QLabel* time_;
    QLabel* speed_;
    QLabel* dataFile_;
    Session::Listening listening_;
};
