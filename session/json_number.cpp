#include "session/json_number.h"

#include <charconv>
#include <cmath>

void AppendJsonNumber(std::string& out, double value)
{
    // JSON has no word for inf or NaN, and a reader should see a gap, not a
    // number that was never computed.
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char buffer[32];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}
