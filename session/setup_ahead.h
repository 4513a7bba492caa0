#pragma once

#include <filesystem>
#include <future>
#include <optional>
#include <string>
#include <string_view>

#include "sim/body_setup.h"

// The first setup of a session, begun on a thread of its own as soon as the
// program knows its data file, so that reading a large file overlaps with
// making the window instead of coming before or after it. The same function
// builds the same body, bit for bit; only the moment the file is read moves,
// from the window's creation to the program's start.
class SetupAhead {
public:
    // Nothing begun: every setup reads its file when asked.
    SetupAhead() = default;
    // Begins the setup that `densityText` and `dataFile` ask for; where no
    // thread can be had, it runs when taken. One begun and never taken is
    // waited for when this ends.
    SetupAhead(std::string densityText, std::filesystem::path dataFile);

    // Whether a setup for exactly this text and file is begun and not taken.
    bool Holds(std::string_view densityText, const std::filesystem::path& dataFile) const;

    // The body the setup built for exactly this text and file, once: it waits
    // for the setup to end, and throws what the setup threw. Nothing when none
    // was begun for them, or it was taken already.
    std::optional<BuiltBody> Take(std::string_view densityText, const std::filesystem::path& dataFile);

private:
    std::string densityText_;
    std::filesystem::path dataFile_;
    std::future<BuiltBody> built_;
};
