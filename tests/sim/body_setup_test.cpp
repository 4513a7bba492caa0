#include "sim/body_setup.h"

#include <cmath>
#include <fstream>
#include <limits>
#include <string>
#include <unistd.h>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "sim/data_file.h"
#include "sim/setup_error.h"
#include "tests/test_files.h"

namespace {

// Mass properties are sums of products; the expected values are written to ten
// decimals, so they agree to about 1e-10 relative.
constexpr double kTenDecimals = 1e-9;

struct Built {
    RigidBody body;
    SimulationSettings settings;
};

Built BuildFrom(std::string_view contents, std::string_view density = "1")
{
    const TempFile file(contents);
    Built s;
    SetupBody(s.body, s.settings, density, file.path());
    return s;
}

// (x·m)·(1/m) may be x one ulp off.
void ExpectNear(Vector3 actual, Vector3 expected)
{
    EXPECT_DOUBLE_EQ(actual.x, expected.x);
    EXPECT_DOUBLE_EQ(actual.y, expected.y);
    EXPECT_DOUBLE_EQ(actual.z, expected.z);
}

void ExpectAtRest(const RigidBody& body)
{
    EXPECT_EQ(body.orientation, (Quaternion{1, 0, 0, 0}));
    for (Vector3 v : {body.linearMomentum, body.angularMomentum, body.linearVelocity, body.angularVelocity, body.force,
                      body.torque})
        EXPECT_EQ(v, ZeroVector());
    EXPECT_EQ(body.rotation, Identity());
    EXPECT_EQ(body.inverseInertia, Identity());
}

// A setup that throws must leave everything exactly as it was.
std::string ExpectRefusedAt(const std::filesystem::path& path, std::string_view density = "1")
{
    Built s = BuildFrom("3  0 0  2 0  1 1.5", "2");
    s.body.force = {1, 2, 0};
    const Built before = s;
    try {
        SetupBody(s.body, s.settings, density, path);
        ADD_FAILURE() << "accepted: " << path;
        return {};
    } catch (const SetupError& error) {
        EXPECT_EQ(s.body, before.body);
        EXPECT_EQ(s.settings.density, before.settings.density);
        EXPECT_EQ(s.settings.particleCount, before.settings.particleCount);
        return error.what();
    }
}

std::string ExpectRefused(std::string_view contents, std::string_view density = "1")
{
    const TempFile file(contents);
    return ExpectRefusedAt(file.path(), density);
}

void ExpectContains(const std::string& message, std::string_view part)
{
    EXPECT_NE(message.find(part), std::string::npos) << "\"" << part << "\" not in: " << message;
}

}  // namespace

TEST(SetupBody, OneParticleIsItsOwnCentre)
{
    const Built s = BuildFrom("1 5 7", "3");
    EXPECT_EQ(s.settings.particleCount, 1.0);
    EXPECT_EQ(s.settings.density, 3.0);
    ASSERT_EQ(s.body.particles.size(), 1u);
    ExpectNear(s.body.position, {5, 7, 0});
    EXPECT_EQ(s.body.particles[0].centerOfMass, Subtract(Vector3{5, 7, 0}, s.body.position));
    EXPECT_NEAR(s.body.totalMass, 3.1415926535 * 3, kTenDecimals);
    EXPECT_EQ(s.body.bodyInertia, s.body.particles[0].inertiaTensor);
    ExpectAtRest(s.body);
}

