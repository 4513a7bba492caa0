#include "session/command_table.h"

#include <algorithm>

// EntryOf looks a command up by its place.
static_assert(
    [] {
        for (std::size_t i = 0; i < kCommandTable.size(); ++i)
            if (static_cast<std::size_t>(kCommandTable[i].kind) != i) return false;
        return true;
    }(),
    "the table lists the commands in their enumeration's order");

const CommandEntry& EntryOf(CommandKind kind) { return kCommandTable.at(static_cast<std::size_t>(kind)); }

const CommandEntry* EntryNamed(std::string_view word)
{
    const auto found = std::find_if(kCommandTable.begin(), kCommandTable.end(),
                                    [word](const CommandEntry& entry) { return entry.word == word; });
    return found == kCommandTable.end() ? nullptr : &*found;
}

std::string Spelled(std::string_view text)
{
    constexpr std::string_view kPlaceholder = "OVERLAYS";
    const std::size_t at = text.find(kPlaceholder);
    if (at == std::string_view::npos) return std::string(text);
    std::string words;
    for (std::size_t i = 0; i < kOverlayTable.size(); ++i) {
        if (i > 0) words += i + 1 == kOverlayTable.size() ? " or " : ", ";
        words += kOverlayTable[i].word;
    }
    return std::string(text.substr(0, at)) + words + std::string(text.substr(at + kPlaceholder.size()));
}

std::string CommandSummary()
{
    std::size_t widest = 0;
    for (const CommandEntry& entry : kCommandTable) widest = std::max(widest, entry.synopsis.size());
    std::string summary;
    for (const CommandEntry& entry : kCommandTable) {
        summary += "  ";
        summary += entry.synopsis;
        summary.append(widest + 2 - entry.synopsis.size(), ' ');
        summary += Spelled(entry.meaning);
        summary += '\n';
    }
    return summary;
}
