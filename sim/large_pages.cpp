#include "sim/large_pages.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

AddressSpan WholeLargePagesWithin(std::uintptr_t begin, std::size_t bytes)
{
    const std::uintptr_t first = (begin + kLargePageBytes - 1) & ~(kLargePageBytes - 1);
    const std::uintptr_t last = (begin + bytes) & ~(kLargePageBytes - 1);
    if (first >= last) return {first, first};
    return {first, last};
}

void PreferLargePages([[maybe_unused]] void* block, [[maybe_unused]] std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (block == nullptr) return;
    const AddressSpan span = WholeLargePagesWithin(reinterpret_cast<std::uintptr_t>(block), bytes);
    // A refusal (no transparent large pages here) leaves small pages, which is fine.
    // The start is found as an offset into the block, so the pointer keeps the block's provenance.
    if (span.first != span.last)
        ::madvise(static_cast<char*>(block) + (span.first - reinterpret_cast<std::uintptr_t>(block)),
                  span.last - span.first, MADV_HUGEPAGE);
#endif
}
