#include "catalogue/LargeBlocks.h"

#include <sys/mman.h>

#include <cstdint>

namespace reelcase {

namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;

std::size_t roundedUp(std::size_t bytes, std::size_t unit) {
    return (bytes + unit - 1) / unit * unit;
}

}  // namespace

void* allocateLargeBlock(std::size_t bytes) {
    const std::size_t used = roundedUp(bytes, HugePage);
    // A huge page more than needed, so that the block can start on a huge-page boundary; the
    // parts before and after it are given back at once.
    const std::size_t mapped = used + HugePage;
    void* mapping =
        ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED) {
        throw std::bad_alloc();
    }
    const auto address = reinterpret_cast<std::uintptr_t>(mapping);
    const std::size_t head = roundedUp(address, HugePage) - address;
    char* const block = static_cast<char*>(mapping) + head;
    if (head > 0) {
        ::munmap(mapping, head);
    }
    if (const std::size_t tail = mapped - head - used; tail > 0) {
        ::munmap(block + used, tail);
    }
#ifdef MADV_HUGEPAGE
    // Only advice: where huge pages are off, the block works with small ones.
    (void)::madvise(block, used, MADV_HUGEPAGE);
#endif
    return block;
}

std::size_t blockBytes(std::size_t bytes) {
    return bytes >= LargeBlock ? roundedUp(bytes, HugePage) : bytes;
}

void releaseLargeBlock(void* block, std::size_t bytes) {
    if (block != nullptr) {
        ::munmap(block, roundedUp(bytes, HugePage));
    }
}

}  // namespace reelcase
