// Calls one conversion a fixed number of times over one input set, so that
// `valgrind --tool=callgrind --toggle-collect=...` gives a repeatable count
// of instructions per call on a machine too noisy for timings:
//
//   callgrind_driver toNumber|from_chars|toText|to_chars SET [CALLS]
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/inputs.h"
#include "estimate/estimate.h"

namespace {

// Keeps each result alive without a benchmark library in the profile.
volatile double sink;

template <class Set>
const Set* find(const std::vector<Set>& sets, const std::string& name) {
  for (const Set& set : sets) {
    if (set.name == name) {
      return &set;
    }
  }
  return nullptr;
}

template <class Input, class Convert>
void repeat(const std::vector<Input>& inputs, long calls, Convert convert) {
  for (long i = 0; i < calls; ++i) {
    sink = convert(inputs[static_cast<std::size_t>(i) % inputs.size()]);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s toNumber|from_chars|toText|to_chars SET [CALLS]\n", argv[0]);
    return 2;
  }
  const std::string operation = argv[1];
  const long calls = argc > 3 ? std::atol(argv[3]) : 100000;
  if (const bench::TextSet* set = find(bench::textSets(), argv[2])) {
    std::vector<std::u16string> typed;
    std::vector<std::string> bare;
    for (const std::string& text : set->texts) {
      typed.push_back(bench::widen(text));
      bare.push_back(bench::bareNumber(text));
    }
    if (operation == "toNumber") {
      repeat(typed, calls, [](const std::u16string& t) { return estimate::toNumber(t); });
      return 0;
    }
    if (operation == "from_chars") {
      repeat(bare, calls, [](const std::string& t) {
        double x = 0;
        std::from_chars(t.data(), t.data() + t.size(), x);
        return x;
      });
      return 0;
    }
  }
  if (const bench::ValueSet* set = find(bench::valueSets(), argv[2])) {
    if (operation == "toText") {
      repeat(set->values, calls, [](double x) { return estimate::toText(x).size(); });
      return 0;
    }
    if (operation == "to_chars") {
      repeat(set->values, calls, [](double x) {
        char text[32];
        return std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 14).ptr -
               text;
      });
      return 0;
    }
  }
  std::fprintf(stderr, "%s: no operation %s on set %s\n", argv[0], argv[1], argv[2]);
  return 2;
}
