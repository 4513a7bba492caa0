#include "session/vector_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "math/extended.h"

namespace {

std::string ComponentText(double c)
{
    if (std::isnan(c)) return "NAN";
    if (std::isinf(c)) return c > 0 ? "INF" : "-INF";

    // From 2^53 on every double is whole, and so is c·1000, of at most 60
    // significant bits and a multiple of 8: adding 0.5 either stays exact (below
    // 2^63) or rounds back to the even c·1000, so n is c·1000 itself and the
    // text is c's own exact decimal.
    if (std::fabs(c) >= 0x1p53) {
        char buffer[400];  // the largest double has 309 digits
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, c, std::chars_format::fixed, 0).ptr;
        return std::string(buffer, end);
    }

    // n = ⌊c·1000 + 0.5⌋ with the product and the sum rounded to 64 bits, so
    // that halfway cases such as 0.0625 (62.5 thousandths) go up exactly as
    // written and 1.0045, a hair below its decimal, stays below 1004.5. Below
    // 2^53, |n| stays under 2^63.
    const Extended product = Multiply(ToExtended(c), ToExtended(1000));
    const std::int64_t n = ToWholeNumber(Floor(Add(product, ToExtended(0.5)))).value();

    char buffer[24];
    std::string digits(buffer, std::to_chars(buffer, buffer + sizeof buffer, n).ptr);
    const bool negative = digits.front() == '-';
    if (negative) digits.erase(0, 1);
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');

    std::string text = negative ? "-" : "";
    text += digits.substr(0, digits.size() - 3);
    std::string fraction = digits.substr(digits.size() - 3);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) text += "." + fraction;
    return text;
}

}  // namespace

std::string VectorToText(Vector3 v)
{
    return "[" + ComponentText(v.x) + "  " + ComponentText(v.y) + "  " + ComponentText(v.z) + "]";
}
