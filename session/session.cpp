#include "session/session.h"

#include <algorithm>
#include <cmath>

#include "session/scene.h"
#include "session/state_json.h"
#include "sim/body_setup.h"
#include "sim/setup_error.h"
#include "sim/time_step.h"

namespace {

using Kind = ScriptCommand::Kind;

}  // namespace

Session::Session(Canvas& canvas, std::filesystem::path dataFile)
    : canvas_(canvas), dataFile_(std::move(dataFile)), width_(canvas.Width()), height_(canvas.Height())
{
}

void Session::StopListening(SessionListener& listener)
{
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), &listener), listeners_.end());
}

void Session::FirstSetup()
{
    simulation_.drag = DragState{};
    simulation_.body = RigidBody{};
    TrySetupBody(dataFile_);
    Redraw(1.0);
}

void Session::StartStop()
{
    Reached(ScriptCommand::Event(Kind::StartStop));
    if (running_ && !TrySetupBody(dataFile_)) return;
    SetRunning(!running_);
    Redraw(1.0);
}

void Session::Tick()
{
    // A halted timer delivers no ticks.
    if (!running_) return;
    Reached(ScriptCommand::Event(Kind::Tick));
    StepAndRedraw();
}

void Session::EditDensity(const std::string& text)
{
    if (text == densityText_) return;
    densityText_ = text;
    Reached(ScriptCommand::WithText(Kind::Density, text));
    StopAndRebuild();
}

void Session::Press(int x, int y)
{
    Reached(ScriptCommand::Event(Kind::Press, x, y));
    PressAt(simulation_.drag, simulation_.body, simulation_.settings, height_, x, y);
}

void Session::Release(int x, int y)
{
    Reached(ScriptCommand::Event(Kind::Release, x, y));
    const bool grabbed = simulation_.drag.particleIndex != -1;
    ReleaseAt(simulation_.drag, simulation_.body, simulation_.settings, canvas_, textCells_, x, y);
    if (!grabbed) return;
    DrawShownOverlays();
    for (SessionListener* listener : listeners_) listener->Redrawn();
}

void Session::Step()
{
    Reached(ScriptCommand::Event(Kind::Step));
    if (running_) return;
    StepAndRedraw();
}

void Session::Reload()
{
    Reached(ScriptCommand::Event(Kind::Reload));
    StopAndRebuild();
}

void Session::Open(const std::filesystem::path& dataFile)
{
    Reached(ScriptCommand::WithText(Kind::Open, dataFile.string()));
    if (!TrySetupBody(dataFile)) return;
    SetRunning(false);
    dataFile_ = dataFile;
    Redraw(1.0);
}

void Session::Resize(int width, int height)
{
    if (width == width_ && height == height_) return;
    Reached(ScriptCommand::Event(Kind::Size, width, height));
    width_ = width;
    height_ = height;
    canvas_.Resize(width, height);
    // The body is drawn where the next step, drawing and hit test will see it.
    Redraw(1.0);
}

void Session::Pause()
{
    Reached(ScriptCommand::Event(Kind::Pause));
    SetRunning(!running_);
    Redraw(1.0);
}

void Session::SetSpeed(double speed)
{
    if (!(speed >= kSlowest && speed <= kFastest) || speed == speed_) return;
    ScriptCommand command = ScriptCommand::Event(Kind::Speed);
    command.speed = speed;
    Reached(command);
    speed_ = speed;
    for (SessionListener* listener : listeners_) listener->TimingChanged();
}

void Session::SetOverlay(Overlay overlay, bool shown)
{
    if (IsShown(overlays_, overlay) == shown) return;
    ScriptCommand command = ScriptCommand::Event(Kind::View);
    command.overlay = overlay;
    command.on = shown;
    Reached(command);
    SetShown(overlays_, overlay, shown);
    Redraw(1.0);
}

int Session::TimerPeriod() const { return static_cast<int>(std::lround(kTimerPeriod / speed_)); }

std::string Session::StateJson() const { return ::StateJson(simulation_, running_, height_); }

void Session::Reached(const ScriptCommand& command)
{
    for (SessionListener* listener : listeners_) listener->EventReached(command);
}

bool Session::TrySetupBody(const std::filesystem::path& dataFile)
{
    try {
        SetupBody(simulation_.body, simulation_.settings, densityText_, dataFile);
        simulation_.steps = 0;
        trail_.points.clear();
        for (SessionListener* listener : listeners_) listener->SetupDone();
        return true;
    } catch (const DensityError& error) {
        for (SessionListener* listener : listeners_) listener->SetupRefused(error.what(), SetupFault::Density);
    } catch (const SetupError& error) {
        for (SessionListener* listener : listeners_) listener->SetupRefused(error.what(), SetupFault::DataFile);
    }
    return false;
}

void Session::SetRunning(bool running)
{
    if (running == running_) return;
    running_ = running;
    for (SessionListener* listener : listeners_) listener->TimingChanged();
}

void Session::StopAndRebuild()
{
    SetRunning(false);
    if (!TrySetupBody(dataFile_)) return;
    Redraw(1.0);
}

void Session::StepAndRedraw()
{
    StepBody(simulation_.body, simulation_.settings, kStepLength, width_, height_);
    ++simulation_.steps;
    AppendToTrail(trail_, simulation_.body.position);
    for (SessionListener* listener : listeners_) listener->Stepped();
    Redraw(1.0);
}

void Session::Redraw(double clear)
{
    DrawScene(canvas_, simulation_.body, simulation_.settings, clear, textCells_);
    DrawShownOverlays();
    for (SessionListener* listener : listeners_) listener->Redrawn();
}

void Session::DrawShownOverlays()
{
    if (overlays_ != Overlays{}) DrawOverlays(canvas_, simulation_, overlays_, trail_);
}
