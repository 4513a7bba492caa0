#include "sim/large_pages.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr std::uintptr_t kPage = kLargePageBytes;

}  // namespace

TEST(WholeLargePagesWithin, NeverReachesPastEitherEndOfTheBlock)
{
    struct Case {
        std::uintptr_t begin;
        std::size_t bytes;
        std::uintptr_t first;
        std::uintptr_t last;
    };
    for (const Case& c : {
             Case{3 * kPage + 16, 4 * kPage, 4 * kPage, 7 * kPage},  // both ends cut
             Case{3 * kPage, 2 * kPage, 3 * kPage, 5 * kPage},       // aligned: all of it
             Case{3 * kPage, 2 * kPage - 1, 3 * kPage, 4 * kPage},   // one byte short of the second page
             Case{3 * kPage + 1, 2 * kPage, 4 * kPage, 5 * kPage},
         }) {
        const AddressSpan span = WholeLargePagesWithin(c.begin, c.bytes);
        EXPECT_EQ(span.first, c.first) << c.begin << "+" << c.bytes;
        EXPECT_EQ(span.last, c.last) << c.begin << "+" << c.bytes;
    }
}

TEST(WholeLargePagesWithin, EmptyWhenNoWholePageFits)
{
    for (std::size_t bytes : {std::size_t{0}, std::size_t{1}, std::size_t{kPage - 1}, std::size_t{2 * kPage - 2}}) {
        const AddressSpan span = WholeLargePagesWithin(5 * kPage + 1, bytes);
        EXPECT_EQ(span.first, span.last) << bytes;
    }
    const AddressSpan empty = WholeLargePagesWithin(7 * kPage, 0);
    EXPECT_EQ(empty.first, empty.last);
}

TEST(PreferLargePages, IsOnlyAHint)
{
    std::vector<unsigned char> block(3 * kPage + 123, 0x5a);
    PreferLargePages(block.data() + 1, block.size() - 1);
    PreferLargePages(nullptr, 0);
    PreferLargePages(block.data(), 10);
    for (std::size_t i = 0; i < block.size(); i += 4093) ASSERT_EQ(block[i], 0x5a) << i;
    block.back() = 1;
    EXPECT_EQ(block.back(), 1);
}
