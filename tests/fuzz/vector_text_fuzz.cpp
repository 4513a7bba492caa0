// The text block shows whatever the simulation produces, overflowed and NaN
// values included: every double must print in the "[a  b  c]" shape, and a
// finite one as a decimal within half a thousandth of it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

#include "tests/fuzz/check.h"
#include "session/vector_text.h"

namespace {

void CheckComponent(const std::string& text, double c)
{
    // No leading zeros, at most three decimals with no trailing zero, no "-0".
    static const std::regex decimal(R"(-?(0|[1-9][0-9]*)(\.[0-9]{0,2}[1-9])?)");
    if (std::isnan(c)) return Check(text == "NAN", "NaN reads NAN");
    if (std::isinf(c)) return Check(text == (c > 0 ? "INF" : "-INF"), "infinities read INF and -INF");
    Check(std::regex_match(text, decimal), "a finite component is a plain decimal");
    Check(text != "-0", "zero has no sign");
    // c·1000 is exact in extended precision, so the text is c rounded to
    // thousandths; reading it back adds at most half an ulp.
    const double back = std::strtod(text.c_str(), nullptr);
    Check(std::fabs(back - c) <= 0.0005 * (1 + 0x1p-40) + std::fabs(c) * 0x1p-51,
          "the text is within half a thousandth");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3 * sizeof(double)) return 0;
    double c[3];
    std::memcpy(c, data, sizeof c);

    const std::string text = VectorToText({c[0], c[1], c[2]});
    Check(text.size() >= 2 && text.front() == '[' && text.back() == ']', "the vector is in brackets");
    std::size_t start = 1;
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? text.find("  ", start) : text.size() - 1;
        Check(end != std::string::npos, "the components are separated by two blanks");
        CheckComponent(text.substr(start, end - start), c[i]);
        start = end + 2;
    }
    return 0;
}
