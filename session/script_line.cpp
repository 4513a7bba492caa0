#include "session/script_line.h"

#include "session/json_number.h"
#include "sim/setup_error.h"

namespace {

// Line breaks end the line, and a carriage return before one is taken for part
// of the break.
void CheckFitsOneLine(std::string_view what, std::string_view text)
{
    if (text.find('\n') != std::string_view::npos || (!text.empty() && text.back() == '\r'))
        throw UnwritableCommand(std::string(what) + " " + QuoteToken(text) + " holds a line break");
}

// The parser trims a path, so one that starts or ends with a blank, or is
// empty, would come back as another path.
void CheckIsPath(std::string_view what, std::string_view path)
{
    CheckFitsOneLine(what, path);
    constexpr std::string_view blanks = " \t";
    if (path.empty() || blanks.find(path.front()) != std::string_view::npos ||
        blanks.find(path.back()) != std::string_view::npos)
        throw UnwritableCommand(std::string(what) + " " + QuoteToken(path) +
                                " is empty or starts or ends with a blank");
}

std::string Pixel(const char* word, int x, int y)
{
    return std::string(word) + " " + std::to_string(x) + " " + std::to_string(y);
}

}  // namespace

std::string ScriptLine(const ScriptCommand& command)
{
    using Kind = ScriptCommand::Kind;
    switch (command.kind) {
    case Kind::Size:
        if (command.x < 1 || command.x > kLargestScriptSide || command.y < 1 || command.y > kLargestScriptSide)
            throw UnwritableCommand("the drawing area's size " + std::to_string(command.x) + " x " +
                                    std::to_string(command.y) + " is outside 1 to 16384 pixels a side");
        return Pixel("size", command.x, command.y);
    case Kind::Density:
        CheckFitsOneLine("the density text", command.text);
        return "density " + command.text;
    case Kind::StartStop:
        return "startstop";
    case Kind::Tick:
        if (command.count < 0 || command.count > kMostTicksAtOnce)
            throw UnwritableCommand("a tick count of " + std::to_string(command.count) + " is outside 0 to 1000000000");
        return command.count == 1 ? "tick" : "tick " + std::to_string(command.count);
    case Kind::Press:
        return Pixel("press", command.x, command.y);
    case Kind::Release:
        return Pixel("release", command.x, command.y);
    case Kind::Step:
        return "step";
    case Kind::Reload:
        return "reload";
    case Kind::Open:
        CheckIsPath("the data file's path", command.text);
        return "open " + command.text;
    case Kind::State:
        return "state";
    case Kind::Frame:
        CheckIsPath("the picture's path", command.text);
        return "frame " + command.text;
    case Kind::Pause:
        return "pause";
    case Kind::Speed: {
        if (!(command.speed >= kSlowestSpeed && command.speed <= kFastestSpeed))
            throw UnwritableCommand("a speed of " + std::to_string(command.speed) + " is outside 0.125 to 4");
        // The shortest digits that read back to the same double.
        std::string line = "speed ";
        AppendJsonNumber(line, command.speed);
        return line;
    }
    case Kind::View:
        return "view " + std::string(OverlayName(command.overlay)) + (command.on ? " on" : " off");
    }
    throw UnwritableCommand("a command of unknown kind");
}