TEST(SetupBody, TwoParticlesParallelAxis)
{
    const Built s = BuildFrom("2\n0 0\n2 0\n");
    EXPECT_NEAR(s.body.totalMass, 6.283185307, kTenDecimals);
    EXPECT_EQ(s.body.position, (Vector3{1, 0, 0}));
    EXPECT_EQ(s.body.particles[0].centerOfMass, (Vector3{-1, 0, 0}));
    EXPECT_EQ(s.body.particles[1].centerOfMass, (Vector3{1, 0, 0}));
    const Matrix3& I = s.body.bodyInertia;
    EXPECT_NEAR(I(0, 0), 2.5132741228, kTenDecimals);
    EXPECT_NEAR(I(1, 1), 8.7964594298, kTenDecimals);
    EXPECT_NEAR(I(2, 2), 8.7964594298, kTenDecimals);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            if (r != c) {
                EXPECT_EQ(I(r, c), 0.0);
            }
        }
    }
    EXPECT_EQ(s.body.bodyInertiaInverse, Inverse(I));
    ExpectAtRest(s.body);

    const Built doubled = BuildFrom("2 0 0 2 0", "2");
    EXPECT_EQ(doubled.body.totalMass, 2 * s.body.totalMass);
    EXPECT_EQ(doubled.body.bodyInertia, Scale(I, 2.0));
    EXPECT_EQ(doubled.body.position, s.body.position);
    EXPECT_EQ(doubled.body.particles, [&] {
        auto particles = s.body.particles;
        for (Particle& p : particles) InitParticle(p, p.centerOfMass, 1.0, 2.0);
        return particles;
    }());
}

TEST(SetupBody, LayoutAndTrailingTextDoNotMatter)
{
    const Built lines = BuildFrom("3\n0\n0\n2\n0\n1\n1.5\n");
    EXPECT_EQ(BuildFrom("3.0 0 0 2 0 1 1.5").body, lines.body);
    EXPECT_EQ(BuildFrom("3e0\t0 0\r\n2 0 1 1.5 99 this is never read").body, lines.body);
    EXPECT_EQ(lines.body.particles.size(), 3u);
}

// Input limits. A pipe or a device may never end, or never answer: each is
// refused at once, without waiting for a writer or reading a byte.
TEST(SetupBody, RefusesWhatIsNotARegularFileAtOnce)
{
    const TempFile folder("");
    const std::filesystem::path pipe = folder.folder() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const auto& [path, kind] : {std::pair<std::filesystem::path, std::string>{pipe, "a pipe"},
                                     {"/dev/zero", "a device"},
                                     {folder.folder(), "a folder"}}) {
        Built s;
        try {
            SetupBody(s.body, s.settings, "1", path);
            ADD_FAILURE() << "accepted " << path;
        } catch (const SetupError& error) {
            EXPECT_EQ(std::string(error.what()), "data file \"" + path.string() + "\" is " + kind +
                                                     ", not a regular file: only a text file can be read as one");
        }
    }
}

// Refused from its size alone: the sparse file below takes no room and would
// take a second or two to read.
TEST(SetupBody, RefusesAFileOverTheLimitBeforeReadingIt)
{
    const TempFile file("");
    ASSERT_EQ(::truncate(file.path().c_str(), static_cast<off_t>(DataFile::kLargestDataFile + 1)), 0);
    ExpectContains(ExpectRefusedAt(file.path()),
                   "\" is 1073741825 bytes long, more than the 1073741824 bytes (1 GiB) a data file may hold");
}

// Some editors start a UTF-8 file with a byte order mark; anywhere else the
// mark is a token like any other, and shown by its bytes.
TEST(SetupBody, PassesOverALeadingByteOrderMark)
{
    EXPECT_EQ(BuildFrom("\xEF\xBB\xBF"
                        "2 0 0 2 0")
                  .body,
              BuildFrom("2 0 0 2 0").body);
    ExpectContains(ExpectRefused("\xEF\xBB\xBF\xEF\xBB\xBF"
                                 "2 0 0 2 0"),
                   ": \"\\xEF\\xBB\\xBF2\" is not a number");
    ExpectContains(ExpectRefused("2 0 0\t\x01\\\xC3\xA9\xFF"), ": \"\\x01\\\\\xC3\xA9\\xFF\" is not a number");
}

