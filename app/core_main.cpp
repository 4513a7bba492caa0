// rigid-body-core: replays a script exactly as `rigid-body --script` does, on
// the same Session, with no Qt at all: the same state lines, messages and exit
// codes on any machine a C++ compiler reaches. It draws no pictures, so a
// script that asks for one is refused before anything runs.
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <string_view>

#include "session/blank_canvas.h"
#include "session/command_table.h"
#include "session/replay.h"
#include "session/script_file.h"
#include "session/session.h"
#include "sim/setup_error.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kEscapedException = 1;
constexpr const char* kProgram = "rigid-body-core";

void PrintHelp()
{
    std::cout << "Usage: " << kProgram << " [--data FILE] --script FILE\n"
              << "Replays the script FILE ('-' for standard input) as rigid-body --script does, without Qt,\n"
                 "printing what its 'state' lines ask for. Every script command is taken but 'frame'.\n\n"
                 "Options:\n"
                 "  --data FILE    read the body from FILE instead of data.txt in the working directory\n"
                 "  --script FILE  the script to replay\n"
                 "  -h, --help     print this help\n"
                 "  -v, --version  print the version\n"
                 "\nScript commands, one a line:\n"
              << CommandSummary();
}

int Run(int argc, char** argv, bool standardInputClosed)
{
    const auto refuse = [](const std::string& what) { throw UsageError(std::string(kProgram) + ": " + what); };
    std::string script, dataFile = "data.txt";
    bool scriptGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto value = [&](std::string_view option, std::string& into) {
            if (arg.starts_with(std::string(option) + "="))
                into = arg.substr(option.size() + 1);
            else if (i + 1 < argc)
                into = argv[++i];
            else
                refuse(std::string(option) + " needs a value (see --help)");
            if (into.empty()) refuse(std::string(option) + " needs a path, not an empty one");
        };
        if (arg == "-h" || arg == "--help") {
            PrintHelp();
            return 0;
        }
        if (arg == "-v" || arg == "--version") {
            std::cout << kProgram << ' ' << RBD_VERSION << '\n';
            return 0;
        }
        if (arg == "--script" || arg.starts_with("--script=")) {
            value("--script", script);
            scriptGiven = true;
        } else if (arg == "--data" || arg.starts_with("--data=")) {
            value("--data", dataFile);
        } else if (arg.starts_with('-') && arg != "-") {
            refuse("unknown option '" + ShownPath(arg) + "' (see --help)");
        } else {
            refuse("unexpected argument '" + ShownPath(arg) + "' (see --help)");
        }
    }
    if (!scriptGiven) refuse("--script FILE is needed (see --help)");
    // Its only output, standard output, may be neither the script nor the data.
    ScriptRunFiles(kProgram, script, dataFile);

    const std::vector<Command> commands = ReadScriptNamed(kProgram, script, standardInputClosed);
    for (const Command& command : commands)
        if (command.kind == CommandKind::Frame)
            throw ScriptUsageError((script == "-" ? std::string("<stdin>") : ShownPath(script)) + ":" +
                                   std::to_string(command.line) + ": " + kProgram +
                                   " draws no pictures: replay a script with 'frame' with rigid-body --script");

    BlankCanvas canvas(Session::kStartWidth, Session::kStartHeight);
    Session session(canvas, dataFile);
    return ReplayScript(session, commands, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv)
{
    const bool standardInputClosed = StandardInputClosed();
    ReadyStandardStreams();
    try {
        return Run(argc, argv, standardInputClosed);
    } catch (const UsageError& error) {
        std::cerr << error.what() << '\n';
        return kUsageError;
    } catch (const std::bad_alloc&) {
        std::cerr << kProgram << ": out of memory\n";
    } catch (const std::exception& error) {
        std::cerr << kProgram << ": " << error.what() << '\n';
    }
    return kEscapedException;
}
