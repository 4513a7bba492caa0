#include "sim/decimal_number.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "sim/data_file.h"
#include "sim/setup_error.h"
#include "tests/test_files.h"

namespace {

// The accepted form, written independently of the hand-made scanner.
const std::regex kDecimal(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");

std::string RandomToken(std::mt19937& random, std::size_t longest)
{
    static const char kAlphabet[] = "0123456789+-.eE";
    std::string token(1 + random() % longest, ' ');
    for (char& c : token) c = kAlphabet[random() % (sizeof kAlphabet - 1)];
    return token;
}

}  // namespace

TEST(DecimalNumber, ScanAndParseAgreeWithTheFormOnRandomTokens)
{
    std::mt19937 random(3);
    for (int i = 0; i < 200000; ++i) {
        // Short tokens are mostly numbers; long ones have runs of eight digits and more.
        const std::string token = RandomToken(random, i % 2 ? 7 : 24);
        const bool isNumber = std::regex_match(token, kDecimal);
        ASSERT_EQ(ParseDecimalNumber(token).has_value(), isNumber) << token;
        // Read in place, with more text behind it, sometimes more than eight
        // bytes of it: a number ends exactly where the token does, and that
        // blank is not taken into it.
        std::string text = token + (i % 3 ? " 9" : "\n");
        if (i % 5 < 2) text += "12345678 1.5 -7\n";
        double value = 0.0;
        const char* const stop = ReadDecimalNumber(text.data(), text.data() + text.size(), value);
        ASSERT_EQ(stop == text.data() + token.size(), isNumber) << token;
        if (isNumber) {
            const double expected = std::strtod(token.c_str(), nullptr);
            ASSERT_TRUE(value == expected && std::signbit(value) == std::signbit(expected)) << token;
        }
    }
}

TEST(DecimalNumber, ScanStopsAtTheFirstCharacterOutsideTheForm)
{
    struct Case {
        const char* text;
        std::ptrdiff_t stop;  // -1: no number begins here
    };
    for (const Case& c :
         {Case{"4x", 1}, Case{"1e5x", 3}, Case{"1.2.3", 3}, Case{"12e", -1}, Case{"1e+", -1}, Case{"+.e1", -1},
          Case{"-", -1}, Case{"", -1}, Case{".5e-3,", 5}, Case{"7\xff", 1}, Case{"0x10", 1}, Case{"3.", 2},
          // Bytes just outside the digits, and above 0x7f, where char may be negative.
          Case{"12/3", 2}, Case{"4:5", 1}, Case{".9:", 2}, Case{"7\x80", 1}, Case{"\xb0", -1}, Case{"-\xc0", -1},
          Case{"1e\x85", -1}}) {
        const std::string text = c.text;
        double value = 0.0;
        const char* const stop = ReadDecimalNumber(text.data(), text.data() + text.size(), value);
        if (c.stop < 0)
            EXPECT_EQ(stop, nullptr) << c.text;
        else
            EXPECT_EQ(stop - text.data(), c.stop) << c.text;
    }
}

// Digits are read eight at a time where eight bytes are there to read: every
// run length, alignment and byte that ends a run must give what one digit at
// a time gives, including the wrap-around of runs too long for 64 bits.
TEST(DecimalNumber, DigitRunsAgreeWithOneDigitAtATime)
{
    using decimal_number_detail::AppendDigits;
    static const char kEnds[] = {' ', '\n', '.', 'e', 'E', '+', '-', 'x', '/', ':', '\0', '\x80', '\xb9', '\xff'};
    std::mt19937 random(5);
    for (int i = 0; i < 100000; ++i) {
        std::string text(random() % 8, '#');  // where in a word the run begins
        const std::size_t start = text.size();
        for (std::size_t n = random() % 30; n > 0; --n) text += static_cast<char>('0' + random() % 10);
        const std::size_t runEnd = text.size();
        if (random() % 8 != 0) {  // else the text ends with the run
            text += kEnds[random() % sizeof kEnds];
            for (std::size_t n = random() % 12; n > 0; --n) text += static_cast<char>('0' + random() % 10);
        }

        std::uint64_t expected = 7;
        for (std::size_t k = start; k < runEnd; ++k) expected = expected * 10 + static_cast<unsigned>(text[k] - '0');
        std::uint64_t digits = 7;
        const char* const end = AppendDigits(text.data() + start, text.data() + text.size(), digits);
        ASSERT_EQ(end - text.data(), static_cast<std::ptrdiff_t>(runEnd)) << text;
        ASSERT_EQ(digits, expected) << text;
    }
}

// Short decimals are converted without the library; every bit must still be
// what a correctly rounding strtod gives, on both sides of every limit of that
// shortcut: 19 digits, 2^53, and powers of ten beyond 10^22.
TEST(DecimalNumber, ValuesAreCorrectlyRoundedToTheBit)
{
    auto expectSame = [](const std::string& token) {
        const std::optional<double> value = ParseDecimalNumber(token);
        ASSERT_TRUE(value.has_value()) << token;
        const double expected = std::strtod(token.c_str(), nullptr);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*value), std::bit_cast<std::uint64_t>(expected)) << token;
    };
    for (const char* token :
         {"9007199254740992", "9007199254740993", "9007199254740993e0", "900719925474099.3e1", "9007199254740991.5",
          "1e22", "1e23", "1e-22", "1e-23", "123e20", "123e21", "4.5e-22", "1234567890123456789",
          "1234567890123456789e-3", "12345678901234567890", "123456789012345678901", "0.1", "0.3", "-0", "-0.0e9",
          "+0e-30", "-.0", "4.9e-324", "2.2250738585072014e-308", "1.7976931348623157e308",
          "0.000000000000000000000001", "00000000000000000000001", "1.00000000000000000000", "99999999999999999999e-20",
          "1e0000000000000000000010", "1e-0000000000000000000022", "7e-99999999999999999999",
          // Beyond the range, on both sides, however the
          // digits and the exponent share the magnitude.
          "1.7976931348623159e308", "-2.5e400", "0.001e311", "1000e-327", "-2e-324",
          "0.0000000000000000000000000000001e-294", "12345678901234567890e99999999999999999999", "-0.000e99999"})
        expectSame(token);

    std::mt19937_64 random(11);
    for (int i = 0; i < 300000; ++i) {
        std::string mantissa = std::to_string(random());
        mantissa.resize(1 + random() % 20, '7');
        const std::size_t point = random() % (mantissa.size() + 1);
        // Appended piece by piece: GCC 12 at -O3 warns falsely about "literal" + string.
        std::string token(random() % 2 ? "-" : "");
        token.append(mantissa, 0, point).append(".").append(mantissa, point);
        if (random() % 2) token.append("e").append(std::to_string(static_cast<int>(random() % 81) - 40));
        expectSame(token);
    }
}

