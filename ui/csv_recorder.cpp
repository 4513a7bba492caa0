#include "ui/csv_recorder.h"

#include "session/csv.h"
#include "ui/png_file.h"
#include "ui/whole_lines.h"

CsvRecorder::CsvRecorder(Session& session, ErrorReporter reportError)
    : session_(session), reportError_(std::move(reportError))
{
}

void CsvRecorder::Start(const QString& path)
{
    file_.setFileName(path);
    // Unbuffered: every row reaches the file as it is written.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw WriteError(file_.errorString().toStdString());
    try {
        AppendWholeLine(file_, CsvHeader());
    } catch (const WriteError&) {
        file_.close();
        throw;
    }
    listening_ = session_.Listen(*this);
}

void CsvRecorder::Stepped()
{
    try {
        AppendWholeLine(file_, CsvRow(session_.Simulation()));
    } catch (const WriteError& failure) {
        listening_.Stop();
        file_.close();
        reportError_("the data file '" + file_.fileName().toStdString() + "' stopped at step " +
                     std::to_string(session_.Simulation().steps) + ": " + failure.what() +
                     "; it holds every row up to there");
    }
}
