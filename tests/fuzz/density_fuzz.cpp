// Whatever is typed into the density box comes back as a finite positive
// density or as a SetupError; any other exception escapes and counts as a
// finding. An accepted text must mean the number strtod reads from it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sim/density.h"
#include "sim/setup_error.h"
#include "tests/fuzz/check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    double density = 0.0;
    try {
        density = ParseDensity(text);
    } catch (const SetupError&) {
        return 0;
    }
    Check(std::isfinite(density) && density > 0.0, "an accepted density is finite and positive");
    // Accepted text is blanks around a plain decimal, so no byte of it stops
    // strtod early and the C locale's reading is the reference.
    char* end = nullptr;
    const double reference = std::strtod(text.c_str(), &end);
    Check(density == reference, "an accepted density reads as strtod reads it");
    Check(std::string_view(end).find_first_not_of(" \t") == std::string_view::npos,
          "nothing but blanks follows the accepted number");
    return 0;
}
