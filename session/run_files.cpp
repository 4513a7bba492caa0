#include "session/run_files.h"

#include <sys/stat.h>

RunFiles::Identity RunFiles::IdentityOf(const std::filesystem::path& path)
{
    struct stat status {};
    if (!path.empty() && ::stat(path.c_str(), &status) == 0)
        return {.exists = true, .device = status.st_dev, .inode = status.st_ino, .absentPath = {}};
    // Its folder's links resolved, so that two spellings of one path agree.
    std::error_code unresolved;
    std::filesystem::path full = std::filesystem::weakly_canonical(path, unresolved);
    if (unresolved) full = std::filesystem::absolute(path, unresolved).lexically_normal();
    return {.exists = false, .device = 0, .inode = 0, .absentPath = full};
}

std::optional<RunFiles::Identity> RunFiles::OpenIdentity(int descriptor)
{
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return Identity{.exists = true, .device = status.st_dev, .inode = status.st_ino, .absentPath = {}};
}

void RunFiles::AddInput(std::string what, std::filesystem::path path)
{
    known_.push_back({std::move(what), std::move(path), std::nullopt});
}

void RunFiles::AddOutput(std::string what, std::filesystem::path path)
{
    CheckOutput(path);
    AddInput(std::move(what), std::move(path));
}

void RunFiles::AddOpenInput(std::string what, int descriptor)
{
    if (const auto identity = OpenIdentity(descriptor)) known_.push_back({std::move(what), {}, identity});
}

void RunFiles::AddOpenOutput(std::string what, int descriptor)
{
    if (const auto identity = OpenIdentity(descriptor)) {
        CheckAgainst(*identity);
        known_.push_back({std::move(what), {}, identity});
    }
}

void RunFiles::CheckOutput(const std::filesystem::path& path, const std::filesystem::path& dataFileInUse) const
{
    const Identity output = IdentityOf(path);
    CheckAgainst(output);
    if (!dataFileInUse.empty() && IdentityOf(dataFileInUse) == output)
        throw FileClash("it is also the data file in use");
}

void RunFiles::CheckAgainst(const Identity& output) const
{
    for (const Known& file : known_)
        if ((file.opened ? *file.opened : IdentityOf(file.path)) == output) throw FileClash("it is also " + file.what);
}
