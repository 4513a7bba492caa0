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
class LessonHost;
class PlotsPanel;
class QActionGroup;
class QDialog;
class QDockWidget;
class QMenu;
class StatusLine;
class TForm1;
class TimelineBar;
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
    TimelineBar& Timeline() const { return *timeline_; }
    // The View menu's overlay entries, one per overlay, in kOverlayTable's order.
    const std::vector<QAction*>& OverlayActions() const { return overlayActions_; }
    QAction* ResetAction() const { return reset_; }
    // The last notice of the status bar.
    QString Notice() const;
    LessonHost& Lessons() const { return *lessons_; }
    // The View menu's overlay entries checked as the session shows them.
    void ShowOverlaysChecked();
    // Writes the kept run as CSV to `path`: a row for each kept step from the
    // oldest (step 0, right after the setup, while it is kept) to the present.
    // A file that cannot be written, or is a file the run reads or writes, is
    // reported and left as it was.
    void ExportData(const QString& path);

    // Geometry, panels, speed, overlays and recent files as the last run left
    // them, the window kept on the screen and the speed on the menu's. Called
    // once the session is being recorded, so that a recording holds their
    // effects. Settings that could not be saved are said once in the status
    // bar.
    void RestoreSettings();
    // The panels hidden and docked, speed 1, no overlay, the drawing area at
    // its first size; the recent files stay.
    void ResetLayoutAndSettings();
    // The help page's text (HTML), its keys the actions' own.
    QString KeysHelp() const;
    // The language chosen under View ▸ Language, as the last run saved it: a
    // code of kLanguages, or empty for the system's.
    static QString SavedLanguage();
    // Chosen under View ▸ Language: kept in the settings, shown from the next
    // start.
    void ChooseLanguage(const QString& code);
    // Where the example bodies are: installed beside the program, or in the
    // source tree of a build that was not installed.
    static QString ExampleBodiesFolder();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void KeepOnScreen();
    void CheckSettingsCanBeSaved(const QString& file);
    void BuildMenus();
    void BuildPanels();
    // Shown, a docked panel makes the window wider; where the screen has no
    // room for that, the panel floats beside the window instead.
    void PlacePanel(QDockWidget* dock);
    void AddRecentFile(const QString& path);
    void FillRecentMenu();
    void ShowStatus();
    void ShowLanguageChecked();
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
    LessonHost* lessons_;
    TimelineBar* timeline_;
    AreaKeeper* keeper_;
    std::unique_ptr<StatusLine> status_;
    std::vector<QAction*> overlayActions_;
    QAction* reset_ = nullptr;
    QDialog* help_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QStringList recentFiles_;
    QActionGroup* languages_ = nullptr;
    QString language_;
    bool settingsSavable_ = true;
    Session::Listening listening_;
};
