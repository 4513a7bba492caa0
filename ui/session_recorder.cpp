#include "ui/session_recorder.h"

#include <algorithm>

#include <QFileInfo>

#include "ui/png_file.h"
#include "ui/whole_lines.h"
#include "session/script_line.h"

SessionRecorder::SessionRecorder(Session& session, ErrorReporter reportError)
    : session_(session), reportError_(std::move(reportError))
{
}

namespace {

// A comment naming the data file the session began on, which the replay must
// be given too; a line break in its name must not end the comment.
std::string Header(const std::filesystem::path& dataFile)
{
    std::error_code noWorkingFolder;
    const std::filesystem::path absolute = std::filesystem::absolute(dataFile, noWorkingFolder);
    std::string name = (noWorkingFolder ? dataFile : absolute).string();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r'; }, '?');
    return "# Rigid Body Dynamics session on the data file " + name + " (replay it with --data and that file)";
}

}  // namespace

void SessionRecorder::Start(const QString& path)
{
    file_.setFileName(path);
    // A file is started aside and moved into place, so that a full disk
    // leaves an earlier recording whole; a pipe or a device is written as is.
    const QFileInfo target(path);
    const bool plainFile = !target.exists() || target.isFile();
    if (plainFile) WriteFileAside(path.toStdString(), Header(session_.DataFile()) + '\n');
    // Unbuffered: every line reaches the file as it is written.
    if (!file_.open(QIODevice::WriteOnly | (plainFile ? QIODevice::Append : QIODevice::Truncate) |
                    QIODevice::Unbuffered))
        throw WriteError(file_.errorString().toStdString());
    if (!plainFile) {
        try {
            AppendWholeLine(file_, Header(session_.DataFile()));
        } catch (const WriteError&) {
            file_.close();
            throw;
        }
    }
    listening_ = session_.Listen(*this);
    Applying({.kind = CommandKind::Size, .x = session_.Width(), .y = session_.Height()});
}

void SessionRecorder::Remark(const std::string& text)
{
    if (!file_.isOpen()) return;
    std::string line = "# " + text;
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    try {
        AppendWholeLine(file_, line);
    } catch (const WriteError& failure) {
        Stop(failure.what());
    }
}

void SessionRecorder::Applying(const Command& command)
{
    const bool resize = command.kind == CommandKind::Size;
    if (resize && QSize(command.x, command.y) == replayedSize_) return;
    try {
        AppendWholeLine(file_, ScriptLine(command));
    } catch (const UnwritableCommand& error) {
        Stop(std::string(error.what()) + ", which a script line cannot hold");
        return;
    } catch (const WriteError& failure) {
        Stop(failure.what());
        return;
    }
    if (resize) replayedSize_ = QSize(command.x, command.y);
}

void SessionRecorder::Stop(const std::string& why)
{
    reportError_("recording to '" + file_.fileName().toStdString() + "' stopped: " + why +
                 "; the file holds the session up to here");
    file_.close();
    listening_.Stop();
}
