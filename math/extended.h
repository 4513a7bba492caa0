#pragma once

#include <cstdint>
#include <optional>

// A number with the x87 extended format's precision, a 64-bit significand,
// every operation rounded to nearest with ties to even, computed with integers
// so that it gives the same bits on every machine, whatever `long double` is
// there. The value is (−1)^negative · significand · 2^exponent; the
// significand's top bit is set, or the significand is 0 for a zero.
//
// The exponent is an int and never overflows: the x87 format reaches 2^±16383,
// far beyond what a few sums and products of doubles come near, so neither the
// x87 type nor this one overflows or underflows before the value is stored to
// a double.
struct Extended {
    bool negative = false;
    std::uint64_t significand = 0;
    int exponent = 0;

    friend bool operator==(const Extended&, const Extended&) = default;
};

// Exact. Callers keep non-finite values out; one reads as zero, so that the
// mistake gives a wrong number rather than undefined behaviour.
Extended ToExtended(double finite);

// Rounded to nearest even, as the x87 stores a double: subnormal where the
// value is that small, ±0 below half the smallest subnormal, ±∞ beyond the
// largest double.
double ToDouble(Extended x);

Extended Add(Extended a, Extended b);
Extended Subtract(Extended a, Extended b);
Extended Multiply(Extended a, Extended b);

// The greatest whole number not above x: toward −∞ for either sign.
Extended Floor(Extended x);

// x as an integer, when it is a whole number of magnitude below 2^63.
std::optional<std::int64_t> ToWholeNumber(Extended x);
