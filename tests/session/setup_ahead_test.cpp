#include "session/setup_ahead.h"

#include <string>
#include <typeinfo>

#include <gtest/gtest.h>

#include "session/blank_canvas.h"
#include "session/session.h"
#include "session/state_path.h"
#include "tests/test_files.h"

namespace {

// The state line after the first setup, or the refusal's type and message.
std::string AfterFirstSetup(Session& session)
{
    try {
        session.FirstSetup();
        return session.StateJson();
    } catch (const std::exception& refusal) {
        return std::string(typeid(refusal).name()) + ": " + refusal.what();
    }
}

std::string FirstSetupOf(const std::filesystem::path& dataFile, SetupAhead ahead)
{
    BlankCanvas canvas(Session::kStartWidth, Session::kStartHeight);
    Session session(canvas, dataFile, std::move(ahead));
    return AfterFirstSetup(session);
}

}  // namespace

// Begun ahead or not, for the session's own file or another, with its own
// density text or another, a first setup leaves the same state to the last
// bit, or throws the same refusal.
TEST(SetupAhead, FirstSetupIsTheOneTheSessionWouldMake)
{
    const TempFile three("3\n10.5 20.25\n-3 7.125\n44 0.001\n");
    const TempFile badCount("2.5\n1 2\n3 4\n");
    const TempFile shortFile("4\n1 2\n3 4\n");
    const std::filesystem::path dataFiles[] = {std::filesystem::path(RBD_SOURCE_DIR) / "data.txt", three.path(),
                                               badCount.path(), shortFile.path(), three.folder() / "missing.txt"};
    const std::string first{Session::kFirstDensityText};
    for (const auto& dataFile : dataFiles) {
        const std::string plain = FirstSetupOf(dataFile, {});
        EXPECT_EQ(FirstSetupOf(dataFile, SetupAhead(first, dataFile)), plain) << dataFile;
        EXPECT_EQ(FirstSetupOf(dataFile, SetupAhead("2", dataFile)), plain) << dataFile;
        EXPECT_EQ(FirstSetupOf(dataFile, SetupAhead(first, three.path())), plain) << dataFile;
    }
}

// What was built ahead serves the first setup only: a later one reads the
// file as it is then.
TEST(SetupAhead, LaterSetupsReadTheFileAnew)
{
    const TempFile file("1\n10 20\n");
    BlankCanvas canvas(Session::kStartWidth, Session::kStartHeight);
    Session session(canvas, file.path(), SetupAhead(std::string(Session::kFirstDensityText), file.path()));
    session.FirstSetup();
    EXPECT_EQ(StateValue(session.StateJson(), "particleCount"), 1);
    file.Rewrite("2\n10 20\n30 40\n");
    session.Apply({.kind = CommandKind::Reload});
    EXPECT_EQ(StateValue(session.StateJson(), "particleCount"), 2);

    SetupAhead ahead("1", file.path());
    EXPECT_FALSE(ahead.Take("1", file.folder() / "other.txt"));
    EXPECT_TRUE(ahead.Take("1", file.path()));
    EXPECT_FALSE(ahead.Take("1", file.path()));
}
