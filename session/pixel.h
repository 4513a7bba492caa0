#pragma once

#include <optional>

// Truncation toward zero to a pixel coordinate, or nothing when the value is
// not finite or would not fit an int: converting it would be undefined.
inline std::optional<int> TruncateToPixel(double value)
{
    if (!(value > -2147483649.0 && value < 2147483648.0)) return std::nullopt;
    return static_cast<int>(value);
}
