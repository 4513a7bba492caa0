#include "ui/line_file.h"

#include <QFileInfo>

#include "sim/setup_error.h"
#include "ui/png_file.h"

LineFile::LineFile() = default;
LineFile::~LineFile() = default;

void LineFile::Begin(const QString& path, const std::string& firstLine)
{
    Close();
    aside_.reset();
    path_ = path;
    const QFileInfo target(path);
    if (!target.exists() || target.isFile()) {
        aside_ = std::make_unique<FileAside>(path.toStdString());
        aside_->Write(firstLine + '\n');
        // Opened by its own name: once moved into place, it is the same file.
        file_.setFileName(QString::fromStdString(aside_->AsidePath()));
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            throw WriteError(file_.errorString().toStdString());
        return;
    }
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw WriteError(file_.errorString().toStdString());
    try {
        Append(firstLine);
    } catch (const WriteError&) {
        Close();
        throw;
    }
}

void LineFile::PutInPlace()
{
    if (aside_) aside_->MoveIntoPlace();
    aside_.reset();
}

void LineFile::Append(const std::string& line)
{
    const std::string withBreak = line + '\n';
    const qint64 end = file_.pos();
    const qint64 written = file_.write(withBreak.data(), static_cast<qint64>(withBreak.size()));
    if (written == static_cast<qint64>(withBreak.size())) return;
    // Taken before the resize below, whose own failure (a device such as
    // /dev/full cannot be cut) would replace the write's reason. A write cut
    // short by a full disk or a size limit comes with no reason of its own.
    std::string reason = written < 0 || file_.error() != QFileDevice::NoError
                             ? file_.errorString().toStdString()
                             : "the file took only " + std::to_string(written) + " of the " +
                                   std::to_string(withBreak.size()) + " bytes of a line (is the disk full?)";
    file_.resize(end);
    throw WriteError(reason);
}

std::string LineFile::ShownPath() const { return ::ShownPath(path_.toStdString()); }
