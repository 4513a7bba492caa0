#include "sim/density.h"

#include <gtest/gtest.h>

#include "sim/setup_error.h"

TEST(ParseDensity, AcceptsDecimalNumbersWithBlanksAround)
{
    EXPECT_EQ(ParseDensity("1"), 1.0);
    EXPECT_EQ(ParseDensity("  2.5\t"), 2.5);
    EXPECT_EQ(ParseDensity("+.5"), 0.5);
    EXPECT_EQ(ParseDensity("3."), 3.0);
    EXPECT_EQ(ParseDensity("1e-3"), 0.001);
    EXPECT_EQ(ParseDensity("0.1"), 0.1);
}

TEST(ParseDensity, RefusesWithAMessageQuotingTheText)
{
    struct Case {
        const char* text;
        const char* problem;
    };
    for (const Case& c : {Case{"", "is not a number"}, Case{"   ", "is not a number"}, Case{"abc", "is not a number"},
                          Case{"1,5", "is not a number"}, Case{"1 2", "is not a number"},
                          Case{"inf", "is not a number"}, Case{"nan", "is not a number"},
                          Case{"0x10", "is not a number"}, Case{"1e", "is not a number"}, Case{"1e999", "is too large"},
                          Case{"0", "is not positive"}, Case{"-0", "is not positive"}, Case{"-2", "is not positive"}}) {
        try {
            ParseDensity(c.text);
            ADD_FAILURE() << "accepted \"" << c.text << "\"";
        } catch (const SetupError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(std::string("\"") + c.text + "\""), std::string::npos) << message;
            EXPECT_NE(message.find(c.problem), std::string::npos) << message;
            EXPECT_NE(message.find("positive number"), std::string::npos) << message;
        }
    }
}

TEST(ParseDensity, LongOrControlTextIsQuotedSafely)
{
    try {
        ParseDensity(std::string(500, 'x') + "\n");
        FAIL();
    } catch (const SetupError& error) {
        EXPECT_LT(std::string(error.what()).size(), 150u);
    }
    try {
        ParseDensity(std::string("a\0b", 3));
        FAIL();
    } catch (const SetupError& error) {
        EXPECT_NE(std::string(error.what()).find("\"a\\x00b\""), std::string::npos) << error.what();
    }
}

// Longer than a text box holds by default: refused, never cut to a number.
TEST(ParseDensity, RefusesATextLongerThanTheLimit)
{
    const std::string longest = "2.5" + std::string(kLongestDensityText - 3, ' ');
    EXPECT_EQ(ParseDensity(longest), 2.5);
    try {
        ParseDensity(longest + " ");
        FAIL();
    } catch (const SetupError& error) {
        EXPECT_NE(std::string(error.what())
                      .find("2.5                                     ...\" is longer than 32767 characters"),
                  std::string::npos)
            << error.what();
    }
}

TEST(ParseDensity, LongTextIsCutBetweenCharacters)
{
    try {
        ParseDensity(std::string(39, 'a') + "\xc3\xa9tude");
        FAIL();
    } catch (const SetupError& error) {
        EXPECT_NE(std::string(error.what()).find("\"" + std::string(39, 'a') + "...\""), std::string::npos)
            << error.what();
    }
}
