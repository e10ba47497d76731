// Transient result memory: alignment, independence of blocks, reuse after
// reset, bounded growth, refusal of absurd sizes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

#include "transient.h"

namespace {

bool aligned16(const void *p) { return reinterpret_cast<uintptr_t>(p) % 16 == 0; }

TEST(TransientArena, BlocksAreAlignedDistinctAndDoNotOverlap) {
    tovu::TransientArena arena;
    const uint32_t sizes[] = {0, 1, 7, 16, 17, 40, 48, 328, 0, 2048, 8192, 65535, 65536, 65537, 200000, 3, 0};
    std::vector<std::pair<uint8_t *, uint32_t>> blocks;
    std::set<void *> seen;
    for (int round = 0; round < 50; ++round) {
        for (uint32_t n : sizes) {
            auto *p = static_cast<uint8_t *>(arena.allocate(n));
            ASSERT_NE(p, nullptr) << n;
            EXPECT_TRUE(aligned16(p)) << n;
            EXPECT_TRUE(seen.insert(p).second) << "pointer handed out twice, size " << n;
            std::memset(p, static_cast<int>(blocks.size() & 0xff), n);
            blocks.emplace_back(p, n);
        }
    }
    // Every block still holds its own fill: no block overlaps another.
    for (size_t i = 0; i < blocks.size(); ++i) {
        for (uint32_t k = 0; k < blocks[i].second; ++k) {
            ASSERT_EQ(blocks[i].first[k], static_cast<uint8_t>(i & 0xff)) << "block " << i << " byte " << k;
        }
    }
}

TEST(TransientArena, SteadyCyclesAllocateNothingNew) {
    tovu::TransientArena arena;
    auto cycle = [&] {
        for (int i = 0; i < 500; ++i) ASSERT_NE(arena.allocate(static_cast<uint32_t>(i % 97) * 8), nullptr);
        ASSERT_NE(arena.allocate(300000), nullptr);  // own chunk
        ASSERT_NE(arena.allocate(8192), nullptr);
        arena.reset();
    };
    cycle();
    const size_t after_first = arena.bytes_reserved();
    EXPECT_GE(after_first, 300000u + 64 * 1024u);
    for (int i = 0; i < 1000; ++i) cycle();
    EXPECT_EQ(arena.bytes_reserved(), after_first);
}

TEST(TransientArena, LargeChunksDoNotAccumulateOverManyResets) {
    tovu::TransientArena arena;
    // Alternate large sizes that never fit each other's chunk exactly.
    size_t peak = 0;
    for (int i = 0; i < 2000; ++i) {
        const uint32_t n = 100000 + static_cast<uint32_t>(i % 7) * 50000;
        ASSERT_NE(arena.allocate(n), nullptr);
        arena.reset();
        peak = std::max(peak, arena.bytes_reserved());
    }
    EXPECT_LT(peak, 2u * 1024 * 1024);
    // Unused large chunks are released after a couple of idle cycles.
    arena.allocate(5'000'000);
    arena.reset();
    arena.reset();
    arena.reset();
    EXPECT_LT(arena.bytes_reserved(), 5'000'000u);
}

TEST(TransientArena, RefusesAbsurdRequests) {
    tovu::TransientArena arena;
    EXPECT_EQ(arena.allocate((uint32_t{1} << 30) + 1), nullptr);
    EXPECT_EQ(arena.allocate(UINT32_MAX), nullptr);  // e.g. a negative size read as unsigned
    EXPECT_EQ(arena.bytes_reserved(), 0u);
    EXPECT_NE(arena.allocate(16), nullptr);  // still usable
}

}  // namespace
