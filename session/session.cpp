#include "session/session.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "session/command_table.h"
#include "session/refusal.h"
#include "session/scene.h"
#include "session/speed.h"
#include "session/state_json.h"
#include "sim/body_setup.h"
#include "sim/setup_error.h"
#include "sim/time_step.h"

Session::Listening::Listening(Listening&& other) noexcept
    : session_(std::exchange(other.session_, nullptr)), listener_(std::exchange(other.listener_, nullptr))
{
}

Session::Listening& Session::Listening::operator=(Listening&& other) noexcept
{
    if (this != &other) {
        Stop();
        session_ = std::exchange(other.session_, nullptr);
        listener_ = std::exchange(other.listener_, nullptr);
    }
    return *this;
}

void Session::Listening::Stop()
{
    if (session_) session_->Forget(listener_);
    session_ = nullptr;
    listener_ = nullptr;
}

Session::Session(Canvas& canvas, std::filesystem::path dataFile, SetupAhead ahead)
    : canvas_(canvas), dataFile_(std::move(dataFile)), ahead_(std::move(ahead)), width_(canvas.Width()),
      height_(canvas.Height())
{
}

Session::Listening Session::Listen(SessionListener& listener)
{
    listeners_.push_back(&listener);
    return Listening(*this, listener);
}

void Session::Forget(SessionListener* listener)
{
    const auto found = std::find(listeners_.begin(), listeners_.end(), listener);
    if (found == listeners_.end()) return;
    if (telling_ > 0)
        *found = nullptr;
    else
        listeners_.erase(found);
}

template <typename News>
void Session::Tell(News news)
{
    ++telling_;
    struct Done {
        Session& session;
        ~Done()
        {
            if (--session.telling_ == 0) std::erase(session.listeners_, nullptr);
        }
    } done{*this};
    // By index: a listener that joins meanwhile lengthens the list, which
    // would leave an iterator dangling.
    for (std::size_t i = 0; i < listeners_.size(); ++i)  // NOLINT(modernize-loop-convert)
        if (SessionListener* listener = listeners_[i]) news(*listener);
}

void Session::FirstSetup()
{
    simulation_.drag = DragState{};
    simulation_.body = RigidBody{};
    history_.Restart(MotionOf(simulation_.body));
    try {
        SetupBodyFrom(dataFile_);
    } catch (...) {
        Redraw();
        throw;
    }
    Redraw();
}

void Session::Apply(const Command& command)
{
    if (!EntryOf(command.kind).event)
        throw std::invalid_argument("'" + std::string(EntryOf(command.kind).word) + "' asks, it changes nothing");
    if (ChangesNothing(command)) return;
    // The system would take the path only up to the NUL, and so another file;
    // and no script line could hold it: refused before anyone hears of it.
    if (command.kind == CommandKind::Open && command.text.find('\0') != std::string::npos)
        throw SetupError("cannot open data file \"" + ShownPath(command.text) + "\": a path cannot hold a NUL byte");
    Tell([&](SessionListener& listener) { listener.Applying(command); });
    switch (command.kind) {
    case CommandKind::Size:
        Resize(command.x, command.y);
        break;
    case CommandKind::Density:
        EditDensity(command.text);
        break;
    case CommandKind::StartStop:
        StartStop();
        break;
    case CommandKind::Tick:
        Ticks(command.count);
        break;
    case CommandKind::Press:
        PressAt(simulation_.drag, simulation_.body, simulation_.settings, height_, command.x, command.y);
        break;
    case CommandKind::Release:
        Release(command.x, command.y);
        break;
    case CommandKind::Step:
        if (!running_) StepAndRedraw();
        break;
    case CommandKind::Reload:
        StopAndRebuild();
        break;
    case CommandKind::Open:
        Open(command.text);
        break;
    case CommandKind::Pause:
        Pause();
        break;
    case CommandKind::Speed:
        SetSpeed(command.speed);
        break;
    case CommandKind::View:
        SetOverlay(command.overlay, command.on);
        break;
    case CommandKind::Coast:
        Coast();
        break;
    case CommandKind::Seek:
        Seek(command.count);
        break;
    case CommandKind::State:
    case CommandKind::Frame:
        break;
    }
}

bool Session::ChangesNothing(const Command& command) const
{
    switch (command.kind) {
    case CommandKind::Size:
        return command.x == width_ && command.y == height_;
    case CommandKind::Density:
        return command.text == densityText_;
    // A halted timer delivers no ticks.
    case CommandKind::Tick:
        return !running_;
    case CommandKind::Speed:
        return !IsSpeed(command.speed) || command.speed == speed_;
    case CommandKind::View:
        return IsShown(overlays_, command.overlay) == command.on;
    default:
        return false;
    }
}

// Halting returns the body to rest, and a refused setup keeps it running.
// Starting never resets the body.
void Session::StartStop()
{
    if (running_) SetupBodyFrom(dataFile_);
    SetRunning(!running_);
    Redraw();
}

