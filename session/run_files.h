#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/types.h>

// An output that would be written over a file the run reads or writes:
// "it is also WHAT".
class FileClash : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The files one run reads and writes. Writing an output over one of its
// inputs, or over another of its outputs, would destroy what the run needs or
// has written, whatever path names it: a file is known by what it is, its
// device and inode, and one not there yet by its full path. Each check looks
// anew, since a run creates its outputs and a data file may be replaced.
class RunFiles {
public:
    // `what` names the file in a refusal, such as "the data file (--data)".
    void AddInput(std::string what, std::filesystem::path path);
    // Checked as CheckOutput does, then added.
    void AddOutput(std::string what, std::filesystem::path path);
    // A standard stream the program was started with: only a regular file is
    // taken, a terminal or a pipe being no file a run could write over.
    void AddOpenInput(std::string what, int descriptor);
    void AddOpenOutput(std::string what, int descriptor);

    // Throws FileClash when writing `path` would write over a file of the
    // run, or over the data file the session reads now.
    void CheckOutput(const std::filesystem::path& path, const std::filesystem::path& dataFileInUse = {}) const;

private:
    struct Identity {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        std::filesystem::path absentPath;  // the full path of a file not there

        bool operator==(const Identity&) const = default;
    };
    struct Known {
        std::string what;
        std::filesystem::path path;
        std::optional<Identity> opened;  // a stream's, taken when it was added
    };
    static Identity IdentityOf(const std::filesystem::path& path);
    static std::optional<Identity> OpenIdentity(int descriptor);
    void CheckAgainst(const Identity& output) const;

    std::vector<Known> known_;
};
