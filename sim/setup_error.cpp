#include "sim/setup_error.h"

#include <algorithm>

std::string QuoteToken(std::string_view token)
{
    constexpr std::size_t longest = 40;
    std::size_t cut = std::min(token.size(), longest);
    // Never between the bytes of one UTF-8 character: the message is text.
    auto continues = [&](std::size_t i) { return (static_cast<unsigned char>(token[i]) & 0xC0) == 0x80; };
    while (cut < token.size() && cut > 0 && continues(cut)) --cut;
    std::string quoted = "\"";
    for (char c : token.substr(0, cut)) quoted += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    if (token.size() > longest) quoted += "...";
    return quoted + "\"";
}
