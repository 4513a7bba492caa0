#pragma once

#include <functional>
#include <string>

#include <QTimer>
#include <QWidget>

#include "session/session.h"
#include "ui/error_reporter.h"

class AreaDescription;
class ImageView;
class PushKeys;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
struct LiveSession;

// The main window as its form designer named it: the drawing area Image1,
// "Start/Stop" (Button3), the density box Edit1 with its Label1, and the timer
// Timer1 that drives the simulation. Each handler turns its event into one
// command for the session, through Do; the timer follows the run state.
class TForm1 : public QWidget, private SessionListener {
    Q_OBJECT

public:
    // Lays out the window over `live`'s picture; FormCreate, the first setup
    // and frame, is left to the owner, to run once whatever else listens to
    // the session is in place. `live` outlives the window.
    TForm1(LiveSession& live, ErrorReporter reportError, QWidget* parent = nullptr);

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

    // The window's one way into the session, for its handlers, menus and keys:
    // applies `command` and shows what refused it, without stopping the
    // person. Returns whether it was applied.
    bool Do(const Command& command);
    // Shows a command that was refused (a step that could not be taken, a step
    // not kept, a stop or an opening the density text kept from happening),
    // without a box to acknowledge; by default a message box.
    ErrorReporter showNotice;
    // Writes the picture as it is to a PNG file; one that cannot be written,
    // or is a file the run reads or writes, is reported and left as it was.
    void SavePicture(const QString& path);

    Session& CurrentSession() { return session_; }
    const Session& CurrentSession() const { return session_; }
    // The drawing area as a screen reader meets it, and its keys for a push.
    AreaDescription& Description() const { return *description_; }
    PushKeys& Keys() const { return *keys_; }
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
    // The note beside the controls, shown without a box: why the density text
    // is refused, or why the run halted on a step it could not take.
    QString Note() const;
    // Whether the run halted because its next step could not be taken, until
    // the body is rebuilt or sought.
    bool StepRefused() const { return stepRefused_; }

    // The drawing area's size: the session's, which the form's follows unless
    // a window that lays out panels beside the form sets `formResized`. The
    // area then keeps its size whatever the form's, and the window says when
    // it follows (AreaFollowsForm).
    QSize AreaSize() const { return {session_.Width(), session_.Height()}; }
    std::function<void()> formResized;
    void AreaFollowsForm();

    // The drawing area's classic size, for a main window to open around.
    QSize sizeHint() const override { return {kClientWidth, kClientHeight}; }

    // Shows a message in a modal box once the event loop is free to show it.
    static void ShowMessageBox(QWidget* parent, const std::string& message);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Applying(const Command& command) override;
    void Redrawn() override;
    void TimingChanged() override;
    void SetupDone() override;
    // Typing goes on undisturbed: the refusal is marked where it was typed.
    void MarkRefusedDensity(const std::string& message);
    // A press that the density text kept from acting: said at once, beside
    // the box and where notices show.
    void SayDensityStoodInTheWay(const Command& command, const std::string& refusal);
    void ShowNote(const QString& text, bool density);
    void HideNote();
    // The controls keep their place by the drawing area's bottom-left corner.
    void PlaceControls();

    const LiveSession& live_;
    Session& session_;
    ErrorReporter reportError_;
    QLabel* note_;
    bool densityNote_ = false;
    bool stepRefused_ = false;
    // Flashes the note: a few turns of its background.
    QTimer flash_;
    int flashes_ = 0;
    AreaDescription* description_;
    PushKeys* keys_;
    Session::Listening listening_;
};
