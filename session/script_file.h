#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "session/run_files.h"
#include "session/script.h"

// The longest script line read. A density text or a path is far shorter; a
// source without line breaks, such as /dev/zero, is refused here rather than
// read until memory runs out.
inline constexpr std::size_t kLongestScriptLine = std::size_t{1} << 20;

// Reads a whole script from an open file descriptor (a file, a pipe or
// standard input) to its end, checking each line as it arrives. Throws
// ScriptUsageError "NAME: cannot read the script: REASON" or "NAME:LINE: ...".
std::vector<Command> ReadScript(int descriptor, std::string_view name);

// The script a command line names: a file, or "-" for standard input, which
// `standardInputClosed` says was closed when the program started. Throws
// ScriptUsageError; one that cannot be opened says
// "PROGRAM: cannot read the script 'NAME': REASON".
std::vector<Command> ReadScriptNamed(std::string_view program, const std::string& name, bool standardInputClosed);

// The files of a scripted run as its command line names them: the data file
// and the script (a file, or "-" for standard input) are read, standard output
// written. Throws UsageError "PROGRAM: cannot write to standard output: it is
// also the script (--script)" when standard output is one of them.
RunFiles ScriptRunFiles(std::string_view program, const std::string& script, const std::filesystem::path& dataFile);

// Whether standard input is closed; asked before anything else opens a file,
// which would then be given its number.
bool StandardInputClosed();

// Readies the standard streams of a program that replays scripts, before
// anything opens a file: a write to a pipe whose reader has gone then fails
// with a reason rather than ending the program unseen (SIGPIPE), and a closed
// standard output or error is held by a descriptor that refuses every write,
// as a closed one does, so that no file opened later takes its number and
// receives what was meant for the stream.
void ReadyStandardStreams();
