#include "session/command_table.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace {

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

// The table is the vocabulary: the help lists it, and the README and the
// manual describe every word of it, overlays included.
TEST(CommandTable, EveryCommandIsListedAndDocumented)
{
    const std::string summary = CommandSummary();
    const std::string readme = ReadFile(RBD_SOURCE_DIR "/README.md");
    const std::string manual = ReadFile(RBD_SOURCE_DIR "/packaging/rigid-body.1.in");
    const auto mentions = [](const std::string& text, const std::string& before, std::string_view word,
                             std::string_view after) {
        for (char end : after)
            if (text.find(before + std::string(word) + end) != std::string::npos) return true;
        return false;
    };
    for (const CommandEntry& entry : kCommandTable) {
        EXPECT_EQ(EntryNamed(entry.word), &entry);
        EXPECT_NE(summary.find("  " + std::string(entry.synopsis) + "  "), std::string::npos) << entry.word;
        EXPECT_TRUE(mentions(readme, "`", entry.word, " `")) << entry.word;
        EXPECT_TRUE(mentions(manual, "Ic ", entry.word, " \n")) << entry.word;
    }
    EXPECT_EQ(EntryNamed("Tick"), nullptr);
    for (const OverlayEntry& entry : kOverlayTable) {
        EXPECT_EQ(OverlayNamed(entry.word), entry.overlay);
        EXPECT_NE(summary.find(std::string(entry.word)), std::string::npos) << entry.word;
        EXPECT_NE(readme.find("`" + std::string(entry.word) + "`"), std::string::npos) << entry.word;
    }
    EXPECT_EQ(Spelled("an overlay (OVERLAYS)"), "an overlay (com, velocity, force, omega, trail, axes or principal)");
}