// A default view has no address: its end is a null pointer, as is the scan's
// answer for "no number here".
TEST(DecimalNumber, AnEmptyViewIsNoNumber)
{
    EXPECT_FALSE(ParseDecimalNumber(std::string_view{}).has_value());
    EXPECT_FALSE(ParseDecimalNumber("").has_value());
    double value = 0.0;
    EXPECT_EQ(ReadDecimalNumber(nullptr, nullptr, value), nullptr);
}

TEST(DataFileNext, RefusesATokenWithATailQuotingAllOfIt)
{
    using namespace std::string_literals;
    for (const std::string& bad : {"4x"s, "1e5x"s, "1.2.3"s, "12e"s, "1e+"s, "7\xff"s, "5\0"s, "1e5e5"s}) {
        for (const std::string& tail : {""s, "\n"s, " 3 4\n"s}) {
            const TempFile file("1 2\n\n" + bad + tail);
            DataFile data(file.path());
            double value = 0.0;
            ASSERT_TRUE(data.Next(value));
            ASSERT_TRUE(data.Next(value));
            EXPECT_EQ(value, 2.0);
            try {
                data.Next(value);
                ADD_FAILURE() << "accepted " << bad;
            } catch (const SetupError&) {
                EXPECT_EQ(data.LastToken(), bad);
                EXPECT_EQ(data.Line(), 3u);
            }
        }
    }
}

TEST(DataFileNext, ReadsEveryFormAndCountsLines)
{
    const TempFile file("\r\n +1\t-2.5\v\f.5e1\n\n3.E-1 -0 1e-400");
    DataFile data(file.path());
    struct Expected {
        double value;
        std::size_t line;
        const char* token;
    };
    for (const Expected& e : {Expected{1, 2, "+1"}, Expected{-2.5, 2, "-2.5"}, Expected{5, 2, ".5e1"},
                              Expected{0.3, 4, "3.E-1"}, Expected{-0.0, 4, "-0"}, Expected{0.0, 4, "1e-400"}}) {
        double value = 99.0;
        ASSERT_TRUE(data.Next(value)) << e.token;
        EXPECT_EQ(value, e.value) << e.token;
        EXPECT_EQ(std::signbit(value), std::signbit(e.value)) << e.token;
        EXPECT_EQ(data.Line(), e.line) << e.token;
        EXPECT_EQ(data.LastToken(), e.token);
    }
    double value = 0.0;
    EXPECT_FALSE(data.Next(value));
    EXPECT_FALSE(data.Next(value));
}
