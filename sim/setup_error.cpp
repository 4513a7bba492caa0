#include "sim/setup_error.h"

std::string QuoteToken(std::string_view token)
{
    constexpr std::size_t longest = 40;
    std::string quoted = "\"";
    for (char c : token.substr(0, longest)) quoted += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    if (token.size() > longest) quoted += "...";
    return quoted + "\"";
}
