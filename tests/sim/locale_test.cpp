#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "sim/body_setup.h"
#include "sim/decimal_number.h"
#include "sim/density.h"
#include "sim/setup_error.h"
#include "tests/test_files.h"

namespace {

// A German numeric locale, whose decimal mark is ',': generated into a folder
// of the test's own when the machine has none, so that nothing needs to be set
// up beforehand. The window runs in the person's locale, as Qt sets it.
class GermanNumbers : public testing::Test {
protected:
    void SetUp() override
    {
        if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) return;
        const std::string generated = (locales_.folder() / "de_DE.UTF-8").string();
        const std::string command = "localedef -i de_DE -f UTF-8 '" + generated + "' >/dev/null 2>&1";
        // localedef warns, and may say so in its status, yet write a usable locale.
        [[maybe_unused]] const int status = std::system(command.c_str());
        setenv("LOCPATH", locales_.folder().c_str(), 1);
        if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
            GTEST_SKIP() << "no de_DE.UTF-8 locale, and localedef could not make one (is the 'locales' package "
                            "installed?)";
    }

    void TearDown() override
    {
        std::setlocale(LC_NUMERIC, "C");
        unsetenv("LOCPATH");
    }

    TempFile locales_{""};
};

}  // namespace

// The C library itself reads "2.5" as 2 here: the locale is in effect, and
// none of our reading may go through it.
TEST_F(GermanNumbers, EveryNumberReadsAsInTheCLocale)
{
    ASSERT_EQ(std::strtod("2.5", nullptr), 2.0);

    EXPECT_EQ(ParseDecimalNumber("2.5"), 2.5);
    EXPECT_EQ(ParseDecimalNumber("2.5e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseDecimalNumber("-1.5e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseDecimalNumber("0.00001e309"), 1e304);
    const std::optional<double> tiny = ParseDecimalNumber("-2.5e-400");
    ASSERT_TRUE(tiny.has_value());
    EXPECT_EQ(*tiny, 0.0);
    EXPECT_TRUE(std::signbit(*tiny));
    EXPECT_EQ(ParseDecimalNumber("0.0000000000000000000000000000000001e-290"), 0.0);
    EXPECT_EQ(ParseDecimalNumber("1,5"), std::nullopt);

    EXPECT_EQ(ParseDensity("2.5"), 2.5);
    EXPECT_THROW(ParseDensity("1.5e400"), SetupError);

    const TempFile data("2 0.5 0 2.5 0");
    RigidBody body;
    SimulationSettings settings;
    SetupBody(body, settings, "1", data.path());
    EXPECT_EQ(body.position.x, 1.5);
    const TempFile huge("1 2.5e400 0");
    EXPECT_THROW(SetupBody(body, settings, "1", huge.path()), SetupError);
}
