// rigid-body: begins reading the window's body, then loads the window's code
// and hands the run to it. Loading that code loads Qt's libraries, which takes
// some ten milliseconds; the body is read on another core meanwhile.
#include <dlfcn.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "app/window_start.h"
#include "session/script_file.h"
#include "session/session.h"

namespace {

constexpr int kCannotStart = 1;

// Where the window's code lies, beside this program as built or installed.
std::filesystem::path WindowModule()
{
    std::error_code failed;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed) return {};
    return self.parent_path() / RBD_WINDOW_MODULE;
}

}  // namespace

int main(int argc, char** argv)
{
    WindowStart start;
    start.standardInputClosed = StandardInputClosed();
    ReadyStandardStreams();
    if (const auto dataFile = PlainWindowDataFile({argv, static_cast<std::size_t>(argc)}); dataFile && HasDisplay())
        start.ahead = SetupAhead(std::string(Session::kFirstDensityText), *dataFile);

    const std::filesystem::path module = WindowModule();
    if (module.empty()) {
        std::cerr << "rigid-body: cannot find its own file in /proc/self/exe, beside which its window's code lies\n";
        return kCannotStart;
    }
    // Bound now: a symbol it lacks is named here rather than ending the run
    // when first called.
    void* window = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    auto* windowMain = window == nullptr ? nullptr : reinterpret_cast<WindowMain*>(::dlsym(window, kWindowMainName));
    if (windowMain == nullptr) {
        const char* why = ::dlerror();
        std::cerr << "rigid-body: cannot load its window's code: " << (why != nullptr ? why : module.c_str()) << '\n';
        return kCannotStart;
    }
    return windowMain(argc, argv, start);
}
