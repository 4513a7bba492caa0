#include "lesson/lesson_draft.h"

#include <cstdio>

#include "lesson/lesson.h"
#include "session/json_number.h"
#include "session/script_line.h"

namespace {

// A TOML basic string: quotes, backslashes and control bytes escaped.
std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(static_cast<unsigned char>(c)));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

template <typename Words>
std::string QuotedList(const Words& words)
{
    std::string list = "[";
    for (const auto& word : words) list += (list.size() > 1 ? ", " : "") + Quoted(word);
    return list + "]";
}

constexpr const char* kExampleTask = R"(
# A task: the student predicts, then Reveal runs the experiment from the start
# above and shows the outcome beside the prediction. Remove the # signs, then
# run rigid-body --check-lesson on this file: it prints the exact answer,
# which may then be written as the task's answer.
# [[task]]
# prompt = "After 25 more steps, how fast does the body turn?"
# kind = "number"
# unit = "radians per time unit"
# quantity = "angularVelocity[2]"
# tolerance = 0.05
# experiment = '''
# startstop
# tick 25
# '''
)";

}  // namespace

EventsSinceSetup::EventsSinceSetup(Session& session)
    : session_(session), density_(session.DensityText()), width_(session.Width()), height_(session.Height()),
      listening_(session.Listen(*this))
{
}

void EventsSinceSetup::Applying(const Command& command)
{
    switch (command.kind) {
    case CommandKind::Density:
    case CommandKind::Open:
    case CommandKind::Reload:
    case CommandKind::Speed:
    case CommandKind::View:
        return;
    case CommandKind::Tick:
        // The timer's ticks, one command each, become one line.
        if (!events_.empty() && events_.back().kind == CommandKind::Tick) {
            events_.back().count += command.count;
            return;
        }
        break;
    default:
        break;
    }
    events_.push_back(command);
}

void EventsSinceSetup::SetupDone()
{
    events_.clear();
    density_ = session_.DensityText();
    width_ = session_.Width();
    height_ = session_.Height();
}

LessonDraft EventsSinceSetup::Draft(const std::filesystem::path& lessonFile, std::vector<std::string> panels) const
{
    LessonDraft draft;
    draft.title = "A lesson on " + session_.DataFile().stem().string();
    std::error_code noWorkingFolder;
    const std::filesystem::path folder =
        std::filesystem::absolute(lessonFile, noWorkingFolder).parent_path().lexically_normal();
    const std::filesystem::path body =
        std::filesystem::absolute(session_.DataFile(), noWorkingFolder).lexically_normal();
    const std::filesystem::path relative = body.lexically_relative(folder);
    draft.body = noWorkingFolder || relative.empty() ? session_.DataFile() : relative;
    draft.density = density_;
    draft.speed = session_.Speed();
    draft.overlays = session_.ShownOverlays();
    draft.panels = std::move(panels);
    // A lesson starts on the replay's drawing area: the presses since the
    // setup hit where they did only on the area they were made on.
    if (width_ != Session::kStartWidth || height_ != Session::kStartHeight)
        draft.start.push_back({.kind = CommandKind::Size, .x = width_, .y = height_});
    draft.start.insert(draft.start.end(), events_.begin(), events_.end());
    return draft;
}

std::string LessonText(const LessonDraft& draft)
{
    std::vector<std::string_view> overlays;
    for (const OverlayEntry& entry : kOverlayTable)
        if (IsShown(draft.overlays, entry.overlay)) overlays.push_back(entry.word);
    std::string speed;
    AppendJsonNumber(speed, draft.speed);
    std::string text =
        "# A lesson for Rigid Body Dynamics, written from a session. Add notes and tasks (see\n"
        "# \"Writing a lesson\" in the README), then check it with rigid-body --check-lesson.\n"
        "format = " +
        std::to_string(kLessonFormat) + "\ntitle = " + Quoted(draft.title) + "\nbody = " + Quoted(draft.body.string()) +
        "\ndensity = " + Quoted(draft.density) + "\nspeed = " + speed + "\noverlays = " + QuotedList(overlays) +
        "\npanels = " + QuotedList(draft.panels) +
        "\n# Controls the student may not use: density, open, reload, startstop, pause, step,\n"
        "# speed, push, overlays, panels.\nlocked = []\nhidden = []\nnotes = '''\n"
        "Write here, in Markdown, what the lesson is about and what to look for.\n'''\n"
        "# The events since the last setup, replayed before the student takes over.\nstart = '''\n";
    for (const Command& command : draft.start) text += ScriptLine(command) + "\n";
    return text + "'''\n" + kExampleTask;
}
