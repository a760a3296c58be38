#pragma once

#include <cstddef>
#include <memory>

namespace estimate::internal {

// Room for the ASCII form of one number: on the stack for the texts people
// type, on the heap only for the rare text of hundreds of digits.
class AsciiScratch {
 public:
  explicit AsciiScratch(std::size_t capacity) {
    if (capacity > sizeof inline_) {
      heap_ = std::make_unique_for_overwrite<char[]>(capacity);
      data_ = heap_.get();
    }
  }

  AsciiScratch(const AsciiScratch&) = delete;
  AsciiScratch& operator=(const AsciiScratch&) = delete;

  char* data() { return data_; }

 private:
  char inline_[128];
  std::unique_ptr<char[]> heap_;
  char* data_ = inline_;
};

}  // namespace estimate::internal
