#include "bench/generated_data.h"

#include <charconv>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>

#include <unistd.h>

namespace {

class ScratchFolder {
public:
    ScratchFolder() : path_(std::filesystem::temp_directory_path() / ("rbd-bench-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Buffered so that writing a file of 10^6 particles never holds more than one
// small block: the memory benchmark takes its baseline after the file exists.
class Writer {
public:
    explicit Writer(const std::filesystem::path& path) : file_(std::fopen(path.c_str(), "wb"), &std::fclose)
    {
        if (!file_) throw std::runtime_error("cannot write " + path.string());
    }

    void Put(char c)
    {
        if (used_ == sizeof buffer_) Flush();
        buffer_[used_++] = c;
    }
    void Put(unsigned long long number)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        for (const char* p = digits; p != end; ++p) Put(*p);
    }

    void Finish()
    {
        Flush();
        if (std::fflush(file_.get()) != 0) throw std::runtime_error("cannot write a generated data file");
    }

private:
    void Flush()
    {
        if (used_ != 0 && std::fwrite(buffer_, 1, used_, file_.get()) != used_)
            throw std::runtime_error("cannot write a generated data file");
        used_ = 0;
    }

    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
    char buffer_[1 << 16];
    std::size_t used_ = 0;
};

// A decimal in [low, high) with one to three decimals, such as "-78.9".
void PutCoordinate(Writer& out, std::mt19937_64& random, long long low, long long high)
{
    const int decimals = 1 + static_cast<int>(random() % 3);
    const long long scale = decimals == 1 ? 10 : decimals == 2 ? 100 : 1000;
    const auto span = static_cast<unsigned long long>((high - low) * scale);
    const long long value = low * scale + static_cast<long long>(random() % span);
    if (value < 0) out.Put('-');
    const unsigned long long magnitude = static_cast<unsigned long long>(value < 0 ? -value : value);
    out.Put(magnitude / static_cast<unsigned long long>(scale));
    out.Put('.');
    unsigned long long fraction = magnitude % static_cast<unsigned long long>(scale);
    for (long long place = scale / 10; place >= 1; place /= 10) {
        out.Put(static_cast<char>('0' + fraction / static_cast<unsigned long long>(place)));
        fraction %= static_cast<unsigned long long>(place);
    }
}

void Write(const std::filesystem::path& path, std::size_t particles, Spread spread)
{
    std::mt19937_64 random(20261207);
    Writer out(path);
    out.Put(static_cast<unsigned long long>(particles));
    out.Put('\n');
    for (std::size_t i = 0; i < particles; ++i) {
        if (spread == Spread::Wide) {
            PutCoordinate(out, random, -999, 1000);
            out.Put(' ');
            PutCoordinate(out, random, -999, 1000);
        } else {
            PutCoordinate(out, random, 20, 200);
            out.Put(' ');
            PutCoordinate(out, random, 20, 118);
        }
        out.Put('\n');
    }
    out.Finish();
}

}  // namespace

const std::filesystem::path& GeneratedDataFile(std::size_t particles, Spread spread)
{
    static ScratchFolder folder;
    static std::map<std::pair<std::size_t, Spread>, std::filesystem::path> written;

    const auto key = std::make_pair(particles, spread);
    if (const auto found = written.find(key); found != written.end()) return found->second;

    const std::filesystem::path path =
        folder.path() / ((spread == Spread::Wide ? "wide-" : "box-") + std::to_string(particles) + ".txt");
    Write(path, particles, spread);
    return written.emplace(key, path).first->second;
}
