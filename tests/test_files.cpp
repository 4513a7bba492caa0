#include "tests/test_files.h"

#include <atomic>
#include <fstream>
#include <string>

#include <unistd.h>

TempFile::TempFile(std::string_view contents, std::string_view name)
{
    static std::atomic<int> next{0};
    folder_ = std::filesystem::temp_directory_path() /
              ("rbd-test-" + std::to_string(::getpid()) + "-" + std::to_string(next++));
    std::filesystem::create_directories(folder_);
    path_ = folder_ / name;
    Rewrite(contents);
}

TempFile::~TempFile()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void TempFile::Rewrite(std::string_view contents) const
{
    std::ofstream(path_, std::ios::binary | std::ios::trunc)
        .write(contents.data(), static_cast<std::streamsize>(contents.size()));
}
