#pragma once

#include <QFile>
#include <QString>

#include "session/session.h"
#include "ui/error_reporter.h"

// Writes the run's data to a CSV file as it happens: the header at the start,
// then one row per time step, each on disk as soon as it is written. A write
// that fails is reported once and ends the file on its last whole row; the
// session goes on.
class CsvRecorder : private SessionListener {
public:
    CsvRecorder(Session& session, ErrorReporter reportError);
    CsvRecorder(const CsvRecorder&) = delete;
    CsvRecorder& operator=(const CsvRecorder&) = delete;

    // Empties the file at `path` and writes the header; throws WriteError with
    // the reason when it cannot be written.
    void Start(const QString& path);

private:
    void Stepped() override;

    Session& session_;
    ErrorReporter reportError_;
    QFile file_;
    Session::Listening listening_;
};
