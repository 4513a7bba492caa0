#include "session/script.h"

#include <charconv>
#include <climits>
#include <limits>
#include <string>

#include "session/command_table.h"
#include "session/speed.h"
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

template <typename Integer>
bool ToInteger(std::string_view word, Integer low, Integer high, Integer& value)
{
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size() && value >= low && value <= high;
}

class LineParser {
public:
    LineParser(std::string_view name, std::int64_t line) : name_(name), line_(line) {}

    Command Parse(std::string_view text) const
    {
        const std::string_view trimmed = Trim(text);
        const std::string_view word = trimmed.substr(0, std::min(trimmed.find_first_of(kBlanks), trimmed.size()));
        const CommandEntry* entry = EntryNamed(word);
        // Cut short: the word may be a whole line of anything.
        if (!entry) Fail("unknown command " + QuoteToken(word));

        Command command;
        command.kind = entry->kind;
        command.line = line_;
        const auto refuse = [&] { Fail("'" + std::string(word) + "' takes " + Spelled(entry->usage)); };
        const std::string_view afterWord = text.substr(text.find(word) + word.size());
        const std::vector<std::string_view> args = Words(afterWord.substr(0, afterWord.find('#')));
        const auto expect = [&](std::size_t count) {
            if (args.size() != count) refuse();
        };

        switch (entry->arguments) {
        case Arguments::None:
            expect(0);
            break;
        case Arguments::Area:
            expect(2);
            if (!ToInteger(args[0], 1, kLargestScriptSide, command.x) ||
                !ToInteger(args[1], 1, kLargestScriptSide, command.y))
                refuse();
            break;
        case Arguments::Pixel:
            expect(2);
            if (!ToInteger(args[0], INT_MIN, INT_MAX, command.x) || !ToInteger(args[1], INT_MIN, INT_MAX, command.y))
                refuse();
            break;
        case Arguments::Step:
            expect(1);
            if (!ToInteger(args[0], 0LL, std::numeric_limits<long long>::max(), command.count)) refuse();
            break;
        case Arguments::Periods:
            if (args.size() > 1 || (args.size() == 1 && !ToInteger(args[0], 0LL, kMostTicksAtOnce, command.count)))
                refuse();
            break;
        case Arguments::Text:
            // Everything after the first blank, so that any text typed can be replayed.
            command.text = afterWord.empty() ? "" : std::string(afterWord.substr(1));
            break;
        case Arguments::Path:
            // The rest of the line, so that a path may hold blanks.
            command.text = std::string(Trim(afterWord));
            if (command.text.empty()) refuse();
            // The system would take the path only up to the NUL.
            if (command.text.find('\0') != std::string::npos)
                Fail("'" + std::string(word) + "' takes " + Spelled(entry->usage) + ", which cannot hold a NUL byte");
            break;
        case Arguments::Speed: {
            expect(1);
            // The density's reader: the same forms of number, whatever the locale.
            const std::optional<double> speed = ParseDecimalNumber(args[0]);
            if (!speed || !IsSpeed(*speed)) refuse();
            command.speed = *speed;
            break;
        }
        case Arguments::View: {
            expect(2);
            const std::optional<Overlay> overlay = OverlayNamed(args[0]);
            if (!overlay || (args[1] != "on" && args[1] != "off")) refuse();
            command.overlay = *overlay;
            command.on = args[1] == "on";
            break;
        }
        }
        return command;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw ScriptUsageError(std::string(name_) + ":" + std::to_string(line_) + ": " + what);
    }

    std::string_view name_;
    std::int64_t line_;
};

}  // namespace

std::vector<Command> ParseScript(std::string_view script, std::string_view name)
{
    std::vector<Command> commands;
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

std::optional<Command> ParseScriptLine(std::string_view text, std::string_view name, std::int64_t line)
{
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() == '#') return std::nullopt;
    return LineParser(name, line).Parse(text);
}
