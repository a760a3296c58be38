// The core's conversions and estimates beside std::from_chars and
// std::to_chars (the floor), the C library and QLocale. Benchmarks are named
// OPERATION/INPUTS/IMPLEMENTATION; with repetitions, the program ends with the
// median of "quarvel" against each other one of the same operation and inputs.
#include <benchmark/benchmark.h>

#include <QLocale>
#include <QString>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <fast_float/fast_float.h>

#include "estimate/estimate.h"

namespace {

// Texts as typed with English settings, one array of fields per input.
template <std::size_t N>
using Rows = std::vector<std::array<std::string, N>>;

// Registers `run` over `rows` with every field turned beforehand by `read`
// into what the implementation reads. Each iteration takes the next row, so
// that no implementation is timed on one input the branch predictor learnt.
template <std::size_t N, class Read, class Run>
void add(const std::string& name, const Rows<N>& rows, Read read, Run run) {
  std::vector<std::array<decltype(read(rows[0][0])), N>> inputs(rows.size());
  for (std::size_t row = 0; row < rows.size(); ++row) {
    std::transform(rows[row].begin(), rows[row].end(), inputs[row].begin(), read);
  }
  benchmark::RegisterBenchmark(name.c_str(), [inputs, run](benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
      benchmark::DoNotOptimize(run(inputs[next]));
      next = next + 1 == inputs.size() ? 0 : next + 1;
    }
  });
}

// The UTF-16 text the window's controls hold.
std::u16string utf16(const std::string& text) {
  return {text.begin(), text.end()};
}

QString qt(const std::string& text) {
  return QString::fromStdString(text);
}

// What from_chars and strtod accept: no blanks, no group separators.
std::string bare(std::string text) {
  std::erase_if(text, [](char c) { return c == ' ' || c == ','; });
  return text;
}

double number(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

std::string cText(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15G", x);
  return text;
}

void addToNumber(const std::string& inputs, const Rows<1>& texts) {
  const std::string name = "toNumber/" + inputs + "/";
  add(name + "quarvel", texts, utf16, [](const auto& t) { return estimate::toNumber(t[0]); });
  add(name + "from_chars", texts, bare, [](const auto& t) {
    double x = 0;
#ifdef __cpp_lib_to_chars
    std::from_chars(t[0].data(), t[0].data() + t[0].size(), x);
#else  // libc++ before LLVM 20, Apple's too, has none for doubles
    fast_float::from_chars(t[0].data(), t[0].data() + t[0].size(), x);
#endif
    return x;
  });
  add(name + "strtod", texts, bare, [](const auto& t) { return number(t[0]); });
  add(name + "QLocale", texts, qt, [c = QLocale::c()](const auto& t) { return c.toDouble(t[0]); });
}

// `count` digits from a fixed stream with the point after the sixth.
Rows<1> longNumbers(std::size_t count) {
  Rows<1> texts(4);
  std::uint32_t seed = 1;
  for (auto& [text] : texts) {
    for (std::size_t i = 0; i < count; ++i) {
      seed = seed * 1664525u + 1013904223u;
      text += static_cast<char>('1' + (seed >> 24) % 9);
    }
    text.insert(6, 1, '.');
  }
  return texts;
}

void addToText(const std::string& inputs, const Rows<1>& values) {
  const std::string name = "toText/" + inputs + "/";
  add(name + "quarvel", values, number, [](const auto& x) { return estimate::toText(x[0]); });
  add(name + "to_chars", values, number, [](const auto& x) {
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, x[0], std::chars_format::scientific, 14);
    benchmark::DoNotOptimize(text);
    return written.ptr - text;
  });
  add(name + "snprintf", values, number, [](const auto& x) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%.15G", x[0]);
    benchmark::DoNotOptimize(text);
    return length;
  });
  add(name + "QLocale", values, number,
      [c = QLocale::c()](const auto& x) { return c.toString(x[0], 'g', 15); });
}

// The C library baselines do the same arithmetic and rounding unchecked.
void addEstimates() {
  // Length, width and depth in feet; price and displayed volume.
  const Rows<3> pours = {
      {"10", "10", "0.5"}, {"24", "12", "0.33"}, {"1,250", " 8 ", "0.5"}, {"40", "30", "1"}};
  const Rows<2> orders = {{"70", "1.48"}, {"55", "1.85"}, {"3", "1.1"}, {"65.5", "12.35"}};
  add("VolumeEstimate/feet/quarvel", pours, utf16, [](const auto& f) {
    return estimate::VolumeEstimate(f[0], f[1], f[2], estimate::LengthUnit::Feet);
  });
  add("VolumeEstimate/feet/C", pours, bare, [](const auto& f) {
    return cText(std::nearbyint(number(f[2]) * (number(f[0]) * number(f[1])) / 27 * 100) / 100);
  });
  add("CostEstimate/order/quarvel", orders, utf16,
      [](const auto& o) { return estimate::CostEstimate(o[0], o[1]); });
  add("CostEstimate/order/C", orders, bare,
      [](const auto& o) { return cText(number(o[1]) * number(o[0])); });
}

struct RatioReporter : benchmark::ConsoleReporter {
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.aggregate_name == "median") {
        medians[run.run_name.str()] = run.GetAdjustedCPUTime();
      }
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-26s%-12s%10s%10s%8s\n", "operation/inputs", "baseline", "ours ns", "base ns",
                "ratio");
    for (const auto& [name, ns] : medians) {
      const std::string group = name.substr(0, name.rfind('/'));
      const auto ours = medians.find(group + "/quarvel");
      if (ours != medians.end() && ours->first != name) {
        std::printf("%-26s%-12s%10.1f%10.1f%8.2f\n", group.c_str(), name.c_str() + group.size() + 1,
                    ours->second, ns, ours->second / ns);
      }
    }
  }

  std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv) {
  addToNumber("dimensions", {{"10"}, {"0.5"}, {" 12.25 "}, {"1,250"}, {"120"}, {"4"}, {"3.75"}});
  addToNumber("prices", {{"70"}, {"65.5"}, {"55"}, {"72.25"}, {"100"}, {"85"}, {"60.75"}});
  addToNumber("digits20", longNumbers(20));
  addToNumber("digits100", longNumbers(100));
  addToText("volumes", {{"1.85"}, {"1.48"}, {"0.04"}, {"12"}, {"103.6"}, {"129.5"}, {"0"}});
  addToText("costs", {{"0.30000000000000004"},
                      {"0.3333333333333333"},
                      {"121.17499999999998"},
                      {"3.14159265358979"},
                      {"-123.456789"},
                      {"2.6666666666666665"}});
  addToText("exponents", {{"1e15"},
                          {"1.5e-5"},
                          {"4.9e-324"},
                          {"1.7976931348623157e308"},
                          {"-6.02e23"},
                          {"1.2345678901234e-100"}});
  addEstimates();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
