#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// Texts arrive as WTF-8, the UTF-8 form that also encodes lone surrogates, so
// the mutator can reach every UTF-16 sequence a control may hold while the
// seed files stay readable. A byte that starts no valid sequence becomes
// U+DC80..U+DCFF, the way surrogateescape keeps undecodable bytes.
inline std::u16string decodeWtf8(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const size_t length = lead < 0x80   ? 1
                          : lead < 0xC2 ? 0
                          : lead < 0xE0 ? 2
                          : lead < 0xF0 ? 3
                          : lead < 0xF5 ? 4
                                        : 0;
    char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : lead & (0x7F >> length);
    bool valid = length != 0 && i + length <= bytes.size();
    for (size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && code >= smallest[length] && code <= 0x10FFFF;
    if (!valid) {
      text.push_back(static_cast<char16_t>(0xDC00 + lead));
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      text.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
      text.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    } else {
      text.push_back(static_cast<char16_t>(code));
    }
    i += length;
  }
  return text;
}

// A fuzz input read front to back: selector bytes and raw doubles first, then
// newline-separated WTF-8 texts, the last of which takes the rest of the input
// (newlines included). Whatever is missing reads as zero or as an empty text,
// so every byte string is a valid input.
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

  // A small choice: the byte minus '0', so that the digit 0, 1, 2... picks
  // entry 0, 1, 2... in a hand-written seed; any byte picks something.
  size_t choice(size_t count) {
    if (rest_.empty()) {
      return 0;
    }
    const auto byte = static_cast<uint8_t>(rest_.front() - '0');
    rest_.remove_prefix(1);
    return byte % count;
  }

  double rawDouble() {
    unsigned char bytes[sizeof(double)] = {};
    const size_t taken = std::min(rest_.size(), sizeof bytes);
    std::memcpy(bytes, rest_.data(), taken);
    rest_.remove_prefix(taken);
    return std::bit_cast<double>(bytes);
  }

  // The next newline-terminated text, or with `last` everything that is left.
  std::u16string text(bool last = false) {
    size_t end = last ? rest_.size() : std::min(rest_.find('\n'), rest_.size());
    std::u16string decoded = decodeWtf8(rest_.substr(0, end));
    rest_.remove_prefix(std::min(end + 1, rest_.size()));
    return decoded;
  }

  std::u16string lastText() { return text(true); }

  // Ends a header line of choices, so that a seed reads "10\n12\n..." rather
  // than running the choices into the first text.
  void endHeader() { text(); }

 private:
  std::string_view rest_;
};

}  // namespace fuzz
