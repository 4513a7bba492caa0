#include "ui/csv_recorder.h"

#include "session/csv.h"
#include "ui/whole_lines.h"

CsvRecorder::CsvRecorder(Session& session, ErrorReporter reportError)
    : session_(session), reportError_(std::move(reportError))
{
}

CsvRecorder::~CsvRecorder() { session_.StopListening(*this); }

bool CsvRecorder::Start(const QString& path, QString& problem)
{
    file_.setFileName(path);
    // Unbuffered: every row reaches the file as it is written.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        problem = file_.errorString();
        return false;
    }
    if (const std::string failed = AppendWholeLine(file_, CsvHeader()); !failed.empty()) {
        problem = QString::fromStdString(failed);
        file_.close();
        return false;
    }
    session_.Listen(*this);
    return true;
}

void CsvRecorder::Stepped()
{
    const std::string failed = AppendWholeLine(file_, CsvRow(session_.Simulation()));
    if (failed.empty()) return;
    session_.StopListening(*this);
    file_.close();
    reportError_("the data file '" + file_.fileName().toStdString() + "' stopped at step " +
                 std::to_string(session_.Simulation().steps) + ": " + failed + "; it holds every row up to there");
}
