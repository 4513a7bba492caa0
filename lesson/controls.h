#pragma once

#include <array>
#include <string>
#include <string_view>

// The window's controls a lesson may lock (shown, but disabled) or hide, by
// the words a lesson file writes, and the panels it may show. The words are
// the file's, never translated.
struct LessonControl {
    std::string_view word;
    std::string_view what;  // for the messages and the documentation
};

inline constexpr std::array<LessonControl, 10> kLessonControls = {{
    {"density", "the density box"},
    {"open", "File, Open, the examples, the recent files and dropping a file on the window"},
    {"reload", "File, Reload"},
    {"startstop", "the Start/Stop button"},
    {"pause", "Pause/Resume"},
    {"step", "Step"},
    {"speed", "the speeds, Slower and Faster"},
    {"push", "pushing the body with the mouse"},
    {"overlays", "the View menu's overlays"},
    {"panels", "showing and hiding the inspector, the plots and the timeline"},
}};

inline constexpr std::array<std::string_view, 3> kLessonPanels = {"inspector", "plots", "timeline"};

bool IsLessonControl(std::string_view word);
bool IsLessonPanel(std::string_view word);

// "a, b, c or d", for the messages that list what is accepted.
template <typename Words>
std::string Listed(const Words& words)
{
    std::string listed;
    std::size_t i = 0;
    for (const auto& word : words) {
        if (i > 0) listed += i + 1 == std::size(words) ? " or " : ", ";
        listed += word;
        ++i;
    }
    return listed;
}
