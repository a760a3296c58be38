#pragma once

#include <cstddef>
#include <string>

namespace estimate::internal {

// Characters collected for one conversion: on the stack for the texts people
// type, on the heap only for the rare text of hundreds of digits.
class AsciiBuffer {
 public:
  void push(char c) {
    if (size_ < kInlineCapacity) {
      inline_[size_] = c;
    } else {
      pushOnHeap(c);
    }
    ++size_;
  }

  void append(const char* first, const char* last) {
    for (; first != last; ++first) {
      push(*first);
    }
  }

  std::size_t size() const { return size_; }
  const char* begin() const { return onHeap() ? heap_.data() : inline_; }
  const char* end() const { return begin() + size_; }

 private:
  static constexpr std::size_t kInlineCapacity = 96;

  bool onHeap() const { return size_ > kInlineCapacity; }

  void pushOnHeap(char c) {
    if (!onHeap()) {
      heap_.reserve(2 * kInlineCapacity);
      heap_.assign(inline_, size_);
    }
    heap_.push_back(c);
  }

  char inline_[kInlineCapacity];
  std::size_t size_ = 0;
  std::string heap_;
};

}  // namespace estimate::internal
