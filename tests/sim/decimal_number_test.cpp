#include "sim/decimal_number.h"

#include <cmath>
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

std::string RandomToken(std::mt19937& random)
{
    static const char kAlphabet[] = "0123456789+-.eE";
    std::string token(1 + random() % 7, ' ');
    for (char& c : token) c = kAlphabet[random() % (sizeof kAlphabet - 1)];
    return token;
}

}  // namespace

TEST(DecimalNumber, ScanAndParseAgreeWithTheFormOnRandomTokens)
{
    std::mt19937 random(3);
    for (int i = 0; i < 200000; ++i) {
        const std::string token = RandomToken(random);
        const bool isNumber = std::regex_match(token, kDecimal);
        ASSERT_EQ(ParseDecimalNumber(token).has_value(), isNumber) << token;
        // Read in place, with more text behind it: a number ends exactly where
        // the token does, and that blank is not taken into it.
        const std::string text = token + (i % 2 ? " 9" : "\n");
        const char* const stop = ScanDecimalNumber(text.data(), text.data() + text.size());
        ASSERT_EQ(stop == text.data() + token.size(), isNumber) << token;
        if (isNumber) {
            const double expected = std::strtod(token.c_str(), nullptr);
            const double value = DecimalNumberValue(text.data(), stop);
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
    for (const Case& c : {Case{"4x", 1}, Case{"1e5x", 3}, Case{"1.2.3", 3}, Case{"12e", -1}, Case{"1e+", -1},
                          Case{"+.e1", -1}, Case{"-", -1}, Case{"", -1}, Case{".5e-3,", 5}, Case{"7\xff", 1},
                          Case{"0x10", 1}, Case{"3.", 2}}) {
        const std::string text = c.text;
        const char* const stop = ScanDecimalNumber(text.data(), text.data() + text.size());
        if (c.stop < 0)
            EXPECT_EQ(stop, nullptr) << c.text;
        else
            EXPECT_EQ(stop - text.data(), c.stop) << c.text;
    }
}

// A default view has no address: its end is a null pointer, as is the scan's
// answer for "no number here".
TEST(DecimalNumber, AnEmptyViewIsNoNumber)
{
    EXPECT_FALSE(ParseDecimalNumber(std::string_view{}).has_value());
    EXPECT_FALSE(ParseDecimalNumber("").has_value());
    EXPECT_EQ(ScanDecimalNumber(nullptr, nullptr), nullptr);
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
