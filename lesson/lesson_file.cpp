#include "lesson/lesson_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <system_error>

#include <toml++/toml.h>

#include "lesson/controls.h"
#include "lesson/lesson_run.h"
#include "lesson/quantity.h"
#include "session/command_table.h"
#include "session/json_number.h"
#include "session/script.h"
#include "session/session.h"
#include "session/speed.h"
#include "session/state_path.h"
#include "sim/body_setup.h"
#include "sim/density.h"
#include "sim/setup_error.h"

namespace {

using namespace std::string_view_literals;

constexpr std::array kLessonKeys = {"format"sv,   "title"sv,  "notes"sv,  "body"sv,   "density"sv, "speed"sv,
                                    "overlays"sv, "panels"sv, "locked"sv, "hidden"sv, "start"sv,   "task"sv};
constexpr std::array kTaskKeys = {"prompt"sv,    "kind"sv,     "quantity"sv, "experiment"sv, "unit"sv,
                                  "tolerance"sv, "relative"sv, "choices"sv,  "option"sv,     "answer"sv};
constexpr std::array kOptionKeys = {"label"sv, "experiment"sv, "quantity"sv};
constexpr std::array kKindWords = {"number"sv, "sign"sv, "largest"sv, "smallest"sv};
constexpr std::array kSignChoices = {"negative"sv, "zero"sv, "positive"sv};

// The root table has no line of its own: its keys are missed on line 1.
std::int64_t LineOf(const toml::node& node)
{
    return std::max<std::int64_t>(1, static_cast<std::int64_t>(node.source().begin.line));
}

// The file's bytes, or why they are not a lesson's.
std::string ReadText(const std::filesystem::path& path, const std::string& shown)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) throw LessonError(shown + ": cannot read the lesson: " + error.message());
    if (!std::filesystem::is_regular_file(status))
        throw LessonError(shown + ": is not a regular file: a lesson is a text file");
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kLargestLessonFile)
        throw LessonError(shown + ": is " + std::to_string(size) + " bytes long, more than the " +
                          std::to_string(kLargestLessonFile) + " a lesson may have");
    std::ifstream in(path, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (in.bad()) throw LessonError(shown + ": cannot read the lesson");
    if (const std::size_t zero = text.find('\0'); zero != std::string::npos)
        throw LessonError(
            shown + ":" +
            std::to_string(1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(zero), '\n')) +
            ": the file is not text (it holds a zero byte): a lesson is UTF-8 text");
    return text;
}

class LessonReader {
public:
    LessonReader(const std::filesystem::path& path, std::string text)
        : shown_(ShownPath(path.string())), text_(std::move(text))
    {
        lesson_.file = path;
        std::error_code noWorkingFolder;
        const std::filesystem::path absolute = std::filesystem::absolute(path, noWorkingFolder);
        folder_ = (noWorkingFolder ? path : absolute).parent_path();
    }

    Lesson Read()
    {
        toml::table root;
        try {
            root = toml::parse(text_, shown_);
        } catch (const toml::parse_error& error) {
            Fail(static_cast<std::int64_t>(error.source().begin.line), std::string(error.description()));
        }
        KnownKeys(root, kLessonKeys, "a lesson");
        ReadFormat(root);
        lesson_.title = Text(root, "title", true);
        if (lesson_.title.empty()) Fail(LineOf(*root.get("title")), "the title is empty");
        lesson_.notes = Text(root, "notes", false);
        ReadBody(root);
        ReadViews(root);
        lesson_.start = StartOfViews();
        if (const toml::node* start = root.get("start")) Append(lesson_.start, Script(*start, "start"));
        if (const toml::node* tasks = root.get("task")) {
            const toml::array* list = tasks->as_array();
            if (!list || !list->is_array_of_tables())
                Fail(LineOf(*tasks), "'task' is a table of its own: write each as [[task]]");
            for (const toml::node& task : *list) lesson_.tasks.push_back(ReadTask(*task.as_table()));
        }
        return std::move(lesson_);
    }

private:
    [[noreturn]] void Fail(std::int64_t line, const std::string& what) const
    {
        throw LessonError(shown_ + ":" + std::to_string(line) + ": " + what);
    }

    template <std::size_t N>
    void KnownKeys(const toml::table& table, const std::array<std::string_view, N>& known, const char* owner) const
    {
        for (const auto& [key, value] : table)
            if (std::find(known.begin(), known.end(), key.str()) == known.end())
                Fail(static_cast<std::int64_t>(key.source().begin.line),
                     "unknown key " + QuoteToken(key.str()) + ": " + owner + " takes " + Listed(known));
    }

