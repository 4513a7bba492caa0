#include "session/script_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace {

using Kind = CommandKind;

// A pipe whose far end a thread fills with `text`, a little at a time, and
// then closes: the script arrives as it would from another program.
class FedPipe {
public:
    explicit FedPipe(std::string text, bool nonBlocking = false)
    {
        int ends[2];
        EXPECT_EQ(::pipe(ends), 0);
        read_ = ends[0];
        if (nonBlocking) ::fcntl(read_, F_SETFL, ::fcntl(read_, F_GETFL) | O_NONBLOCK);
        writer_ = std::jthread([text = std::move(text), end = ends[1]] {
            for (std::size_t done = 0; done < text.size();) {
                const ssize_t written =
                    ::write(end, text.data() + done, std::min<std::size_t>(text.size() - done, 4000));
                if (written <= 0) break;  // the reader gave up
                done += static_cast<std::size_t>(written);
            }
            ::close(end);
        });
    }
    ~FedPipe()
    {
        ::close(read_);
        writer_.join();
    }
    int ReadEnd() const { return read_; }

private:
    int read_ = -1;
    std::jthread writer_;
};

std::string Refusal(int descriptor)
{
    try {
        ReadScript(descriptor, "s.txt");
    } catch (const ScriptUsageError& error) {
        return error.what();
    }
    return "accepted";
}

}  // namespace

TEST(ReadScript, ReadsAPipeLineByLineAsParseScriptDoes)
{
    std::string script = "# a comment\r\nsize 300 200\n\n";
    for (int i = 0; i < 20000; ++i) script += "tick " + std::to_string(i) + "\n";
    script += "state";  // no final line break
    // Waited on, not taken for a failure, when the descriptor does not block.
    for (const bool nonBlocking : {false, true}) {
        const FedPipe pipe(script, nonBlocking);
        EXPECT_EQ(ReadScript(pipe.ReadEnd(), "s.txt"), ParseScript(script, "s.txt"));
    }
}

// Input limits: an endless source, or one line without end, stops at a stated
// length with the line it reached; a closed input says so.
TEST(ReadScript, RefusesALineOverTheLimitAndUnreadableInput)
{
    const FedPipe pipe("state\n" + std::string(kLongestScriptLine + 1, 'x'));
    EXPECT_EQ(Refusal(pipe.ReadEnd()),
              "s.txt:2: the line is longer than 1048576 bytes, the most a script line may hold");
    const int zeros = ::open("/dev/zero", O_RDONLY);
    EXPECT_EQ(Refusal(zeros), "s.txt:1: the line is longer than 1048576 bytes, the most a script line may hold");
    ::close(zeros);
    EXPECT_EQ(Refusal(-1), "s.txt: cannot read the script: Bad file descriptor (is the input closed?)");
}

// The counter goes past 2^31 lines, which a stream may well hold.
TEST(ReadScript, LinesAreCountedBeyondTwoToTheThirtyFirst)
{
    const std::int64_t line = std::int64_t{1} << 32;
    EXPECT_EQ(ParseScriptLine("step", "s.txt", line)->line, line);
    try {
        ParseScriptLine("fly", "s.txt", line);
        FAIL();
    } catch (const ScriptUsageError& error) {
        EXPECT_EQ(std::string(error.what()), "s.txt:4294967296: unknown command \"fly\"");
    }
}

// A line of anything is quoted by a few dozen bytes, unprintable ones escaped.
TEST(ReadScript, AnUnknownCommandIsQuotedShort)
{
    try {
        ParseScript("\x01" + std::string(5 << 20, 'w') + "\n", "s.txt");
        FAIL();
    } catch (const ScriptUsageError& error) {
        EXPECT_EQ(std::string(error.what()), "s.txt:1: unknown command \"\\x01" + std::string(39, 'w') + "...\"");
    }
}
