#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "session/canvas.h"
#include "session/overlays.h"
#include "session/scene.h"
#include "session/script.h"
#include "session/simulation_context.h"

// Why a setup was refused: its density text, or the data file (missing,
// unreadable, malformed, or a body out of range).
enum class SetupFault { Density, DataFile };

// Told of what a session does, in the order it does it. Every member has a
// default that ignores the news, so a listener overrides only what it needs.
class SessionListener {
public:
    virtual ~SessionListener() = default;

    // As an event reaches the session, before its rules act: the script line
    // that replays it.
    virtual void EventReached(const ScriptCommand&) {}
    // After every time step, before its frame is drawn.
    virtual void Stepped() {}
    // After every frame drawn on the canvas, from the first setup's on.
    virtual void Redrawn() {}
    // The run state flipped, or the speed changed: the timer must follow.
    virtual void TimingChanged() {}
    // A setup was refused and nothing changed; the message says why.
    virtual void SetupRefused(const std::string&, SetupFault) {}
    // A setup succeeded: the body is at rest with the density in use.
    virtual void SetupDone() {}
};

// What a person does with the body: one operation per event, each applying the
// rules of the window in their order. A setup is all or nothing: a refused one
// is reported and leaves the body, the run and the data file as they were.
// The run state is a single flag: running means the timer ticks.
class Session {
public:
    // The step length of every tick and every single step, in time units.
    static constexpr double kStepLength = 0.2;
    // The drawing area's size when a session starts, in pixels.
    static constexpr int kStartWidth = 879;
    static constexpr int kStartHeight = 552;
    // The timer period at speed 1, in milliseconds.
    static constexpr int kTimerPeriod = 50;
    static constexpr double kSlowest = 0.125;
    static constexpr double kFastest = 4.0;

    // Draws on `canvas`, whose size is the drawing area's. Nothing happens
    // until FirstSetup.
    Session(Canvas& canvas, std::filesystem::path dataFile);

    void Listen(SessionListener& listener) { listeners_.push_back(&listener); }
    void StopListening(SessionListener& listener);

    // The window's creation: drag idle, the body set up from the density "1"
    // and the data file (a refused first setup leaves the empty body), a frame.
    void FirstSetup();
    // "Start/Stop": halting returns the body to rest; a refused setup keeps it
    // running. Starting never resets the body.
    void StartStop();
    // One timer period: a step and a frame while running, nothing while halted.
    void Tick();
    // The density box's text became `text`: the run stops and the body is
    // rebuilt with it. The same text again is no change and does nothing.
    void EditDensity(const std::string& text);
    void Press(int x, int y);
    // Applies a grab with its arrow, drawn over the picture without clearing.
    void Release(int x, int y);
    // One step and a frame, as a tick makes; only while halted.
    void Step();
    // A setup from the data file as it now is on disk, as a density edit makes.
    void Reload();
    // A setup from `dataFile`, which then serves every later setup.
    void Open(const std::filesystem::path& dataFile);
    // The drawing area became `width` × `height` pixels: the canvas follows it
    // and the frame is drawn anew, with clearing, where the body now is.
    void Resize(int width, int height);
    // Freezes a run as it is, with no setup, or goes on from where it was:
    // halted, it starts the timer as "Start/Stop" does.
    void Pause();
    // The timer's pace relative to 20 ticks a second, from kSlowest to
    // kFastest; each tick still steps 0.2, so a replay is the same at any speed.
    void SetSpeed(double speed);
    // Shows or hides an overlay, redrawing with clearing when that changes.
    void SetOverlay(Overlay overlay, bool shown);

    const SimulationContext& Simulation() const { return simulation_; }
    bool Running() const { return running_; }
    const std::filesystem::path& DataFile() const { return dataFile_; }
    const std::string& DensityText() const { return densityText_; }
    double Speed() const { return speed_; }
    const Overlays& ShownOverlays() const { return overlays_; }
    const Trail& CentreOfMassTrail() const { return trail_; }
    // 50 ms / speed, rounded to whole milliseconds.
    int TimerPeriod() const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The whole state as one line of JSON.
    std::string StateJson() const;

private:
    void Reached(const ScriptCommand& command);
    bool TrySetupBody(const std::filesystem::path& dataFile);
    void SetRunning(bool running);
    void StopAndRebuild();
    void StepAndRedraw();
    void Redraw(double clear);
    // Over whatever the scene or the push drew last, when any is shown.
    void DrawShownOverlays();

    Canvas& canvas_;
    std::filesystem::path dataFile_;
    std::string densityText_ = "1";
    SimulationContext simulation_;
    bool running_ = false;
    double speed_ = 1.0;
    Overlays overlays_;
    Trail trail_;
    TextCells textCells_;
    int width_;
    int height_;
    std::vector<SessionListener*> listeners_;
};
