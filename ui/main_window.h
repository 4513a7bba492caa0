#pragma once

#include <filesystem>
#include <memory>

#include <QMainWindow>

#include "session/session.h"
#include "ui/desktop_actions.h"
#include "ui/file_chooser.h"

class QLabel;
class QMenu;
class TForm1;

// The program's window: the form (drawing area and controls) in the middle,
// a menu bar that shows every command with its key, and a status bar with the
// run state, the simulated time, the speed and the data file.
class MainWindow : public QMainWindow, private SessionListener {
    Q_OBJECT

public:
    MainWindow(std::filesystem::path dataFile, FileChooser choose, QWidget* parent = nullptr);
    ~MainWindow() override;

    TForm1& Form() { return *form_; }
    DesktopActions& Actions() { return *actions_; }

    // Geometry, speed and recent files as the last run left them. Called once
    // the session is being recorded, so that a recording holds their effects.
    void RestoreSettings();
    // The key and mouse help page's text (HTML), made from the actions' keys.
    QString KeysHelp() const;
    // Where the example bodies are: installed beside the program, or in the
    // source tree of a build that was not installed.
    static QString ExampleBodiesFolder();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void AddRecentFile(const QString& path);
    void FillRecentMenu();
    void ShowStatus();
    void Redrawn() override { ShowStatus(); }
    void TimingChanged() override { ShowStatus(); }
    void SetupDone() override { ShowStatus(); }

    TForm1* form_;
    std::unique_ptr<DesktopActions> actions_;
    QMenu* recentMenu_ = nullptr;
    QStringList recentFiles_;
    QLabel* runState_;
    QLabel* time_;
    QLabel* speed_;
    QLabel* dataFile_;
};