void Session::Ticks(long long count)
{
    for (long long i = 0; i < count && running_; ++i) StepAndRedraw();
}

// The run stops and the body is rebuilt with the text, refused or not: the
// text is the box's, whatever it holds.
void Session::EditDensity(const std::string& text)
{
    densityText_ = text;
    StopAndRebuild();
}

// A grab ends with its arrow, drawn over the picture without clearing. A push
// changes the run from here on: what was kept after the present is gone.
void Session::Release(int x, int y)
{
    const bool grabbed = simulation_.drag.particleIndex != -1;
    if (HoldsParticle(simulation_.drag, simulation_.body, simulation_.settings)) history_.DropAfter(simulation_.steps);
    ReleaseAt(simulation_.drag, simulation_.body, simulation_.settings, canvas_, textCells_, x, y);
    if (!grabbed) return;
    DrawShownOverlays();
    Tell([](SessionListener& listener) { listener.Redrawn(); });
}

// The file serves every later setup once a setup from it succeeds.
void Session::Open(const std::filesystem::path& dataFile)
{
    SetupBodyFrom(dataFile);
    SetRunning(false);
    dataFile_ = dataFile;
    Redraw();
}

// The canvas follows the drawing area, and the body is drawn anew where the
// next step, drawing and hit test will see it.
void Session::Resize(int width, int height)
{
    width_ = width;
    height_ = height;
    canvas_.Resize(width, height);
    Redraw();
}

// Freezes a run as it is, with no setup, or goes on from where it was:
// halted, it starts the timer as "Start/Stop" does.
void Session::Pause()
{
    SetRunning(!running_);
    Redraw();
}

void Session::SetSpeed(double speed)
{
    speed_ = speed;
    Tell([](SessionListener& listener) { listener.TimingChanged(); });
}

void Session::SetOverlay(Overlay overlay, bool shown)
{
    SetShown(overlays_, overlay, shown);
    Redraw();
}

// The pushes stop acting; the body moves on as it is, now in free flight.
void Session::Coast()
{
    history_.DropAfter(simulation_.steps);
    simulation_.body.force = ZeroVector();
    simulation_.body.torque = ZeroVector();
    Redraw();
}

// Back (or forward) to a kept step: its motion, force and torque included,
// with the trail as it was then; halted, with no setup.
void Session::Seek(long long step)
{
    if (!history_.Keeps(step)) throw CommandRefused(WhyNotKept(step, history_.Oldest(), history_.Newest()));
    SetMotion(simulation_.body, history_.At(step));
    simulation_.steps = step;
    trail_.points.clear();
    for (long long k = std::max({history_.Oldest(), step - static_cast<long long>(kTrailLength) + 1, 1LL}); k <= step;
         ++k)
        trail_.points.push_back(history_.At(k).position);
    SetRunning(false);
    Redraw();
}

int Session::TimerPeriod() const { return static_cast<int>(std::lround(kTimerPeriod / speed_)); }

std::string Session::StateJson() const { return ::StateJson(simulation_, running_, height_); }

void Session::SetupBodyFrom(const std::filesystem::path& dataFile)
{
    std::optional<BuiltBody> built = ahead_.Take(densityText_, dataFile);
    if (!built) built = BuildBody(densityText_, dataFile);
    PutInPlace(std::move(*built), simulation_.body, simulation_.settings);
    simulation_.steps = 0;
    trail_.points.clear();
    history_.Restart(MotionOf(simulation_.body));
    Tell([](SessionListener& listener) { listener.SetupDone(); });
}

void Session::SetRunning(bool running)
{
    if (running == running_) return;
    running_ = running;
    Tell([](SessionListener& listener) { listener.TimingChanged(); });
}

void Session::StopAndRebuild()
{
    SetRunning(false);
    SetupBodyFrom(dataFile_);
    Redraw();
}

// A step changes the run from here on: what was kept after the present is
// gone. A step whose result leaves the range of numbers is not taken.
void Session::StepAndRedraw()
{
    history_.DropAfter(simulation_.steps);
    RigidBody& body = simulation_.body;
    const Motion before = MotionOf(body);
    StepBody(body, simulation_.settings, kStepLength, width_, height_);
    if (const char* field = FirstNonFinite(MotionOf(body))) {
        SetMotion(body, before);
        SetRunning(false);
        throw CommandRefused(WhyStepRefused(simulation_.steps + 1, before, field, kStepLength));
    }
    ++simulation_.steps;
    history_.Append(simulation_.steps, MotionOf(body));
    AppendToTrail(trail_, body.position);
    Tell([](SessionListener& listener) { listener.Stepped(); });
    Redraw();
}

void Session::Redraw()
{
    DrawScene(canvas_, simulation_.body, simulation_.settings, 1.0, textCells_);
    DrawShownOverlays();
    Tell([](SessionListener& listener) { listener.Redrawn(); });
}

void Session::DrawShownOverlays()
{
    if (overlays_ != Overlays{}) DrawOverlays(canvas_, simulation_, overlays_, trail_);
}
