#pragma once

#include <memory>
#include <string>

#include <QFile>
#include <QString>

class FileAside;

// A file the program writes a whole line at a time as a run goes: a recording,
// the CSV. It is started in two steps, so that a run with several of them
// replaces none before every one could be begun: Begin writes the first line
// where it replaces nothing yet (a hidden file beside a regular file, as
// FileAside makes one; a device or a pipe itself, which holds nothing to
// keep), and PutInPlace moves it over the file named. Every failure throws
// WriteError with the reason.
class LineFile {
public:
    LineFile();
    ~LineFile();
    LineFile(const LineFile&) = delete;
    LineFile& operator=(const LineFile&) = delete;

    void Begin(const QString& path, const std::string& firstLine);
    void PutInPlace();
    // Appends `line` and a line break, unbuffered: all of it, or nothing. A
    // write cut short is cut back to where the line began, so the file always
    // ends on a whole line that a reader takes as it was meant.
    void Append(const std::string& line);
    void Close() { file_.close(); }
    // The path named, as messages show it.
    std::string ShownPath() const;

private:
    QString path_;
    std::unique_ptr<FileAside> aside_;
    QFile file_;
};
