#include "session/script_file.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include "sim/setup_error.h"

namespace {

[[noreturn]] void CannotRead(std::string_view name, int error)
{
    std::string reason = std::generic_category().message(error);
    if (error == EBADF) reason += " (is the input closed?)";
    throw ScriptUsageError(std::string(name) + ": cannot read the script: " + reason);
}

// Some bytes, or 0 at the end. A descriptor left non-blocking by whoever
// started us is waited on rather than taken for a failure.
std::size_t ReadSome(int descriptor, char* buffer, std::size_t size, std::string_view name)
{
    for (;;) {
        const ssize_t got = ::read(descriptor, buffer, size);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) CannotRead(name, errno);
        pollfd ready{descriptor, POLLIN, 0};
        if (::poll(&ready, 1, -1) < 0 && errno != EINTR) CannotRead(name, errno);
    }
}

}  // namespace

std::vector<Command> ReadScript(int descriptor, std::string_view name)
{
    std::vector<Command> commands;
    std::int64_t line = 0;
    std::string pending;  // the line read so far, without its break
    auto finish = [&] {
        ++line;
        if (auto command = ParseScriptLine(pending, name, line)) commands.push_back(std::move(*command));
        pending.clear();
    };
    char chunk[1 << 16];
    for (;;) {
        const std::size_t got = ReadSome(descriptor, chunk, sizeof chunk, name);
        if (got == 0) break;
        std::string_view rest(chunk, got);
        while (!rest.empty()) {
            const std::size_t end = rest.find('\n');
            const std::string_view piece = rest.substr(0, end);
            if (pending.size() + piece.size() > kLongestScriptLine)
                throw ScriptUsageError(std::string(name) + ":" + std::to_string(line + 1) +
                                       ": the line is longer than " + std::to_string(kLongestScriptLine) +
                                       " bytes, the most a script line may hold");
            pending.append(piece);
            if (end == std::string_view::npos) break;
            finish();
            rest.remove_prefix(end + 1);
        }
    }
    if (!pending.empty()) finish();
    return commands;
}

std::vector<Command> ReadScriptNamed(std::string_view program, const std::string& name, bool standardInputClosed)
{
    const bool fromStandardInput = name == "-";
    const std::string shownName = fromStandardInput ? "<stdin>" : ShownPath(name);
    const auto cannotRead = [&](const std::string& reason) {
        return ScriptUsageError(std::string(program) + ": cannot read the script '" + shownName + "': " + reason);
    };
    if (fromStandardInput && standardInputClosed) throw cannotRead("standard input is closed");
    // Blocking is right here: a script may come from a pipe that is still
    // being written.
    const int descriptor = fromStandardInput ? STDIN_FILENO : ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) throw cannotRead(std::generic_category().message(errno));
    try {
        std::vector<Command> commands = ReadScript(descriptor, shownName);
        if (!fromStandardInput) ::close(descriptor);
        return commands;
    } catch (...) {
        if (!fromStandardInput) ::close(descriptor);
        throw;
    }
}

RunFiles ScriptRunFiles(std::string_view program, const std::string& script, const std::filesystem::path& dataFile)
{
    RunFiles files;
    files.AddInput("the data file (--data)", dataFile);
    if (script == "-")
        files.AddOpenInput("the script (standard input)", STDIN_FILENO);
    else
        files.AddInput("the script (--script)", script);
    try {
        files.AddOpenOutput("standard output", STDOUT_FILENO);
    } catch (const FileClash& clash) {
        throw UsageError(std::string(program) + ": cannot write to standard output: " + clash.what());
    }
    return files;
}

bool StandardInputClosed() { return ::fcntl(STDIN_FILENO, F_GETFD) == -1 && errno == EBADF; }

void ReadyStandardStreams()
{
    std::signal(SIGPIPE, SIG_IGN);
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF) continue;
        // Open for reading only: every write to it fails with EBADF.
        const int held = ::open("/dev/null", O_RDONLY);
        if (held < 0 || held == stream) continue;
        ::dup2(held, stream);
        ::close(held);
    }
}
