#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include <QWidget>

#include "session/script.h"
#include "session/simulation_context.h"

class ImageView;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// Shows a refused setup's message to the person; tests put their own in.
using ErrorReporter = std::function<void(const std::string& message)>;

// The main window: the drawing area, "Start/Stop", the density box and the
// timer that drives the simulation. The timer's running flag is the run state.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    // Lays out the window, then runs FormCreate: the first setup and frame.
    TForm1(std::filesystem::path dataFile, ErrorReporter reportError, QWidget* parent = nullptr);

    ImageView* Image1;
    QPushButton* Button3;
    QTimer* Timer1;
    QLineEdit* Edit1;
    QLabel* Label1;

    void Button3Click();
    void Timer1Timer();
    void FormCreate();
    void Image1MouseDown(int x, int y);
    void Image1MouseUp(int x, int y);
    void Edit1Change();

    // One step and clearing redraw, as a tick makes; only while halted.
    void StepWhileHalted();
    // A setup from the data file as it now is on disk, as a density edit makes.
    void Reload();
    // A setup from `dataFile`, which then serves every later setup. A file that
    // is refused is reported and changes nothing: not the data file, not the
    // body, not the run.
    void OpenDataFile(const std::filesystem::path& dataFile);
    // Writes the picture as it is to a PNG file; one that cannot be written is
    // reported and left as it was.
    void SavePicture(const QString& path);

    const SimulationContext& Simulation() const { return simulation_; }
    const std::filesystem::path& DataFile() const { return dataFile_; }
    bool Running() const;

    // The drawing area's size when the window opens.
    static constexpr int kClientWidth = 879;
    static constexpr int kClientHeight = 552;

    // Shows a message in a modal box once the event loop is free to show it.
    static void ShowMessageBox(QWidget* parent, const std::string& message);

signals:
    // After every frame drawn into the picture, from the first setup's on.
    void Redrawn();
    // As every event reaches its handler, before the handler acts: the script
    // command that replays it.
    void EventReached(const ScriptCommand& command);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // A setup from the density box and `dataFile`; false, with the message
    // reported, when it was refused and nothing changed.
    bool TrySetupBody(const std::filesystem::path& dataFile);
    // The timer stopped, then a setup and, unless it was refused, a redraw.
    void StopAndRebuild();
    // What a tick and a single step share: one step of 0.2, a clearing redraw.
    void StepAndRedraw();
    void Redraw(double clear);

    SimulationContext simulation_;
    std::filesystem::path dataFile_;
    ErrorReporter reportError_;
};

// The one main window, set by the program entry.
extern TForm1* Form1;
