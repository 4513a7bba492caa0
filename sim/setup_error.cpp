#include "sim/setup_error.h"

#include <algorithm>
#include <cstdint>

namespace {

// The length of the UTF-8 sequence that starts `text`, and its code point, or
// 0 when the bytes there are no well-formed sequence.
std::size_t DecodeOne(std::string_view text, char32_t& code)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    std::size_t length = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        smallest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < smallest || code > 0x10FFFF || surrogate ? 0 : length;
}

// Controls, and the marks that take no room or turn the text's direction.
bool Shows(char32_t code)
{
    if (code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0xAD) return false;
    if ((code >= 0x200B && code <= 0x200F) || (code >= 0x2028 && code <= 0x202E) || (code >= 0x2060 && code <= 0x206F))
        return false;
    return code != 0xFEFF && !(code >= 0xFFF9 && code <= 0xFFFB) && code != 0xFFFE && code != 0xFFFF;
}

void AppendEscaped(std::string& out, std::string_view bytes)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto value = static_cast<unsigned char>(c);
        out += "\\x";
        out += kHex[value >> 4];
        out += kHex[value & 0xF];
    }
}

bool ContinuesCharacter(std::string_view text, std::size_t i)
{
    return i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
}

}  // namespace

std::string PrintableText(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    while (!text.empty()) {
        char32_t code = 0;
        const std::size_t length = DecodeOne(text, code);
        if (length == 0) {
            AppendEscaped(shown, text.substr(0, 1));
            text.remove_prefix(1);
            continue;
        }
        if (code == '\\')
            shown += "\\\\";
        else if (Shows(code))
            shown.append(text.substr(0, length));
        else
            AppendEscaped(shown, text.substr(0, length));
        text.remove_prefix(length);
    }
    return shown;
}

std::string QuoteToken(std::string_view token)
{
    constexpr std::size_t longest = 40;
    std::size_t cut = std::min(token.size(), longest);
    // Never between the bytes of one UTF-8 character, which would show as
    // escapes that are not in the text.
    const std::size_t whole = cut;
    while (cut > 0 && ContinuesCharacter(token, cut)) --cut;
    if (cut == 0) cut = whole;  // no character starts in reach: bytes, escaped
    return "\"" + PrintableText(token.substr(0, cut)) + (token.size() > cut ? "...\"" : "\"");
}

std::string ShownPath(std::string_view path)
{
    if (path.size() <= kLongestShownPath) return PrintableText(path);
    // Both ends kept whole to the character: a cut inside a UTF-8 sequence
    // would show as escapes that are not in the path.
    std::size_t headEnd = kLongestShownPath / 2;
    while (headEnd > 0 && ContinuesCharacter(path, headEnd)) --headEnd;
    std::size_t tailStart = path.size() - kLongestShownPath / 2;
    while (tailStart < path.size() && ContinuesCharacter(path, tailStart)) ++tailStart;
    return PrintableText(path.substr(0, headEnd)) + "..." + PrintableText(path.substr(tailStart));
}
