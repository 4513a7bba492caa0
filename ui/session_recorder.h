#pragma once

#include <QFile>
#include <QSize>

#include "session/session.h"
#include "ui/Unit1.h"

// Writes every event that reaches the session to a file, as the
// script that replays the session to the same state: one line per event, in
// the file as soon as the event reaches the window. A replay opens its drawing
// area at the default size, so the file starts with the area's size when it
// differs, and a resize to the size the replay already has is left out.
class SessionRecorder : private SessionListener {
public:
    SessionRecorder(Session& session, ErrorReporter reportError);
    ~SessionRecorder() override;

    // Empties the file at `path` and starts recording into it; false, with the
    // reason in `problem`, when it cannot be written.
    bool Start(const QString& path, QString& problem);

private:
    void EventReached(const ScriptCommand& command) override;
    // Reports why, and lets the session go on unrecorded: the file keeps every
    // whole line written so far.
    void Stop(const std::string& why);

    Session& session_;
    ErrorReporter reportError_;
    QFile file_;
    QSize replayedSize_{TForm1::kClientWidth, TForm1::kClientHeight};
};
