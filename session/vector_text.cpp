#include "session/vector_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// The decimal digits of a whole number held in a long double, sign included.
std::string WholeNumberDigits(long double n)
{
    constexpr long double kLongLongLimit = 9223372036854775808.0L;  // 2^63
    if (n > -kLongLongLimit && n < kLongLongLimit) {
        char buffer[24];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(n)).ptr;
        return std::string(buffer, end);
    }
    // Larger magnitudes only arise from components beyond 9·10^15; glibc
    // prints a whole long double exactly.
    char buffer[5000];
    std::snprintf(buffer, sizeof buffer, "%.0Lf", n);
    return buffer;
}

std::string ComponentText(double c)
{
    if (std::isnan(c)) return "NAN";
    if (std::isinf(c)) return c > 0 ? "INF" : "-INF";

    // Rounded in extended precision, so that halfway cases such as 0.0625
    // (62.5 thousandths) go up exactly as written and not as a double would round.
    const long double n = std::floor(static_cast<long double>(c) * 1000.0L + 0.5L);

    std::string digits = WholeNumberDigits(n);
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
