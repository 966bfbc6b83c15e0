// The optimization run's block sizes, its start and trigger tests, and the
// block fill.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "optimizer/OptimizePlan.h"

TEST(TargetBytes, MegabytesToBytesWithoutWrapAround)
{
    EXPECT_EQ(0u, TargetBytes<std::uint32_t>(0));
    EXPECT_EQ(0u, TargetBytes<std::uint32_t>(-1));
    EXPECT_EQ(85u << 20, TargetBytes<std::uint32_t>(85));
    EXPECT_EQ(4095u << 20, TargetBytes<std::uint32_t>(4095));
    // 4096 MB and more would wrap in 32 bits: the largest size instead.
    EXPECT_EQ(0xFFFFFFFFu, TargetBytes<std::uint32_t>(4096));
    EXPECT_EQ(0xFFFFFFFFu, TargetBytes<std::uint32_t>(std::numeric_limits<std::int32_t>::max()));
    EXPECT_EQ(4096ull << 20, TargetBytes<std::uint64_t>(4096));
    EXPECT_EQ(24576ull << 20, TargetBytes<std::uint64_t>(24576));
}

TEST(TargetBytes, ARunAsksForNoMoreThanTheMachineCanCommit)
{
    const std::uint64_t mb = 1ull << 20;
    const struct {
        std::int32_t memToFree;
        std::uint64_t totalPhys, availPageFile, target;
    } cases[] = {
        {99999999, 100 * mb, 1024 * mb, 101 * mb},      // the slider's top
        {99999999, 100 * mb + 5, 1024 * mb, 101 * mb},  // of whole megabytes
        {99999999, 100 * mb, 60 * mb, 60 * mb},         // the commit still free
        {80, 100 * mb, 1024 * mb, 80 * mb},
        {0, 100 * mb, 1024 * mb, 0},
        {-5, 100 * mb, 1024 * mb, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.target, CappedTargetBytes<std::uint64_t>(c.memToFree, c.totalPhys, c.availPageFile)) << c.memToFree;
    // 4 GB - 1 in 32 bits: the top, 4096 MB, would wrap.
    EXPECT_EQ(0xFFFFFFFFu, CappedTargetBytes<std::uint32_t>(5000, 0xFFFFFFFFu, 0xFFFFFFFFu));
}

TEST(StartOptimize, RunsOnlyWhenFreeMemoryIsNotAboveTheTarget)
{
    const std::uint32_t mb = 1u << 20;
    EXPECT_FALSE(ShouldStartOptimize<std::uint32_t>(86 * mb, 85 * mb));
    EXPECT_TRUE(ShouldStartOptimize<std::uint32_t>(85 * mb, 85 * mb));  // equal starts
    EXPECT_TRUE(ShouldStartOptimize<std::uint32_t>(20 * mb, 85 * mb));
    EXPECT_FALSE(ShouldStartOptimize<std::uint32_t>(1, TargetBytes<std::uint32_t>(0)));  // MemToFree 0
    EXPECT_TRUE(ShouldStartOptimize<std::uint32_t>(0, 0));
    EXPECT_TRUE(ShouldStartOptimize<std::uint64_t>(5ull << 30, TargetBytes<std::uint64_t>(8192)));
}

template <typename Bytes>
class Trigger : public ::testing::Test {};
using Widths = ::testing::Types<std::uint32_t, std::uint64_t>;
TYPED_TEST_SUITE(Trigger, Widths);

TYPED_TEST(Trigger, StartsOnlyBelowTheLevel)
{
    using B = TypeParam;
    const B mb = 1u << 20;
    const struct {
        std::int32_t trigger;
        B avail;
        bool starts;
    } cases[] = {
        {32, B(20 * mb), true},
        {32, B(32 * mb), false},               // equal is not less
        {32, B(31 * mb), true},                // one megabyte less
        {21, B(20 * mb + 9 * mb / 10), true},  // 20.9 MB: 20 < 21
        {0, B(1 * mb), false},                 // automatic start off
        {-5, B(0), false},
        {1, B(mb - 1), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.starts, TriggerReached(c.trigger, c.avail)) << c.trigger << " " << c.avail;
    if constexpr (sizeof(B) > 4) {
        // Above 4 GB free, which only 64 bits hold.
        EXPECT_TRUE(TriggerReached(5000, B(4) << 30));
        EXPECT_FALSE(TriggerReached(5000, B(5) << 30));
    }
}

template <typename Bytes>
std::vector<Bytes> Sizes(Bytes start, Bytes target, std::size_t failAt = SIZE_MAX)
{
    std::vector<Bytes> sizes;
    ForEachIncrementalSize(start, target, [&](Bytes size) {
        sizes.push_back(size);
        return sizes.size() != failAt;
    });
    return sizes;
}

TEST(IncrementalRelease, GrowsOneMegabyteAtATimeBelowTheTarget)
{
    const std::uint32_t start = 10u * kOneMegabyte + kOneMegabyte / 2;  // 10.5 MB
    const std::vector<std::uint32_t> sizes = Sizes<std::uint32_t>(start, 32u << 20);
    ASSERT_EQ(22u, sizes.size());
    EXPECT_EQ(start, sizes.front());
    EXPECT_EQ(31u * kOneMegabyte + kOneMegabyte / 2, sizes.back());
    EXPECT_EQ("Freeing 10 Meg", StepTitle(sizes.front()));
    EXPECT_EQ("Freeing 31 Meg", StepTitle(sizes.back()));
}

TEST(IncrementalRelease, EdgeCases)
{
    const std::uint32_t mb = kOneMegabyte;
    EXPECT_TRUE(Sizes<std::uint32_t>(32 * mb, 32 * mb).empty());  // start at the target
    EXPECT_TRUE(Sizes<std::uint32_t>(40 * mb, 32 * mb).empty());  // above it
    // A failed allocation ends the run at that step.
    EXPECT_EQ(3u, Sizes<std::uint32_t>(0, 32 * mb, 3).size());
    // Near the top of 32 bits the next size would wrap to a small one.
    const std::vector<std::uint32_t> top = Sizes<std::uint32_t>(0xFFF00000u - 2, 0xFFFFFFFFu);
    ASSERT_EQ(2u, top.size());
    EXPECT_EQ(0xFFFFFFFFu - 1, top.back());
    EXPECT_EQ("Freeing 4095 Meg", StepTitle(top.back()));
    // 64-bit sizes above 4 GB.
    const std::vector<std::uint64_t> big = Sizes<std::uint64_t>(5ull << 30, (5ull << 30) + 3 * mb);
    ASSERT_EQ(3u, big.size());
    EXPECT_EQ("Freeing 5122 Meg", StepTitle(big.back()));
}

TEST(TouchBlock, WritesZeroIntoEveryByte)
{
    for (std::size_t size : {0u, 1u, 3u, 4u, 5u, 7u, 8u, 9u, 4096u, 65539u}) {
        std::vector<unsigned char> block(size + 8, 0xAB);
        TouchBlock(block.data() + 1, size);  // unaligned on purpose
        EXPECT_EQ(0xAB, block[0]) << size;
        for (std::size_t i = 0; i < size; ++i)
            ASSERT_EQ(0, block[1 + i]) << "byte " << i << " of " << size;
        for (std::size_t i = size + 1; i < block.size(); ++i)
            ASSERT_EQ(0xAB, block[i]) << "past the end at " << i << " of " << size;
    }
}
