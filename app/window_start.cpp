#include "app/window_start.h"

#include <cstdlib>
#include <string_view>

namespace {

// A variable set but empty names no display: Qt would try its default one and
// abort.
bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

std::optional<std::filesystem::path> PlainWindowDataFile(std::span<const char* const> arguments)
{
    std::filesystem::path dataFile = "data.txt";
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const std::string_view option = argument.substr(0, argument.find('='));
        if (option != "--data" && option != "--record" && option != "--csv") return std::nullopt;
        std::string_view value;
        if (option.size() < argument.size())
            value = argument.substr(option.size() + 1);
        else if (i + 1 < arguments.size())
            value = arguments[++i];
        if (value.empty()) return std::nullopt;
        if (option == "--data") dataFile = value;
    }
    return dataFile;
}

bool HasDisplay() { return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY"); }
