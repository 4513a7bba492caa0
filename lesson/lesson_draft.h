#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "session/session.h"

// A lesson written from a session (File, Save as lesson) for a teacher to add
// notes and tasks to: the body and its density, the views, and the events
// since the last setup as the start script.
struct LessonDraft {
    std::string title;
    std::filesystem::path body;  // as the lesson writes it: from the lesson's folder where it can be
    std::string density;
    double speed = 1.0;
    Overlays overlays;
    std::vector<std::string> panels;
    std::vector<Command> start;
};

// Keeps the events since the last setup that bring a session from that setup
// to where it is now: every press, release, start, tick, step, pause, coast,
// seek and resize. A density, an open or a reload that was taken was a setup
// itself, and one that was refused changed nothing, so none is kept; the
// speed and the overlays are the lesson's keys rather than its script.
class EventsSinceSetup : private SessionListener {
public:
    explicit EventsSinceSetup(Session& session);

    // The session as a lesson at `lessonFile` would write it.
    LessonDraft Draft(const std::filesystem::path& lessonFile, std::vector<std::string> panels) const;

private:
    void Applying(const Command& command) override;
    void SetupDone() override;

    Session& session_;
    std::vector<Command> events_;
    std::string density_;
    int width_;
    int height_;
    Session::Listening listening_;
};

// The lesson as TOML, with a commented example task. Throws UnwritableCommand
// for a command that no script line can hold.
std::string LessonText(const LessonDraft& draft);
