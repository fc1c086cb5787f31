#include "catalogue/LargeBlocks.h"

#include <pthread.h>
#include <sched.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
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

PagesFilledAhead::PagesFilledAhead(void* from, std::size_t bytes) {
#ifdef MADV_POPULATE_WRITE
    // From a page boundary: advice covers whole pages, and the pages before from are the
    // owner's already.
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const auto address = reinterpret_cast<std::uintptr_t>(from);
    const std::size_t head = roundedUp(address, page) - address;
    if (bytes <= head) {
        return;
    }
    char* const start = static_cast<char*>(from) + head;
    const std::size_t length = roundedUp(bytes - head, page);
    // A kernel without the advice (older than 5.14) refuses it: the pages are then filled as
    // they are first written, as without this. The thread runs only on an idle core, so that
    // it never slows the work it is meant to overlap, and a huge page at a time, so that the
    // owner's own mapping calls are not held up behind the whole range.
    thread_ = std::thread([this, start, length] {
        for (std::size_t done = 0; done < length && !stop_.load(std::memory_order_relaxed);
             done += HugePage) {
            (void)::madvise(start + done, std::min(HugePage, length - done), MADV_POPULATE_WRITE);
        }
    });
    // Set from here, so that the destructor's setting comes after it.
    sched_param none{};
    (void)::pthread_setschedparam(thread_.native_handle(), SCHED_IDLE, &none);
#else
    (void)from;
    (void)bytes;
#endif
}

PagesFilledAhead::~PagesFilledAhead() {
    if (thread_.joinable()) {
        stop_.store(true, std::memory_order_relaxed);
        // Back to a fair share of the processor: on a busy machine a thread that runs only
        // on an idle core could keep the owner waiting here for long.
        sched_param normal{};
        (void)::pthread_setschedparam(thread_.native_handle(), SCHED_OTHER, &normal);
        thread_.join();
    }
}

void releaseLargeBlock(void* block, std::size_t bytes) {
    if (block != nullptr) {
        ::munmap(block, roundedUp(bytes, HugePage));
    }
}

}  // namespace reelcase
