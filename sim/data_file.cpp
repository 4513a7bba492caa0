#include "sim/data_file.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <memory>
#include <system_error>

#include <sys/stat.h>

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

bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

DataFile::DataFile(const std::filesystem::path& path) : shownPath_(AbsoluteForMessages(path))
{
    auto fail = [&](const char* what, int error) {
        throw SetupError("cannot " + std::string(what) + " data file \"" + shownPath_ +
                         "\": " + std::generic_category().message(error));
    };
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) fail("open", errno);

    // Growing the text by doubling would copy a large file several times over
    // and, for a moment, hold it twice. The size is only a hint: a file that
    // changes while it is read is still read to its end.
    struct stat status {};
    if (::fstat(::fileno(file.get()), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0)
        text_.reserve(static_cast<std::size_t>(status.st_size));
    PreferLargePages(text_.data(), text_.capacity());

    char chunk[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        text_.append(chunk, got);
        if (got < sizeof chunk) break;
    }
    if (std::ferror(file.get())) fail("read", errno ? errno : EIO);
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
