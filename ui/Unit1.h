#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include <QWidget>

#include "session/session.h"

class ImageView;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// Shows a refused setup's message to the person; tests put their own in.
using ErrorReporter = std::function<void(const std::string& message)>;

// The main window: the drawing area, "Start/Stop", the density box and the
// timer that drives the simulation. Its handlers hand each event to the session,
// whose rules act on it; the timer follows the session's run state.
class TForm1 : public QWidget, private SessionListener {
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

    Session& CurrentSession() { return session_; }
    const SimulationContext& Simulation() const { return session_.Simulation(); }
    const std::filesystem::path& DataFile() const { return session_.DataFile(); }
    bool Running() const { return session_.Running(); }

    // The drawing area's size when the window opens.
    static constexpr int kClientWidth = Session::kStartWidth;
    static constexpr int kClientHeight = Session::kStartHeight;
    // The smallest area that still shows the controls and the three text lines.
    static constexpr int kSmallestWidth = 300;
    static constexpr int kSmallestHeight = 120;

    // Why the density box's text is refused, beside the box; empty while the
    // text is accepted.
    QString DensityProblem() const;

    // The drawing area's classic size, for a main window to open around.
    QSize sizeHint() const override { return {kClientWidth, kClientHeight}; }

    // Shows a message in a modal box once the event loop is free to show it.
    static void ShowMessageBox(QWidget* parent, const std::string& message);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Redrawn() override;
    void TimingChanged() override;
    void SetupRefused(const std::string& message, SetupFault fault) override;
    void SetupDone() override;
    // The controls keep their place by the drawing area's bottom-left corner.
    void PlaceControls();

    Session session_;
    ErrorReporter reportError_;
    QLabel* densityNote_;
};

// The one main window, set by the program entry.
extern TForm1* Form1;
