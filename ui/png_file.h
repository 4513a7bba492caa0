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

// Writes `bytes` beside `requested` under a hidden name, and only once every byte
// is written and on the disk moves it over `requested` in one step: a failure, a
// full disk or the program's end partway never leaves a short file under
// `requested`, and an older file there stays whole. Throws WriteError with the
// reason nothing was written. A path that names something other than a regular
// file (a device, a folder) is refused, not replaced.
void WriteFileAside(const std::string& requested, std::string_view bytes, WriteCall write = nullptr);

// The picture as a PNG file, written as above.
void WritePngFile(const QImage& image, const QString& path);