    const toml::node& Required(const toml::table& table, std::string_view key, std::int64_t line) const
    {
        const toml::node* node = table.get(key);
        if (!node) Fail(line, "'" + std::string(key) + "' is missing");
        return *node;
    }

    std::string Text(const toml::table& table, std::string_view key, bool required) const
    {
        const toml::node* node = required ? &Required(table, key, LineOf(table)) : table.get(key);
        if (!node) return {};
        if (!node->is_string()) Fail(LineOf(*node), "'" + std::string(key) + "' is text: write it in quotes");
        return **node->as_string();
    }

    // A number written as an integer or with a fraction.
    double Number(const toml::node& node, std::string_view key) const
    {
        if (const auto* integer = node.as_integer()) return static_cast<double>(integer->get());
        if (const auto* floating = node.as_floating_point()) return floating->get();
        Fail(LineOf(node), "'" + std::string(key) + "' is a number");
    }

    std::vector<std::string> Words(const toml::table& table, std::string_view key) const
    {
        std::vector<std::string> words;
        const toml::node* node = table.get(key);
        if (!node) return words;
        const toml::array* list = node->as_array();
        if (!list) Fail(LineOf(*node), "'" + std::string(key) + "' is a list in brackets, such as [\"a\", \"b\"]");
        for (const toml::node& word : *list) {
            if (!word.is_string()) Fail(LineOf(word), "'" + std::string(key) + "' lists texts in quotes");
            words.push_back(**word.as_string());
        }
        return words;
    }

    void ReadFormat(const toml::table& root) const
    {
        const toml::node& format = Required(root, "format", 1);
        const auto* version = format.as_integer();
        if (!version || version->get() != kLessonFormat)
            Fail(LineOf(format), "this program reads lessons of format " + std::to_string(kLessonFormat) +
                                     ": write format = " + std::to_string(kLessonFormat));
    }

    std::filesystem::path Resolved(const std::string& path) const
    {
        return (folder_ / std::filesystem::path(path)).lexically_normal();
    }

    void ReadBody(const toml::table& root)
    {
        const toml::node& body = Required(root, "body", LineOf(root));
        lesson_.body = Resolved(Text(root, "body", true));
        bodyLine_ = LineOf(body);
        if (const toml::node* density = root.get("density")) {
            densityLine_ = LineOf(*density);
            if (density->is_string()) {
                lesson_.density = **density->as_string();
            } else {
                // A number is the text that reads back as it.
                lesson_.density.clear();
                AppendJsonNumber(lesson_.density, Number(*density, "density"));
            }
        }
        try {
            ParseDensity(lesson_.density);
        } catch (const SetupError& refusal) {
            Fail(densityLine_, refusal.what());
        }
        // Read now, so that a body that is missing is named with the line
        // that names it.
        RigidBody scratch;
        SimulationSettings settings;
        try {
            SetupBody(scratch, settings, lesson_.density, lesson_.body);
        } catch (const SetupError& refusal) {
            Fail(bodyLine_, std::string("the body: ") + refusal.what());
        }
    }

    void ReadViews(const toml::table& root)
    {
        if (const toml::node* speed = root.get("speed")) {
            speedLine_ = LineOf(*speed);
            lesson_.speed = Number(*speed, "speed");
            if (!IsSpeed(lesson_.speed)) Fail(speedLine_, "the speed is a number from 0.125 to 4, such as 0.5 or 2");
        }
        for (const std::string& word : Words(root, "overlays")) {
            const std::optional<Overlay> overlay = OverlayNamed(word);
            if (!overlay)
                Fail(LineOf(*root.get("overlays")),
                     "no overlay is called " + QuoteToken(word) + ": " + Spelled("the overlays are OVERLAYS"));
            SetShown(lesson_.overlays, *overlay, true);
        }
        if (const toml::node* overlays = root.get("overlays")) overlaysLine_ = LineOf(*overlays);
        lesson_.panels = Words(root, "panels");
        for (const std::string& panel : lesson_.panels)
            if (!IsLessonPanel(panel))
                Fail(LineOf(*root.get("panels")),
                     "no panel is called " + QuoteToken(panel) + ": the panels are " + Listed(kLessonPanels));
        for (const char* key : {"locked", "hidden"}) {
            std::vector<std::string> words = Words(root, key);
            for (const std::string& word : words)
                if (!IsLessonControl(word)) {
                    std::vector<std::string_view> known;
                    known.reserve(kLessonControls.size());
                    for (const LessonControl& control : kLessonControls) known.push_back(control.word);
                    Fail(LineOf(*root.get(key)),
                         "no control is called " + QuoteToken(word) + ": the controls are " + Listed(known));
                }
            (std::string_view(key) == "locked" ? lesson_.locked : lesson_.hidden) = std::move(words);
        }
    }

