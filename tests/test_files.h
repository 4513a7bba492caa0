#pragma once

#include <filesystem>
#include <string_view>

// A file with the given bytes in a fresh temporary folder, removed with it.
class TempFile {
public:
    explicit TempFile(std::string_view contents, std::string_view name = "data.txt");
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    const std::filesystem::path& folder() const { return folder_; }
    void Rewrite(std::string_view contents) const;

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};
