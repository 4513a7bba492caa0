#include "sim/density.h"

#include <cmath>
#include <string>

#include "sim/decimal_number.h"
#include "sim/setup_error.h"

namespace {

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

[[noreturn]] void Reject(std::string_view text, std::string_view problem)
{
    throw DensityError("density " + QuoteToken(text) + " " + std::string(problem) +
                       ": enter a positive number, such as 1 or 2.5");
}

}  // namespace

double ParseDensity(std::string_view text)
{
    if (text.size() > kLongestDensityText)
        Reject(text, "is longer than " + std::to_string(kLongestDensityText) + " characters");
    const std::optional<double> value = ParseDecimalNumber(TrimBlanks(text));
    if (!value) Reject(text, "is not a number");
    if (!std::isfinite(*value)) Reject(text, "is too large");
    if (!(*value > 0.0)) Reject(text, "is not positive");
    return *value;
}