    // The drawing area, the body, the density and the views, each with the
    // line that asks for it.
    std::vector<Command> StartOfViews() const
    {
        std::vector<Command> start = {
            {.kind = CommandKind::Size, .line = 1, .x = Session::kStartWidth, .y = Session::kStartHeight},
            {.kind = CommandKind::Open, .line = bodyLine_, .text = lesson_.body.string()},
            {.kind = CommandKind::Density, .line = densityLine_, .text = lesson_.density},
            {.kind = CommandKind::Speed, .line = speedLine_, .speed = lesson_.speed}};
        for (const OverlayEntry& entry : kOverlayTable)
            start.push_back({.kind = CommandKind::View,
                             .line = overlaysLine_,
                             .overlay = entry.overlay,
                             .on = IsShown(lesson_.overlays, entry.overlay)});
        return start;
    }

    // The file's line of the script's first line: a multi-line string that
    // opens with a line break starts on the next.
    std::int64_t FirstScriptLine(const toml::node& node) const
    {
        const std::int64_t line = LineOf(node);
        std::string_view text = text_;
        for (std::int64_t i = 1; i < line; ++i) text.remove_prefix(std::min(text.find('\n') + 1, text.size()));
        text = text.substr(0, text.find('\n'));
        const std::size_t at = node.source().begin.column - 1;
        if (at >= text.size()) return line;
        const std::string_view value = text.substr(at);
        const bool opensAlone = (value.starts_with("'''") || value.starts_with("\"\"\"")) &&
                                value.substr(3).find_first_not_of(" \t\r") == std::string_view::npos;
        return opensAlone ? line + 1 : line;
    }

    std::vector<Command> Script(const toml::node& node, std::string_view key) const
    {
        if (!node.is_string())
            Fail(LineOf(node), "'" + std::string(key) +
                                   "' is a script in quotes, one command a line; write it "
                                   "between ''' and ''' to span lines");
        std::string_view script = node.as_string()->get();
        std::vector<Command> commands;
        for (std::int64_t line = FirstScriptLine(node); !script.empty(); ++line) {
            const std::size_t end = std::min(script.find('\n'), script.size());
            std::optional<Command> command;
            try {
                command = ParseScriptLine(script.substr(0, end), shown_, line);
            } catch (const ScriptUsageError& error) {
                throw LessonError(error.what());
            }
            script.remove_prefix(std::min(end + 1, script.size()));
            if (!command) continue;
            if (!EntryOf(command->kind).event)
                Fail(line, "'" + std::string(EntryOf(command->kind).word) +
                               "' has no place in a lesson: a task says what is read at the end of its experiment");
            if (command->kind == CommandKind::Open) command->text = Resolved(command->text).string();
            commands.push_back(std::move(*command));
        }
        return commands;
    }

    static void Append(std::vector<Command>& to, std::vector<Command> more)
    {
        to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    }

    std::string Quantity(const toml::table& table, std::int64_t line) const
    {
        const toml::node& node = Required(table, "quantity", line);
        std::string quantity = Text(table, "quantity", true);
        try {
            CheckQuantity(quantity);
        } catch (const StatePathError& error) {
            Fail(LineOf(node), error.what());
        }
        return quantity;
    }

