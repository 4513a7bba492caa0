#pragma once

#include <QFile>
#include <QSize>

#include "session/session.h"
#include "ui/error_reporter.h"

// Writes every command applied to the session to a file, as the script that
// replays the session to the same state: one line per command, in the file as
// soon as it is applied. A replay opens its drawing area at the default size,
// so the file starts with the area's size when it differs, and a resize to the
// size the replay already has is left out.
class SessionRecorder : private SessionListener {
public:
    SessionRecorder(Session& session, ErrorReporter reportError);

    // Empties the file at `path` and starts recording into it; throws
    // WriteError with the reason when it cannot be written.
    void Start(const QString& path);
    // A comment line, such as the lesson the session opened; nothing while
    // nothing is recorded.
    void Remark(const std::string& text);

private:
    void Applying(const Command& command) override;
    // Reports why, and lets the session go on unrecorded: the file keeps every
    // whole line written so far.
    void Stop(const std::string& why);

    Session& session_;
    ErrorReporter reportError_;
    QFile file_;
    QSize replayedSize_{Session::kStartWidth, Session::kStartHeight};
    Session::Listening listening_;
};
