// glibc's malloc, tuned before anything large is allocated.
#include "platform/heap.h"

#include <malloc.h>    // Required for: mallopt()
#include <sys/mman.h>  // Required for: madvise()

#include <cstddef>  // Required for: std::size_t
#include <cstdint>  // Required for: std::uintptr_t
#include <cstdlib>  // Required for: std::malloc(), std::free()

namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;
// glibc takes no larger threshold for giving a block a mapping of its own.
constexpr std::size_t kLargestHeapBlock = 32 * kMiB;
// More than start-up holds at once: some 40 MB read, as much again in textures.
constexpr int kReserveBlocks = 6;
constexpr std::uintptr_t kLargePage = 2 * kMiB;

}  // namespace

void PrepareHeapForStartUp() {
    // One heap for every thread (the reading-ahead thread's blocks are freed by the main one),
    // every block in it, none given back while start-up still needs room.
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(kLargestHeapBlock));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(kReserveBlocks * kLargestHeapBlock));
    // Grow the heap by the whole reserve now, block after block, and mark it; freed, the blocks
    // stay the heap's top for later allocations to carve from. Pages are only taken when first
    // touched.
    void* blocks[kReserveBlocks] = {};
    for (void*& block : blocks) {
        const std::size_t size = kLargestHeapBlock - kMiB;
        block = std::malloc(size);
        if (block == nullptr) break;
        const auto start = reinterpret_cast<std::uintptr_t>(block);
        const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
        const std::uintptr_t last = (start + size) & ~(kLargePage - 1);
        if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
    for (void* block : blocks) std::free(block);
}
