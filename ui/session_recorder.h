#pragma once

#include <QSize>

#include "session/session.h"
#include "ui/error_reporter.h"
#include "ui/line_file.h"

// Writes every command applied to the session to a file, as the script that
// replays the session to the same state: one line per command, in the file as
// soon as it is applied. A replay opens its drawing area at the default size,
// so the file starts with the area's size when it differs, and a resize to the
// size the replay already has is left out.
class SessionRecorder : private SessionListener {
public:
    SessionRecorder(Session& session, ErrorReporter reportError);

    // Begins the file at `path` with a comment naming the data file,
    // replacing nothing yet (see LineFile), then Start puts it in place and
    // records into it from then on. Each throws WriteError with the reason the
    // file cannot be written.
    void Begin(const QString& path);
    void Start();

private:
    void Applying(const Command& command) override;
    // Reports why, and lets the session go on unrecorded: the file keeps every
    // whole line written so far.
    void Stop(const std::string& why);

    Session& session_;
    ErrorReporter reportError_;
    LineFile file_;
    QSize replayedSize_{Session::kStartWidth, Session::kStartHeight};
    Session::Listening listening_;
};