TEST(SetupBody, MassWeightedMeanUsesOneReciprocal)
{
    const Built s = BuildFrom("3  1 6  2 1  7 3");
    const double m = s.body.particles[0].mass;
    const double total = (m + m) + m;
    Vector3 sum = ZeroVector();
    for (Vector3 p : {Vector3{1, 6, 0}, Vector3{2, 1, 0}, Vector3{7, 3, 0}}) sum = Add(sum, Scale(p, m));
    // Chosen so that dividing by the total mass would round differently.
    ASSERT_NE(Scale(sum, 1.0 / total), (Vector3{sum.x / total, sum.y / total, 0}));
    EXPECT_EQ(s.body.position, Scale(sum, 1.0 / total));
}

TEST(SetupBody, ReplacesEverythingAndRereadsTheFile)
{
    const TempFile file("2 0 0 2 0");
    Built s;
    SetupBody(s.body, s.settings, "1", file.path());
    s.body.force = {3, 4, 0};
    s.body.orientation = {0.5, 0.5, 0.5, 0.5};
    s.body.position = {50, 50, 0};
    file.Rewrite("1 10 20");
    SetupBody(s.body, s.settings, "1", file.path());
    EXPECT_EQ(s.body.particles.size(), 1u);
    ExpectNear(s.body.position, {10, 20, 0});
    ExpectAtRest(s.body);
}

TEST(SetupBody, RefusesBadDensityBeforeOpeningTheFile)
{
    ExpectContains(ExpectRefused("1 5 7", ""), "is not a number");
    ExpectContains(ExpectRefused("1 5 7", "0"), "is not positive");
    ExpectContains(ExpectRefused("1 5 7", "-1"), "is not positive");
    ExpectContains(ExpectRefused("1 5 7", "1e400"), "too large");
    ExpectContains(ExpectRefused("1 5 7", "x"), "\"x\"");
}

TEST(SetupBody, RefusesAMissingFileNamingItsFullPath)
{
    Built s;
    const TempFile folder("");
    try {
        SetupBody(s.body, s.settings, "1", std::filesystem::relative(folder.folder() / "absent.txt"));
        FAIL();
    } catch (const SetupError& error) {
        ExpectContains(error.what(), (folder.folder() / "absent.txt").string());
        ExpectContains(error.what(), "No such file or directory");
    }
    try {
        SetupBody(s.body, s.settings, "1", folder.folder());
        FAIL();
    } catch (const SetupError& error) {
        ExpectContains(error.what(), "is a folder, not a regular file");
    }
    EXPECT_EQ(s.body, RigidBody{});
}

// A path in a message shows every byte as it is and keeps the message a line.
TEST(SetupBody, PathsInMessagesShowWhatIsThere)
{
    const TempFile folder("");
    const std::string many(150, 'a');
    const std::string message = ExpectRefusedAt(folder.folder() / "\x1B[31mred" / many / (many + "\xC3\xA9.txt"));
    ExpectContains(message, folder.folder().string() + "/\\x1B[31mred/aaaa");
    ExpectContains(message, "a...a");
    ExpectContains(message, "aa\xC3\xA9.txt\": No such file or directory");
    EXPECT_LT(message.size(), kLongestShownPath + 100) << message;
    // Cut between characters only: a cut inside one would show bytes that are
    // not in the path.
    EXPECT_EQ(ShownPath(std::string(kLongestShownPath / 2 - 1, 'a') + "\xC3\xA9" + std::string(200, 'b')),
              std::string(kLongestShownPath / 2 - 1, 'a') + "..." + std::string(kLongestShownPath / 2, 'b'));
}

TEST(SetupBody, RefusesCountsThatAreNotWholeAndPositive)
{
    for (const char* count : {"0", "-2", "2.5", "1e999", "inf", "nan"}) {
        const std::string message = ExpectRefused(std::string("\n") + count + " 0 0 1 1 2 2");
        ExpectContains(message, std::string("\"") + count + "\"");
        ExpectContains(message, "line 2");
    }
    ExpectContains(ExpectRefused(""), "holds no numbers");
    ExpectContains(ExpectRefused(" \n\t"), "holds no numbers");
}

