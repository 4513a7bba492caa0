#include "ui/png_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <system_error>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void Refuse(int error) { throw WriteError(std::generic_category().message(error)); }

// The file a path ends at, links followed, so that writing over a link
// replaces what it points to, not the link; the path itself when nothing is
// there yet.
std::string Resolved(const std::string& path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// A fresh name beside `path`, hidden, that no other writer holds.
int CreateAside(const std::string& path, std::string& aside)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        aside = folder + "." + name + "." + std::to_string(::getpid()) + "-" + std::to_string(++serial) + ".part";
        const int descriptor = ::open(aside.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) return descriptor;
    }
    return -1;
}

}  // namespace

FileAside::FileAside(const std::string& requested) : path_(Resolved(requested))
{
    struct stat existing {};
    const bool replacing = ::stat(path_.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode))
        throw WriteError("it is not a regular file (a folder, a device or a pipe is never written over)");
    // Moving a file over another needs no leave of the file replaced, so its
    // own permissions are asked here; a file no one may write is read-only
    // even to an administrator, whom the system would let write it.
    if (replacing && ::access(path_.c_str(), W_OK) != 0) Refuse(errno);
    if (replacing && (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        throw WriteError("it is read-only: its permissions let no one write it");

    descriptor_ = CreateAside(path_, aside_);
    if (descriptor_ < 0) Refuse(errno);
    // A file written over keeps the permissions the person gave it.
    if (replacing && ::fchmod(descriptor_, existing.st_mode & 07777) != 0) {
        const int error = errno;
        ::close(descriptor_);
        ::unlink(aside_.c_str());
        Refuse(error);
    }
}

FileAside::~FileAside()
{
    if (descriptor_ >= 0) ::close(descriptor_);
    if (!moved_) ::unlink(aside_.c_str());
}

void FileAside::Abandon(int error)
{
    ::close(descriptor_);
    descriptor_ = -1;
    Refuse(error);
}

void FileAside::Write(std::string_view bytes, WriteCall write)
{
    if (write == nullptr) write = &::write;
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = write(descriptor_, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) Abandon(errno);
        // No progress and no error: the disk takes nothing more.
        if (written == 0) Abandon(ENOSPC);
        done += static_cast<std::size_t>(written);
    }
}

void FileAside::MoveIntoPlace()
{
    // Some file systems report a full disk or a lost device only here.
    if (::fsync(descriptor_) != 0) Abandon(errno);
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (closed != 0) Refuse(errno);
    if (::rename(aside_.c_str(), path_.c_str()) != 0) Refuse(errno);
    moved_ = true;
}

void WriteFileAside(const std::string& requested, std::string_view bytes, WriteCall write)
{
    FileAside file(requested);
    file.Write(bytes, write);
    file.MoveIntoPlace();
}

void WritePngFile(const QImage& image, const QString& path)
{
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        throw WriteError("the picture could not be encoded as PNG: " + writer.errorString().toStdString());
    WriteFileAside(path.toStdString(), std::string_view(encoded.constData(), static_cast<std::size_t>(encoded.size())));
}
