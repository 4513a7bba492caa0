#include "session/script_line.h"

#include "session/command_table.h"
#include "session/json_number.h"
#include "session/speed.h"
#include "sim/setup_error.h"

namespace {

// Line breaks end the line, and a carriage return before one is taken for part
// of the break.
void CheckFitsOneLine(std::string_view what, std::string_view text)
{
    if (text.find('\n') != std::string_view::npos || (!text.empty() && text.back() == '\r'))
        throw UnwritableCommand(std::string(what) + " " + QuoteToken(text) + " holds a line break");
}

// The reader trims a path, so one that starts or ends with a blank, or is
// empty, would come back as another path; one with a NUL it refuses.
void CheckIsPath(std::string_view what, std::string_view path)
{
    CheckFitsOneLine(what, path);
    if (path.find('\0') != std::string_view::npos)
        throw UnwritableCommand(std::string(what) + " " + QuoteToken(path) + " holds a NUL byte");
    constexpr std::string_view blanks = " \t";
    if (path.empty() || blanks.find(path.front()) != std::string_view::npos ||
        blanks.find(path.back()) != std::string_view::npos)
        throw UnwritableCommand(std::string(what) + " " + QuoteToken(path) +
                                " is empty or starts or ends with a blank");
}

std::string Pair(int x, int y) { return " " + std::to_string(x) + " " + std::to_string(y); }

}  // namespace

std::string ScriptLine(const Command& command)
{
    const CommandEntry& entry = EntryOf(command.kind);
    std::string word(entry.word);
    switch (entry.arguments) {
    case Arguments::None:
        return word;
    case Arguments::Area:
        if (command.x < 1 || command.x > kLargestScriptSide || command.y < 1 || command.y > kLargestScriptSide)
            throw UnwritableCommand("the drawing area's size " + std::to_string(command.x) + " x " +
                                    std::to_string(command.y) + " is outside 1 to 16384 pixels a side");
        return word + Pair(command.x, command.y);
    case Arguments::Pixel:
        return word + Pair(command.x, command.y);
    case Arguments::Periods:
        if (command.count < 0 || command.count > kMostTicksAtOnce)
            throw UnwritableCommand("a count of " + std::to_string(command.count) + " is outside 0 to 1000000000");
        return command.count == 1 ? word : word + " " + std::to_string(command.count);
    case Arguments::Step:
        if (command.count < 0) throw UnwritableCommand("step " + std::to_string(command.count) + " is before the run");
        return word + " " + std::to_string(command.count);
    case Arguments::Text:
        CheckFitsOneLine("the density text", command.text);
        return word + " " + command.text;
    case Arguments::Path:
        CheckIsPath(command.kind == CommandKind::Open ? "the data file's path" : "the picture's path", command.text);
        return word + " " + command.text;
    case Arguments::Speed: {
        if (!IsSpeed(command.speed))
            throw UnwritableCommand("a speed of " + std::to_string(command.speed) + " is outside 0.125 to 4");
        // The shortest digits that read back to the same double.
        std::string line = word + " ";
        AppendJsonNumber(line, command.speed);
        return line;
    }
    case Arguments::View:
        return word + " " + std::string(EntryOf(command.overlay).word) + (command.on ? " on" : " off");
    }
    throw UnwritableCommand("a command of unknown kind");
}
