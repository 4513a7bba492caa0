#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>

#include "session/session.h"
#include "ui/desktop_actions.h"
#include "ui/file_chooser.h"

class AreaKeeper;
class InspectorPanel;
class PlotsPanel;
class QDialog;
class QDockWidget;
class QMenu;
class StatusLine;
class TForm1;
struct LiveSession;

// The program's window: the form (drawing area and controls) in the middle,
// the panels docked beside it, a menu bar that shows every command with its
// key, and a status bar with the run state, the simulated time, the speed,
// the last notice and the data file. Panels never change the drawing area:
// the window grows and shrinks around them (AreaKeeper).
class MainWindow : public QMainWindow, private SessionListener {
    Q_OBJECT

public:
    // Shows `live`, which outlives the window.
    MainWindow(LiveSession& live, FileChooser choose, QWidget* parent = nullptr);
    ~MainWindow() override;

    TForm1& Form() { return *form_; }
    DesktopActions& Actions() { return *actions_; }
    QDockWidget* InspectorDock() const { return inspectorDock_; }
    QDockWidget* PlotsDock() const { return plotsDock_; }
    InspectorPanel& Inspector() const { return *inspector_; }
    PlotsPanel& Plots() const { return *plots_; }
    // The View menu's overlay entries, one per overlay, in kOverlayTable's order.
    const std::vector<QAction*>& OverlayActions() const { return overlayActions_; }
    QAction* ResetAction() const { return reset_; }
    // The last notice of the status bar.
    QString Notice() const;
    // Writes the data of every step since the last setup as CSV to `path`;
    // one that cannot be written is reported and left as it was.
    void ExportData(const QString& path);

    // Geometry, panels, speed, overlays and recent files as the last run left
    // them. Called once the session is being recorded, so that a recording
    // holds their effects.
    void RestoreSettings();
    // The panels hidden and docked, speed 1, no overlay, the drawing area at
    // its first size; the recent files stay.
    void ResetLayoutAndSettings();
    // The help page's text (HTML), its keys the actions' own.
    QString KeysHelp() const;
    // Where the example bodies are: installed beside the program, or in the
    // source tree of a build that was not installed.
    static QString ExampleBodiesFolder();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void BuildPanels();
    // Shown, a docked panel makes the window wider; where the screen has no
    // room for that, the panel floats beside the window instead.
    void PlacePanel(QDockWidget* dock);
    void AddRecentFile(const QString& path);
    void FillRecentMenu();
    void ShowStatus();
    void Stepped() override;
    void Redrawn() override { ShowStatus(); }
    void TimingChanged() override { ShowStatus(); }
    void SetupDone() override;

    TForm1* form_;
    std::unique_ptr<DesktopActions> actions_;
    FileChooser choose_;
    InspectorPanel* inspector_;
    PlotsPanel* plots_;
    QDockWidget* inspectorDock_;
    QDockWidget* plotsDock_;
    AreaKeeper* keeper_;
    std::unique_ptr<StatusLine> status_;
    std::vector<QAction*> overlayActions_;
    QAction* reset_ = nullptr;
    QDialog* help_ = nullptr;
    // The CSV rows of every step since the last setup, for File, Export data.
    std::vector<std::string> rowsSinceSetup_;
    QMenu* recentMenu_ = nullptr;
    QStringList recentFiles_;
    Session::Listening listening_;
};
