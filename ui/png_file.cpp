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

void WriteFileAside(const std::string& requested, std::string_view bytes, WriteCall write)
{
    if (write == nullptr) write = &::write;
    const std::string path = Resolved(requested);
    struct stat existing {};
    const bool replacing = ::stat(path.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode))
        throw WriteError("it is not a regular file (a folder, a device or a pipe is never written over)");

    std::string aside;
    const int descriptor = CreateAside(path, aside);
    if (descriptor < 0) Refuse(errno);
    auto abandon = [&](int error) {
        ::close(descriptor);
        ::unlink(aside.c_str());
        Refuse(error);
    };
    // A picture written over keeps the permissions the person gave it.
    if (replacing && ::fchmod(descriptor, existing.st_mode & 07777) != 0) abandon(errno);
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = write(descriptor, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) abandon(errno);
        // No progress and no error: the disk takes nothing more.
        if (written == 0) abandon(ENOSPC);
        done += static_cast<std::size_t>(written);
    }
    // Some file systems report a full disk or a lost device only here.
    if (::fsync(descriptor) != 0) abandon(errno);
    if (::close(descriptor) != 0) {
        const int error = errno;
        ::unlink(aside.c_str());
        Refuse(error);
    }
    if (::rename(aside.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(aside.c_str());
        Refuse(error);
    }
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
