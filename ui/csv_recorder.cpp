#include "ui/csv_recorder.h"

#include "session/csv.h"

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
    if (const std::string failed = WriteLine(CsvHeader()); !failed.empty()) {
        problem = QString::fromStdString(failed);
        file_.close();
        return false;
    }
    session_.Listen(*this);
    return true;
}

void CsvRecorder::Stepped()
{
    const std::string failed = WriteLine(CsvRow(session_.Simulation()));
    if (failed.empty()) return;
    session_.StopListening(*this);
    file_.close();
    reportError_("the data file '" + file_.fileName().toStdString() + "' stopped at step " +
                 std::to_string(session_.Simulation().steps) + ": " + failed + "; it holds every row up to there");
}

std::string CsvRecorder::WriteLine(const std::string& line)
{
    const std::string withBreak = line + '\n';
    const qint64 end = file_.pos();
    const qint64 written = file_.write(withBreak.data(), static_cast<qint64>(withBreak.size()));
    if (written == static_cast<qint64>(withBreak.size())) return {};
    // Half a row would be read as a row of wrong numbers.
    file_.resize(end);
    if (written < 0 || file_.error() != QFileDevice::NoError) return file_.errorString().toStdString();
    return "the file took only " + std::to_string(written) + " of the " + std::to_string(withBreak.size()) +
           " bytes of a row (is the disk full?)";
}