TEST(SetupBody, RefusesShortFilesSayingWhatWasFound)
{
    const std::string message = ExpectRefused("8\n1 2\n3 4\n5");
    ExpectContains(message, "8 particles (16 coordinates)");
    ExpectContains(message, "holds 5 coordinates");
    // Far more than the file holds: refused without allocating for the count.
    ExpectContains(ExpectRefused("1e15 1 2"), "1000000000000000 particles");
    ExpectContains(ExpectRefused("1e300 1 2"), "1e+300 particles");
}

TEST(SetupBody, RefusesBadTokensWithLineAndToken)
{
    const std::string message = ExpectRefused("2\n1 2\n3 4x\n");
    ExpectContains(message, "line 3");
    ExpectContains(message, "\"4x\"");
    ExpectContains(ExpectRefused("1 1e999 2"), "too large");
    for (const char* token : {"nan", "inf", "1,5", "--1", "1e", ".", "0x1p3", "+"})
        ExpectContains(ExpectRefused(std::string("1 0 ") + token), std::string("\"") + token + "\"");
}

TEST(SetupBody, RefusesBodiesWhoseMassPropertiesOverflow)
{
    ExpectContains(ExpectRefused("2 1e300 0 -1e300 0"), "out of range");
    ExpectContains(ExpectRefused("1 0 0", "1e308"), "out of range");
}

TEST(SetupBody, NeverLooksPastTheLastNeededNumber)
{
    const Built s = BuildFrom("1 5 7 garbage \x01\xff 1e999");
    ExpectNear(s.body.position, {5, 7, 0});
}

TEST(SetupBody, TinyValuesUnderflowLikeAStreamWould)
{
    const Built s = BuildFrom("1 1e-400 -4.9e-324");
    EXPECT_EQ(s.body.position.x, 0.0);
    EXPECT_EQ(s.body.position.y, -4.9e-324);
}

// Whole messages, word for word: the faster paths through the file must not
// change a single character of what the user reads.
TEST(SetupBody, MessagesWordForWord)
{
    struct Case {
        const char* contents;
        const char* density;
        const char* afterPath;
    };
    for (const Case& c : {
             Case{"2\n1 2\n3 4x\n", "1",
                  "\", line 3: \"4x\" is not a number (expected a decimal number such as 12, -3.5 or 1e-2)"},
             Case{"1 0\n\n 1e999", "1", "\", line 3: \"1e999\" is too large"},
             Case{"\n\n2.5 0 0 1 1", "1", "\", line 3: the particle count \"2.5\" is not a whole number of at least 1"},
             Case{" \r\n", "1", "\" holds no numbers: it must start with the particle count"},
             Case{"3 1 2 3", "1",
                  "\": the count asks for 3 particles (6 coordinates) but the file holds 3 coordinates after it"},
             Case{"2 1e300 0 -1e300 0", "1",
                  "\" with density \"1\": the body's mass or inertia is out of range; use smaller coordinates or a "
                  "density nearer 1"},
         }) {
        const std::string message = ExpectRefused(c.contents, c.density);
        const std::string prefix = "data file \"";
        ASSERT_EQ(message.rfind(prefix, 0), 0u) << message;
        EXPECT_EQ(message.substr(message.find('"', prefix.size())), c.afterPath) << message;
    }

    Built s;
    const TempFile folder("");
    const std::filesystem::path absent = folder.folder() / "absent.txt";
    try {
        SetupBody(s.body, s.settings, "1", absent);
        FAIL();
    } catch (const SetupError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "cannot open data file \"" + absent.string() + "\": No such file or directory");
    }
    try {
        SetupBody(s.body, s.settings, "1", folder.folder());
        FAIL();
    } catch (const SetupError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "data file \"" + folder.folder().string() +
                      "\" is a folder, not a regular file: only a text file can be read as one");
    }
}
