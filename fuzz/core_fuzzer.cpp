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

// Input: a byte choosing the operation, one choosing settings, unit and mode,
// then two raw doubles, or texts of a byte per character split at newlines.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) {
    return 0;
  }
  const Separators settings[] = {{u".", u","}, {u",", u"."}, {u"dp", u"gs"}};
  const Separators& separators = settings[data[1] % 3];
  const std::string rest(data + 2, data + size);
  const std::u16string text(data + 2, data + size);
  std::u16string fields[3];
  for (std::size_t i = 0, f = 0; i < text.size(); ++i) {
    text[i] == u'\n' && f < 2 ? void(++f) : void(fields[f] += text[i]);
  }
  double number[2] = {}, got = 0;
  std::memcpy(number, rest.data(), std::min(rest.size(), sizeof number));
  const double x = number[0];
  std::optional<std::u16string> shown;
  std::optional<FailureKind> kind;
  switch (data[0] % 6) {
    case 0: {
      // Plain ASCII numbers are read under English settings, as strtod reads them.
      const bool plain = rest.find_first_not_of("0123456789+-.eE") == std::string::npos;
      kind = failure([&] { got = toNumber(text, plain ? settings[0] : separators); });
      char* end = nullptr;
      const double want = std::strtod(rest.c_str(), &end);
      check(!plain                 ? kind != FailureKind::DivisionByZero
            : rest.empty() || *end ? kind == FailureKind::TypeMismatch
            : std::isinf(want)     ? kind == FailureKind::Overflow
                                   : !kind && got == want,
            "toNumber fails as documented and reads a plain number as strtod does");
      break;
    }
    case 1: {
      kind = failure([&] { shown = toText(x, separators); });
      check(std::isfinite(x) ? !kind : kind == FailureKind::Overflow, "no infinity or NaN shown");
      char c[32];
      std::snprintf(c, sizeof c, "%.15G", x == 0 ? 0.0 : x);
      check(!shown || toText(x) == std::u16string(c, c + std::strlen(c)), "toText is %.15G");
      std::snprintf(c, sizeof c, "%.14E", x);
      const double digits15 = std::strtod(c, nullptr);
      check(!shown || std::isinf(digits15) || toNumber(*shown, separators) == digits15,
            "a shown number reads back as its 15 significant digits");
      break;
    }
    case 2:
      got = roundHalfEven(x, 2);
      check(got == (std::isfinite(x * 100) ? std::nearbyint(x * 100) / 100 : x) || std::isnan(x),
            "roundHalfEven rounds the scaled double half to even");
      break;
    case 3:
    case 4: {
      kind = failure([&] {
        shown = data[0] % 6 == 4 ? CostEstimate(fields[0], fields[1], separators)
                                 : VolumeEstimate(fields[0], fields[1], fields[2],
                                                  LengthUnit(data[1] / 3 % 2), separators);
      });
      check(kind != FailureKind::DivisionByZero, "an estimate fails only as documented");
      break;
    }
    case 5: {
      const std::u16string_view mode[] = {u"DN", u"UP", u"NE"};
      double value = x;
      kind = failure([&] { got = doRound(value, number[1], mode[data[1] % 3]); });
      check(kind != FailureKind::TypeMismatch && std::isfinite(got), "doRound fails as documented");
      break;
    }
  }
  return 0;
}
