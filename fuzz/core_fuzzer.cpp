#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "estimate/estimate.h"

using namespace estimate;

// A broken property aborts, so that libFuzzer keeps the input that broke it.
static void check(bool holds, const char* property) {
  if (!holds) {
    std::fprintf(stderr, "BROKEN PROPERTY: %s\n", property);
    std::abort();
  }
}

// The kind of Failure thrown, if any; anything else thrown reaches libFuzzer.
template <class Operation>
static std::optional<FailureKind> failure(Operation operation) {
  try {
    operation();
  } catch (const Failure& thrown) {
    return thrown.kind();
  }
  return std::nullopt;
}

// Input: a byte choosing the operation, one choosing the settings, then a
// text of a byte per character, or the raw bytes of a double.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) {
    return 0;
  }
  const Separators settings[] = {{u".", u","}, {u",", u"."}, {u"dp", u"gs"}};
  const Separators& separators = settings[data[1] % 3];
  const std::string rest(data + 2, data + size);
  const std::u16string text(data + 2, data + size);
  std::optional<FailureKind> kind;
  if (data[0] % 2 == 0) {
    // Plain ASCII numbers are read under English settings, as strtod reads them.
    const bool plain = rest.find_first_not_of("0123456789+-.eE") == std::string::npos;
    double got = 0;
    kind = failure([&] { got = toNumber(text, plain ? settings[0] : separators); });
    char* end = nullptr;
    const double want = std::strtod(rest.c_str(), &end);
    check(!plain                 ? kind != FailureKind::DivisionByZero
          : rest.empty() || *end ? kind == FailureKind::TypeMismatch
          : std::isinf(want)     ? kind == FailureKind::Overflow
                                 : !kind && got == want,
          "toNumber fails as documented and reads a plain number as strtod does");
  } else {
    double x = 0;
    std::memcpy(&x, rest.data(), std::min(rest.size(), sizeof x));
    std::optional<std::u16string> shown;
    kind = failure([&] { shown = toText(x, separators); });
    check(std::isfinite(x) ? !kind : kind == FailureKind::Overflow, "no infinity or NaN shown");
    char c[32];
    std::snprintf(c, sizeof c, "%.15G", x == 0 ? 0.0 : x);
    check(!shown || toText(x) == std::u16string(c, c + std::strlen(c)), "toText is %.15G");
  }
  return 0;
}
