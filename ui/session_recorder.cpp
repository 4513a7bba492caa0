#include "ui/session_recorder.h"

#include <algorithm>

#include <QCoreApplication>

#include "ui/png_file.h"
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

void SessionRecorder::Begin(const QString& path) { file_.Begin(path, Header(session_.DataFile())); }

void SessionRecorder::Start()
{
    file_.PutInPlace();
    recording_ = true;
    listening_ = session_.Listen(*this);
    Applying({.kind = CommandKind::Size, .x = session_.Width(), .y = session_.Height()});
}

void SessionRecorder::Remark(const std::string& text)
{
    if (!recording_) return;
    std::string line = "# " + text;
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    try {
        file_.Append(line);
    } catch (const WriteError& failure) {
        Stop(failure.what());
    }
}

void SessionRecorder::Applying(const Command& command)
{
    const bool resize = command.kind == CommandKind::Size;
    if (resize && QSize(command.x, command.y) == replayedSize_) return;
    try {
        file_.Append(ScriptLine(command));
    } catch (const UnwritableCommand& error) {
        Stop(QCoreApplication::translate("SessionRecorder", "%1, which a script line cannot hold")
                 .arg(QString::fromStdString(error.what()))
                 .toStdString());
        return;
    } catch (const WriteError& failure) {
        Stop(failure.what());
        return;
    }
    if (resize) replayedSize_ = QSize(command.x, command.y);
}

void SessionRecorder::Stop(const std::string& why)
{
    reportError_(QCoreApplication::translate("SessionRecorder",
                                             "recording to '%1' stopped: %2; the file holds the session up to here")
                     .arg(QString::fromStdString(file_.ShownPath()), QString::fromStdString(why))
                     .toStdString());
    file_.Close();
    recording_ = false;
    listening_.Stop();
}
