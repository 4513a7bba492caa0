#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include <sys/types.h>

class QImage;
class QString;

// A file that could not be written, and why; whatever was there stays as it was.
class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The one call that puts bytes into a file; a test gives its own to play a
// full disk or a write cut short.
using WriteCall = ssize_t (*)(int descriptor, const void* bytes, std::size_t count);

// A file written beside the one `requested` ends at (links followed) under a
// hidden name, and only once every byte is written and on the disk moved over
// it in one step: a failure, a full disk or the program's end partway never
// leaves a short file under `requested`, and an older file there stays whole,
// its permissions kept. A path that names something other than a regular file
// (a device, a folder), or a file that may not be written, is refused, not
// replaced. Every failure throws WriteError with the reason.
class FileAside {
public:
    explicit FileAside(const std::string& requested);
    // A file never moved into place is removed.
    ~FileAside();
    FileAside(const FileAside&) = delete;
    FileAside& operator=(const FileAside&) = delete;

    // Every byte, or a failure that leaves the hidden file to be removed.
    void Write(std::string_view bytes, WriteCall write = nullptr);
    void MoveIntoPlace();
    // The hidden file's name, for a writer that goes on writing once it is in
    // place.
    const std::string& AsidePath() const { return aside_; }

private:
    [[noreturn]] void Abandon(int error);

    std::string path_;
    std::string aside_;
    int descriptor_ = -1;
    bool moved_ = false;
};

// `bytes` as the whole file at `requested`, written aside as above.
void WriteFileAside(const std::string& requested, std::string_view bytes, WriteCall write = nullptr);

// The picture as a PNG file, written as above.
void WritePngFile(const QImage& image, const QString& path);
