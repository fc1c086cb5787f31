#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace reelcase {

// The first few of a list of findings and how many there were in all: a source of millions of
// bad rows is told by its count, without a line kept for each.
template <typename T>
class FirstFew {
  public:
    static constexpr std::size_t Kept = 300;

    void push_back(T value) {
        if (kept_.size() < Kept) {
            kept_.push_back(std::move(value));
        }
        ++count_;
    }
    // Adds other's findings; the kept ones stay the first by less, as far as both kept them.
    template <typename Less>
    void merge(const FirstFew& other, Less less) {
        kept_.insert(kept_.end(), other.kept_.begin(), other.kept_.end());
        std::stable_sort(kept_.begin(), kept_.end(), less);
        if (kept_.size() > Kept) {
            kept_.resize(Kept);
        }
        count_ += other.count_;
    }
    void clear() {
        kept_.clear();
        count_ = 0;
    }

    [[nodiscard]] std::size_t size() const { return count_; }
    [[nodiscard]] bool empty() const { return count_ == 0; }
    [[nodiscard]] const T& operator[](std::size_t i) const { return kept_[i]; }
    [[nodiscard]] const T& front() const { return kept_.front(); }
    [[nodiscard]] const std::vector<T>& kept() const { return kept_; }
    [[nodiscard]] auto begin() const { return kept_.begin(); }
    [[nodiscard]] auto end() const { return kept_.end(); }

  private:
    std::vector<T> kept_;
    std::size_t count_ = 0;
};

}  // namespace reelcase
