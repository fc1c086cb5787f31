#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace reelcase {

// Blocks of a megabyte or more, straight from the kernel and zero-filled, asked to be backed
// by huge pages: filling one then takes a page fault every 2 MiB instead of every 4 KiB. On
// a virtual machine each fault costs microseconds, and taking in 100,000 movies fills some
// 45 MB (the table, the list, the name index, the undo step).
inline constexpr std::size_t LargeBlock = std::size_t{1} << 20;
void* allocateLargeBlock(std::size_t bytes);  // throws std::bad_alloc
void releaseLargeBlock(void* block, std::size_t bytes);
// The memory an allocation of bytes takes: a large one is rounded up to whole huge pages.
std::size_t blockBytes(std::size_t bytes);

// Takes large blocks as above, smaller ones from the usual heap.
template <typename T>
class LargeBlockAllocator {
  public:
    using value_type = T;
    LargeBlockAllocator() = default;
    template <typename U>
    LargeBlockAllocator(const LargeBlockAllocator<U>& /*other*/) {}  // NOLINT: as std::allocator

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        return static_cast<T*>(bytes >= LargeBlock ? allocateLargeBlock(bytes)
                                                   : ::operator new(bytes));
    }
    void deallocate(T* p, std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes >= LargeBlock) {
            releaseLargeBlock(p, bytes);
        } else {
            ::operator delete(p);
        }
    }
    template <typename U>
    bool operator==(const LargeBlockAllocator<U>& /*other*/) const {
        return true;
    }
};

template <typename T>
using LargeVector = std::vector<T, LargeBlockAllocator<T>>;
using LargeString = std::basic_string<char, std::char_traits<char>, LargeBlockAllocator<char>>;

// One large block for the lifetime of its owner.
class ZeroedBlock {
  public:
    explicit ZeroedBlock(std::size_t bytes) : bytes_(bytes), data_(allocateLargeBlock(bytes)) {}
    ~ZeroedBlock() { releaseLargeBlock(data_, bytes_); }
    ZeroedBlock(const ZeroedBlock&) = delete;
    ZeroedBlock& operator=(const ZeroedBlock&) = delete;

    void* data() const { return data_; }
    void swap(ZeroedBlock& other) noexcept {
        std::swap(bytes_, other.bytes_);
        std::swap(data_, other.data_);
    }

  private:
    std::size_t bytes_;
    void* data_;
};

// A fixed number of Ts whose all-zero bytes are their empty state, zero-filled without a
// write: a large block as above, a smaller one from calloc (which gives a big one as fresh
// pages too). Only the pages that are used are ever touched, so a table sized for 100,000
// entries costs next to nothing where few are used; a vector would write every byte first.
template <typename T>
class ZeroedArray {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

  public:
    ZeroedArray() = default;
    explicit ZeroedArray(std::size_t count)
        : count_(count), data_(static_cast<T*>(allocate(count * sizeof(T)))) {}
    ~ZeroedArray() { release(); }
    ZeroedArray(ZeroedArray&& other) noexcept
        : count_(std::exchange(other.count_, 0)), data_(std::exchange(other.data_, nullptr)) {}
    ZeroedArray& operator=(ZeroedArray&& other) noexcept {
        if (this != &other) {
            release();
            count_ = std::exchange(other.count_, 0);
            data_ = std::exchange(other.data_, nullptr);
        }
        return *this;
    }
    ZeroedArray(const ZeroedArray&) = delete;
    ZeroedArray& operator=(const ZeroedArray&) = delete;

    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }
    std::size_t size() const { return count_; }

  private:
    static void* allocate(std::size_t bytes) {
        if (bytes >= LargeBlock) {
            return allocateLargeBlock(bytes);
        }
        void* block = std::calloc(bytes > 0 ? bytes : 1, 1);
        if (block == nullptr) {
            throw std::bad_alloc();
        }
        return block;
    }
    void release() {
        if (count_ * sizeof(T) >= LargeBlock) {
            releaseLargeBlock(data_, count_ * sizeof(T));
        } else {
            std::free(data_);
        }
        data_ = nullptr;
        count_ = 0;
    }

    std::size_t count_ = 0;
    T* data_ = nullptr;
};

}  // namespace reelcase
