#pragma once

#include <bit>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace estimate::internal {

// copyDigitRun may write this many chars past the digits it copies.
constexpr std::size_t kDigitRunSlack = 16;

constexpr bool isDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

#if defined(__SSE2__)
// A byte mask with two bits set for each of the eight code units that is a
// digit.
inline unsigned digitMask(__m128i units) {
  // A unit is a digit when unit - '0', taken without sign, is at most 9.
  const __m128i beyondNine =
      _mm_subs_epu16(_mm_sub_epi16(units, _mm_set1_epi16('0')), _mm_set1_epi16(9));
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(beyondNine, _mm_setzero_si128())));
}

inline __m128i load(const char16_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// Writes the eight code units in `units` as eight chars at `out` and gives
// their digit mask.
inline unsigned narrow(__m128i units, char* out) {
  _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(units, units));
  return digitMask(units);
}
#endif

// Copies the ASCII digits at the start of [p, last) to `out` as chars and
// returns the first code unit that is not one. Long digit strings are
// narrowed sixteen code units at a time where the processor allows; `out`
// needs room for the text plus kDigitRunSlack chars, and must not run ahead
// of `p` within it. The next block is not loaded until the last one has
// been found all digits, so that the loop does not wait on the count.
inline const char16_t* copyDigitRun(const char16_t* p, const char16_t* last, char*& out) {
#if defined(__SSE2__)
  for (; last - p >= 16; p += 16, out += 16) {
    const __m128i low = load(p);
    const __m128i high = load(p + 8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(low, high));
    const unsigned digits = digitMask(low) | digitMask(high) << 16;
    if (digits != 0xFFFFFFFF) {
      const int count = std::countr_one(digits) / 2;
      out += count;
      return p + count;
    }
  }
  if (last - p >= 8) {
    const unsigned digits = narrow(load(p), out);
    if (digits != 0xFFFF) {
      const int count = std::countr_one(digits) / 2;
      out += count;
      return p + count;
    }
    p += 8;
    out += 8;
  }
  if (last - p >= 4) {
    const unsigned digits = narrow(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)), out);
    if ((digits & 0xFF) != 0xFF) {
      const int count = std::countr_one(digits) / 2;
      out += count;
      return p + count;
    }
    p += 4;
    out += 4;
  }
#endif
  for (; p != last && isDigit(*p); ++p) {
    *out++ = static_cast<char>(*p);
  }
  return p;
}

}  // namespace estimate::internal
