#include "lesson/quantity.h"

#include <cmath>
#include <optional>
#include <string>

#include "session/state_path.h"

namespace {

// The path inside |...|, or nothing for a plain path.
std::optional<std::string_view> ListPath(std::string_view quantity)
{
    if (quantity.size() < 2 || !quantity.starts_with('|') || !quantity.ends_with('|')) return std::nullopt;
    return quantity.substr(1, quantity.size() - 2);
}

std::string Element(std::string_view path, std::size_t index)
{
    return std::string(path) + "[" + std::to_string(index) + "]";
}

}  // namespace

void CheckQuantity(std::string_view quantity)
{
    const std::optional<std::string_view> list = ListPath(quantity);
    CheckStatePath(list ? Element(*list, 0) : quantity);
}

double QuantityValue(std::string_view stateLine, std::string_view quantity)
{
    const std::optional<std::string_view> list = ListPath(quantity);
    if (!list) return StateValue(stateLine, quantity);
    double sum = StateValue(stateLine, Element(*list, 0));
    sum *= sum;
    // Every list of the state line has a fixed length; reading one past its
    // end is how that length is found.
    for (std::size_t i = 1;; ++i) {
        double value = 0.0;
        try {
            value = StateValue(stateLine, Element(*list, i));
        } catch (const StatePathError&) {
            return std::sqrt(sum);
        }
        sum += value * value;
    }
}
