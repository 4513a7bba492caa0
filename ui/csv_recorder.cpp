#include "ui/csv_recorder.h"

#include <QCoreApplication>

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
        reportError_(QCoreApplication::translate("CsvRecorder",
                                                 "the data file '%1' stopped at step %2: %3; it holds every row up to "
                                                 "there")
                         .arg(QString::fromStdString(file_.ShownPath()), QString::number(session_.Simulation().steps),
                              QString::fromStdString(failure.what()))
                         .toStdString());
    }
}