    Task ReadTask(const toml::table& table) const
    {
        Task task;
        task.line = LineOf(table);
        KnownKeys(table, kTaskKeys, "a task");
        task.prompt = Text(table, "prompt", true);
        const std::string kind = Text(table, "kind", true);
        const auto found = std::find(kKindWords.begin(), kKindWords.end(), kind);
        if (found == kKindWords.end())
            Fail(LineOf(*table.get("kind")),
                 "no kind of task is called " + QuoteToken(kind) + ": the kinds are " + Listed(kKindWords));
        task.kind = static_cast<TaskKind>(found - kKindWords.begin());
        const bool number = task.kind == TaskKind::Number;
        const bool sign = task.kind == TaskKind::Sign;
        const auto onlyFor = [&](std::string_view key, bool allowed, const char* owners) {
            if (const toml::node* node = table.get(key); node && !allowed)
                Fail(LineOf(*node), "'" + std::string(key) + "' belongs to " + owners + " tasks");
        };
        onlyFor("unit", number, "number");
        onlyFor("relative", number, "number");
        onlyFor("choices", sign, "sign");
        onlyFor("option", !number && !sign, "largest and smallest");
        task.unit = Text(table, "unit", false);
        task.tolerance = Bound(table, "tolerance");
        task.relative = Bound(table, "relative");

        const toml::node* experiment = table.get("experiment");
        const std::vector<Command> commands = experiment ? Script(*experiment, "experiment") : std::vector<Command>{};
        if (number || sign) {
            task.readings.push_back({{}, commands, Quantity(table, task.line), LineOf(*table.get("quantity"))});
            if (sign) task.choices = SignChoices(table);
        } else {
            ReadOptions(table, task, commands);
        }
        ReadAnswer(table, task);
        return task;
    }

    double Bound(const toml::table& table, std::string_view key) const
    {
        const toml::node* node = table.get(key);
        if (!node) return 0.0;
        const double value = Number(*node, key);
        if (!(value >= 0.0) || !std::isfinite(value))
            Fail(LineOf(*node), "'" + std::string(key) + "' is a number of at least 0");
        return value;
    }

    std::vector<std::string> SignChoices(const toml::table& table) const
    {
        if (!table.get("choices")) return {kSignChoices.begin(), kSignChoices.end()};
        std::vector<std::string> choices = Words(table, "choices");
        if (choices.size() != 3)
            Fail(LineOf(*table.get("choices")),
                 "a sign task has three choices: for a negative outcome, a zero and a positive one");
        return choices;
    }

    void ReadOptions(const toml::table& table, Task& task, const std::vector<Command>& experiment) const
    {
        const toml::node* options = table.get("option");
        const toml::array* list = options ? options->as_array() : nullptr;
        if (!list || !list->is_array_of_tables() || list->size() < 2)
            Fail(options ? LineOf(*options) : task.line,
                 "a largest or smallest task compares two or more options, each written [[task.option]]");
        for (const toml::node& node : *list) {
            const toml::table& option = *node.as_table();
            KnownKeys(option, kOptionKeys, "an option");
            Reading reading;
            reading.label = Text(option, "label", true);
            if (std::find(task.choices.begin(), task.choices.end(), reading.label) != task.choices.end())
                Fail(LineOf(*option.get("label")), "two options are labelled " + QuoteToken(reading.label));
            const toml::node* own = option.get("experiment");
            reading.experiment = own ? Script(*own, "experiment") : experiment;
            const bool ownQuantity = option.get("quantity") != nullptr;
            reading.quantity = Quantity(ownQuantity ? option : table, LineOf(option));
            reading.line = LineOf(*(ownQuantity ? option : table).get("quantity"));
            task.choices.push_back(reading.label);
            task.readings.push_back(std::move(reading));
        }
    }

    void ReadAnswer(const toml::table& table, Task& task) const
    {
        const toml::node* answer = table.get("answer");
        if (!answer) return;
        task.answerLine = LineOf(*answer);
        if (task.kind == TaskKind::Number) {
            task.answerNumber = Number(*answer, "answer");
            return;
        }
        if (!answer->is_string()) Fail(task.answerLine, "the answer is one of the choices: " + Listed(task.choices));
        const std::string& choice = **answer->as_string();
        const auto found = std::find(task.choices.begin(), task.choices.end(), choice);
        if (found == task.choices.end())
            Fail(task.answerLine,
                 "the answer " + QuoteToken(choice) + " is none of the choices: " + Listed(task.choices));
        task.answerChoice = static_cast<std::size_t>(found - task.choices.begin());
    }

    std::string shown_;
    std::filesystem::path folder_;
    std::string text_;
    Lesson lesson_;
    std::int64_t bodyLine_ = 1;
    std::int64_t densityLine_ = 1;
    std::int64_t speedLine_ = 1;
    std::int64_t overlaysLine_ = 1;
};

}  // namespace

Lesson ReadLesson(const std::filesystem::path& path)
{
    const std::string shown = ShownPath(path.string());
    Lesson lesson = LessonReader(path, ReadText(path, shown)).Read();
    CheckStart(lesson);
    return lesson;
}
