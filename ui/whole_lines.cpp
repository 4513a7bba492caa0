#include "ui/whole_lines.h"

#include <QFile>

#include "ui/png_file.h"

void AppendWholeLine(QFile& file, const std::string& line)
{
    const std::string withBreak = line + '\n';
    const qint64 end = file.pos();
    const qint64 written = file.write(withBreak.data(), static_cast<qint64>(withBreak.size()));
    if (written == static_cast<qint64>(withBreak.size())) return;
    // Taken before the resize below, whose own failure (a device such as
    // /dev/full cannot be cut) would replace the write's reason. A write cut
    // short by a full disk or a size limit comes with no reason of its own.
    std::string reason = written < 0 || file.error() != QFileDevice::NoError
                             ? file.errorString().toStdString()
                             : "the file took only " + std::to_string(written) + " of the " +
                                   std::to_string(withBreak.size()) + " bytes of a line (is the disk full?)";
    file.resize(end);
    throw WriteError(reason);
}
