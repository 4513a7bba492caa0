#pragma once

#include <cstddef>
#include <cstdint>

// Asks the system to back a large block that was just allocated, and not yet
// written, with large pages. Filling 100 MiB of small pages takes some 27 000
// page faults, each far dearer than the writing itself, especially under a
// hypervisor; large pages take a few dozen. Only a hint: where it is not
// supported nothing happens, and the block's contents are the same either way.
void PreferLargePages(void* block, std::size_t bytes);

inline constexpr std::uintptr_t kLargePageBytes = std::uintptr_t{2} << 20;

// The whole large pages inside [begin, begin + bytes): the only part that may
// be advised, since the ends of the block may share pages with other data.
// Empty (first == last) when the block holds no whole large page.
struct AddressSpan {
    std::uintptr_t first = 0;
    std::uintptr_t last = 0;
};
AddressSpan WholeLargePagesWithin(std::uintptr_t begin, std::size_t bytes);
