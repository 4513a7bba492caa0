#include "sim/data_file.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "sim/decimal_number.h"
#include "sim/large_pages.h"
#include "sim/setup_error.h"

namespace {

std::string AbsoluteForMessages(const std::filesystem::path& path)
{
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    return (absolute.empty() ? path : absolute.lexically_normal()).string();
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

const char* KindOfFile(mode_t mode)
{
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "a special file";
}

struct ClosedAtEnd {
    int descriptor;
    ~ClosedAtEnd() { ::close(descriptor); }
};

bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

DataFile::DataFile(const std::filesystem::path& path) : shownPath_(ShownPath(AbsoluteForMessages(path)))
{
    auto fail = [&](const char* what, int error) {
        throw SetupError("cannot " + std::string(what) + " " + Where() + ": " + std::generic_category().message(error));
    };
    // Not blocking: opening a pipe for reading waits for a writer, which may
    // never come. A regular file is read the same either way.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) fail("open", errno);
    const ClosedAtEnd closed{descriptor};

    struct stat status {};
    if (::fstat(descriptor, &status) != 0) fail("read", errno);
    if (!S_ISREG(status.st_mode))
        throw SetupError(Where() + " is " + KindOfFile(status.st_mode) +
                         ", not a regular file: only a text file can be read as one");
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    if (size > kLargestDataFile) RefuseSize(size);

    // Growing the text by doubling would copy a large file several times over
    // and, for a moment, hold it twice. The size is only a hint: a file that
    // changes while it is read is still read to its end, up to the limit.
    text_.reserve(static_cast<std::size_t>(size));
    PreferLargePages(text_.data(), text_.capacity());
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(descriptor, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) fail("read", errno);
        if (got == 0) break;
        if (text_.size() + static_cast<std::size_t>(got) > kLargestDataFile)
            RefuseSize(text_.size() + static_cast<std::size_t>(got));
        text_.append(chunk, static_cast<std::size_t>(got));
    }
    if (std::string_view(text_).starts_with(kByteOrderMark)) offset_ = kByteOrderMark.size();
}

void DataFile::RefuseSize(std::uintmax_t size) const
{
    throw SetupError(Where() + " is " + std::to_string(size) + " bytes long, more than the " +
                     std::to_string(kLargestDataFile) + " bytes (1 GiB) a data file may hold");
}

bool DataFile::Next(double& value)
{
    const char* const text = text_.data();
    const char* const end = text + text_.size();
    const char* p = text + offset_;
    while (p != end && IsSpace(*p)) {
        if (*p == '\n') ++line_;
        ++p;
    }
    offset_ = static_cast<std::size_t>(p - text);
    if (p == end) return false;

    // One pass reads the number's form and value and finds the token's end;
    // only a token that is no number is walked again to its end, for the message.
    const char* const start = p;
    double number = 0.0;
    const char* stop = ReadDecimalNumber(start, end, number);
    const bool isNumber = stop != nullptr && (stop == end || IsSpace(*stop));
    if (!isNumber) {
        stop = start;
        while (stop != end && !IsSpace(*stop)) ++stop;
    }
    offset_ = static_cast<std::size_t>(stop - text);
    const std::string_view token(start, static_cast<std::size_t>(stop - start));
    tokenLine_ = line_;
    lastToken_ = token;
    if (!isNumber || !std::isfinite(number)) Refuse(token, isNumber);
    value = number;
    return true;
}

void DataFile::Refuse(std::string_view token, bool isNumber) const
{
    if (!isNumber)
        throw SetupError(Where(line_) + ": " + QuoteToken(token) +
                         " is not a number (expected a decimal number such as 12, -3.5 or 1e-2)");
    throw SetupError(Where(line_) + ": " + QuoteToken(token) + " is too large");
}

std::string DataFile::Where(std::size_t line) const
{
    std::string where = "data file \"" + shownPath_ + "\"";
    if (line != 0) where += ", line " + std::to_string(line);
    return where;
}
