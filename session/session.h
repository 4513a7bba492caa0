#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "session/canvas.h"
#include "session/command.h"
#include "session/history.h"
#include "session/overlays.h"
#include "session/scene.h"
#include "session/setup_ahead.h"
#include "session/simulation_context.h"

// Told of what a session does, in the order it does it. Every member has a
// default that ignores the news, so a listener overrides only what it needs.
class SessionListener {
public:
    virtual ~SessionListener() = default;

    // A command is being applied, before its rules act.
    virtual void Applying(const Command&) {}
    // After every time step, before its frame is drawn.
    virtual void Stepped() {}
    // After every frame drawn on the canvas, from the first setup's on.
    virtual void Redrawn() {}
    // The run state flipped, or the speed changed: the timer must follow.
    virtual void TimingChanged() {}
    // A setup succeeded: the body is at rest with the density in use.
    virtual void SetupDone() {}
};

// What a person does with the body. Every change comes in as a Command
// through Apply, which applies the rules of the window in their order. A
// setup is all or nothing: a refused one throws and leaves the body, the run
// and the data file as they were. The run state is a single flag: running
// means the timer ticks.
class Session {
public:
    // The step length of every tick and every single step, in time units.
    static constexpr double kStepLength = 0.2;
    // The drawing area's size when a session starts, in pixels.
    static constexpr int kStartWidth = 879;
    static constexpr int kStartHeight = 552;
    // The timer period at speed 1, in milliseconds.
    static constexpr int kTimerPeriod = 50;
    // The density box's text when a session starts.
    static constexpr std::string_view kFirstDensityText = "1";

    // While it lives, a listener hears the session's news. It may be ended at
    // any time, also while the session is telling it something.
    class Listening {
    public:
        Listening() = default;
        Listening(Listening&& other) noexcept;
        Listening& operator=(Listening&& other) noexcept;
        ~Listening() { Stop(); }
        void Stop();

    private:
        friend class Session;
        Listening(Session& session, SessionListener& listener) : session_(&session), listener_(&listener) {}

        Session* session_ = nullptr;
        SessionListener* listener_ = nullptr;
    };

    // Draws on `canvas`, whose size is the drawing area's. Nothing happens
    // until FirstSetup, which takes the body `ahead` built if it was begun for
    // the density "1" and `dataFile`.
    Session(Canvas& canvas, std::filesystem::path dataFile, SetupAhead ahead = {});
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // `listener` hears every piece of news from now on, after those that
    // listened before it, until the returned Listening ends.
    [[nodiscard]] Listening Listen(SessionListener& listener);

    // The window's creation: drag idle, the body set up from the density "1"
    // and the data file, a frame. A refused first setup leaves the empty body,
    // draws it, and throws the refusal.
    void FirstSetup();

    // The one way to change a session. Listeners hear the command, then its
    // rules act. A command that would change nothing (the density text it
    // already has, the size, speed or overlay already in place, a tick while
    // halted) is not applied and not heard. Throws the refusal of a setup
    // (SetupError), with everything left as it was, or a CommandRefused: a
    // step whose result would not be finite is not taken and the run halts; a
    // seek to a step that is not kept changes nothing; an open of a path with
    // a NUL byte is refused before it is heard. `state` and `frame` are
    // not events: whoever replays a script answers them.
    void Apply(const Command& command);

    const SimulationContext& Simulation() const { return simulation_; }
    bool Running() const { return running_; }
    const std::filesystem::path& DataFile() const { return dataFile_; }
    const std::string& DensityText() const { return densityText_; }
    double Speed() const { return speed_; }
    const Overlays& ShownOverlays() const { return overlays_; }
    const Trail& CentreOfMassTrail() const { return trail_; }
    // The run's motion since the last setup, step by step.
    const History& KeptHistory() const { return history_; }
    // 50 ms / speed, rounded to whole milliseconds.
    int TimerPeriod() const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The whole state as one line of JSON.
    std::string StateJson() const;

private:
    bool ChangesNothing(const Command& command) const;
    void StartStop();
    void Ticks(long long count);
    void EditDensity(const std::string& text);
    void Release(int x, int y);
    void Open(const std::filesystem::path& dataFile);
    void Resize(int width, int height);
    void Pause();
    void SetSpeed(double speed);
    void SetOverlay(Overlay overlay, bool shown);
    void Coast();
    void Seek(long long step);

    // Throws the refusal, having changed nothing.
    void SetupBodyFrom(const std::filesystem::path& dataFile);
    void SetRunning(bool running);
    void StopAndRebuild();
    // Throws the refusal of a step whose result would not be finite, having
    // kept the body as it was and halted the run.
    void StepAndRedraw();
    void Redraw();
    // Over whatever the scene or the push drew last, when any is shown.
    void DrawShownOverlays();

    // Tells every listener, each once, in the order they came; one that
    // leaves meanwhile hears no more.
    template <typename News>
    void Tell(News news);
    void Forget(SessionListener* listener);

    Canvas& canvas_;
    std::filesystem::path dataFile_;
    std::string densityText_{kFirstDensityText};
    SimulationContext simulation_;
    bool running_ = false;
    double speed_ = 1.0;
    Overlays overlays_;
    Trail trail_;
    History history_;
    TextCells textCells_;
    SetupAhead ahead_;
    int width_;
    int height_;
    // A listener that leaves while news is told is set to null, and removed
    // once the telling is over.
    std::vector<SessionListener*> listeners_;
    int telling_ = 0;
};
