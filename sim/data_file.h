#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// The numbers of a data file, one at a time, each checked where it stands so
// that a refusal can name the file, the line and the token.
class DataFile {
public:
    // Reads the whole file at once; throws SetupError naming the full path and
    // the system's reason when it cannot be read. Only a regular file of at
    // most kLargestDataFile bytes is read: a device or a pipe may never end, or
    // never answer, and the window would wait on it. A UTF-8 byte order mark at
    // the start, which some editors write, is passed over.
    explicit DataFile(const std::filesystem::path& path);

    static constexpr std::size_t kLargestDataFile = std::size_t{1} << 30;

    // The next whitespace-separated token as a finite number, or false at the
    // end of the file. A token that is not a number, or not finite, throws.
    bool Next(double& value);

    // "data file "/full/path"" and, when a line is given, ", line N".
    std::string Where(std::size_t line = 0) const;
    // The line of the token that Next read last.
    std::size_t Line() const { return tokenLine_; }
    std::string_view LastToken() const { return lastToken_; }
    std::size_t SizeInBytes() const { return text_.size(); }

private:
    // Kept out of Next, which runs millions of times and so stays small.
    [[noreturn]] void Refuse(std::string_view token, bool isNumber) const;
    [[noreturn]] void RefuseSize(std::uintmax_t size) const;

    std::string shownPath_;
    std::string text_;
    std::size_t offset_ = 0;
    std::size_t line_ = 1;
    std::size_t tokenLine_ = 0;
    std::string_view lastToken_;
};
