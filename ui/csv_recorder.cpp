#include "ui/csv_recorder.h"

#include "session/csv.h"
#include "ui/png_file.h"

CsvRecorder::CsvRecorder(Session& session, ErrorReporter reportError)
    : session_(session), reportError_(std::move(reportError))
{
}

void CsvRecorder::Begin(const QString& path) { file_.Begin(path, CsvHeader()); }

void CsvRecorder::Start()
{
    file_.PutInPlace();
    listening_ = session_.Listen(*this);
}

void CsvRecorder::Stepped()
{
    try {
        file_.Append(CsvRow(session_.Simulation()));
    } catch (const WriteError& failure) {
        listening_.Stop();
        file_.Close();
        reportError_("the data file '" + file_.ShownPath() + "' stopped at step " +
                     std::to_string(session_.Simulation().steps) + ": " + failure.what() +
                     "; it holds every row up to there");
    }
}
