#include "session/script.h"

#include <charconv>
#include <climits>
#include <optional>

#include "sim/decimal_number.h"
#include "sim/setup_error.h"

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    while (!(text = Trim(text)).empty()) {
        const auto end = std::min(text.find_first_of(kBlanks), text.size());
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return words;
}

bool ToInteger(std::string_view word, long long low, long long high, long long& value)
{
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size() && value >= low && value <= high;
}

// The commands that take no arguments.
std::optional<ScriptCommand::Kind> BareCommand(std::string_view word)
{
    using Kind = ScriptCommand::Kind;
    if (word == "startstop") return Kind::StartStop;
    if (word == "step") return Kind::Step;
    if (word == "reload") return Kind::Reload;
    if (word == "state") return Kind::State;
    if (word == "pause") return Kind::Pause;
    return std::nullopt;
}

class LineParser {
public:
    LineParser(std::string_view name, std::int64_t line) : name_(name), line_(line) {}

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw ScriptUsageError(std::string(name_) + ":" + std::to_string(line_) + ": " + what);
    }

    ScriptCommand Parse(std::string_view text) const
    {
        ScriptCommand command;
        command.line = line_;
        const std::string_view trimmed = Trim(text);
        const std::string_view word = trimmed.substr(0, std::min(trimmed.find_first_of(kBlanks), trimmed.size()));

        const std::string_view afterWord = text.substr(text.find(word) + word.size());
        if (word == "density") {
            command.kind = ScriptCommand::Kind::Density;
            // Everything after the first blank, so any text typed can be replayed.
            command.text = afterWord.empty() ? "" : std::string(afterWord.substr(1));
            return command;
        }
        if (word == "frame" || word == "open") {
            // The rest of the line, so that a path may hold blanks.
            const bool frame = word == "frame";
            command.kind = frame ? ScriptCommand::Kind::Frame : ScriptCommand::Kind::Open;
            command.text = std::string(Trim(afterWord));
            if (command.text.empty())
                Fail(frame ? "'frame' takes the path of the PNG file to write"
                           : "'open' takes the path of a data file");
            return command;
        }

        const std::vector<std::string_view> args = [&] {
            std::vector<std::string_view> all = Words(text.substr(0, text.find('#')));
            all.erase(all.begin());
            return all;
        }();
        auto expect = [&](std::size_t count, const char* usage) {
            if (args.size() != count) Fail("'" + std::string(word) + "' takes " + usage);
        };
        auto pixel = [&](std::size_t i, long long low, long long high, const char* usage) {
            long long value = 0;
            if (!ToInteger(args[i], low, high, value)) Fail("'" + std::string(word) + "' takes " + usage);
            return static_cast<int>(value);
        };

        if (word == "size") {
            constexpr const char* usage = "a width and a height in pixels, each from 1 to 16384";
            expect(2, usage);
            command.kind = ScriptCommand::Kind::Size;
            command.x = pixel(0, 1, kLargestScriptSide, usage);
            command.y = pixel(1, 1, kLargestScriptSide, usage);
        } else if (const auto bare = BareCommand(word)) {
            expect(0, "no arguments");
            command.kind = *bare;
        } else if (word == "tick") {
            constexpr const char* usage = "an optional count of timer periods from 0 to 1000000000";
            if (args.size() > 1) Fail(std::string("'tick' takes ") + usage);
            command.kind = ScriptCommand::Kind::Tick;
            if (args.size() == 1 && !ToInteger(args[0], 0, kMostTicksAtOnce, command.count))
                Fail(std::string("'tick' takes ") + usage);
        } else if (word == "press" || word == "release") {
            constexpr const char* usage = "a pixel column and row, whole numbers";
            expect(2, usage);
            command.kind = word == "press" ? ScriptCommand::Kind::Press : ScriptCommand::Kind::Release;
            command.x = pixel(0, INT_MIN, INT_MAX, usage);
            command.y = pixel(1, INT_MIN, INT_MAX, usage);
        } else if (word == "speed") {
            constexpr const char* usage = "a number from 0.125 to 4, such as 0.5 or 2";
            expect(1, usage);
            command.kind = ScriptCommand::Kind::Speed;
            // The density's reader: the same forms of number, whatever the locale.
            const std::optional<double> speed = ParseDecimalNumber(args[0]);
            if (!speed || !(*speed >= kSlowestSpeed && *speed <= kFastestSpeed))
                Fail(std::string("'speed' takes ") + usage);
            command.speed = *speed;
        } else if (word == "view") {
            constexpr const char* usage = "an overlay (com, velocity, force, omega, trail or axes) and on or off";
            expect(2, usage);
            command.kind = ScriptCommand::Kind::View;
            const std::optional<Overlay> overlay = OverlayNamed(args[0]);
            if (!overlay || (args[1] != "on" && args[1] != "off")) Fail(std::string("'view' takes ") + usage);
            command.overlay = *overlay;
            command.on = args[1] == "on";
        } else {
            // Cut short: the word may be a whole line of anything.
            Fail("unknown command " + QuoteToken(word));
        }
        return command;
    }

private:
    std::string_view name_;
    std::int64_t line_;
};

}  // namespace

std::vector<ScriptCommand> ParseScript(std::string_view script, std::string_view name)
{
    std::vector<ScriptCommand> commands;
    std::int64_t line = 0;
    while (!script.empty()) {
        ++line;
        const auto end = std::min(script.find('\n'), script.size());
        const std::string_view text = script.substr(0, end);
        script.remove_prefix(std::min(end + 1, script.size()));
        if (auto command = ParseScriptLine(text, name, line)) commands.push_back(std::move(*command));
    }
    return commands;
}

std::optional<ScriptCommand> ParseScriptLine(std::string_view text, std::string_view name, std::int64_t line)
{
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() == '#') return std::nullopt;
    return LineParser(name, line).Parse(text);
}
