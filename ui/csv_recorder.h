#pragma once

#include <QString>

#include "session/session.h"
#include "ui/error_reporter.h"
#include "ui/line_file.h"

// Writes the run's data to a CSV file as it happens: the header at the start,
// then one row per time step, each on disk as soon as it is written. A write
// that fails is reported once and ends the file on its last whole row; the
// session goes on.
class CsvRecorder : private SessionListener {
public:
    CsvRecorder(Session& session, ErrorReporter reportError);
    CsvRecorder(const CsvRecorder&) = delete;
    CsvRecorder& operator=(const CsvRecorder&) = delete;

    // Begins the file at `path` with the header, replacing nothing yet (see
    // LineFile), then Start puts it in place and writes every step from then
    // on. Each throws WriteError with the reason the file cannot be written.
    void Begin(const QString& path);
    void Start();

private:
    void Stepped() override;

    Session& session_;
    ErrorReporter reportError_;
    LineFile file_;
    Session::Listening listening_;
};
