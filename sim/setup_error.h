#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// A setup that was refused; the message says what was wrong, where, and what
// is accepted. The body and settings are left as they were.
class SetupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A setup refused for its density text alone: the data file was not read.
class DensityError : public SetupError {
public:
    using SetupError::SetupError;
};

// Text from a file, a path or a box as it may stand in a message: every byte
// that would not show, or would show as something else (a control byte, an
// invisible mark such as a byte order mark, a byte that is not UTF-8), written
// as \xNN, and a backslash as \\, so that what is read is what is there.
std::string PrintableText(std::string_view text);

// The same in double quotes, cut short after a few dozen bytes.
std::string QuoteToken(std::string_view token);

// A path as it stands in a message: as PrintableText shows it, with the middle
// of one longer than kLongestShownPath bytes left out ("/home/a/...b/data.txt"),
// so that a message stays a line however long the path someone gave.
inline constexpr std::size_t kLongestShownPath = 240;
std::string ShownPath(std::string_view path);
