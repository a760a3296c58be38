// The core's conversions and estimates beside what a developer would reach
// for instead: std::from_chars and std::to_chars (the floor), the C library
// and QLocale. Benchmarks are named OPERATION/INPUTS/IMPLEMENTATION; after
// the usual table the program prints the median of "quarvel" against each
// baseline of the same operation and inputs, so that every ratio comes from
// one run.
#include <benchmark/benchmark.h>

#include <QLocale>
#include <QString>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "estimate/estimate.h"

namespace {

// Each iteration takes the next input, so that no implementation is timed on
// one text the branch predictor has learnt.
template <class Input, class Run>
void add(const std::string& name, std::vector<Input> inputs, Run run) {
  const auto timed = [inputs = std::move(inputs), run](benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
      benchmark::DoNotOptimize(run(inputs[next]));
      next = next + 1 == inputs.size() ? 0 : next + 1;
    }
  };
  benchmark::RegisterBenchmark(name.c_str(), timed);
}

// `count` digits from a fixed stream with the point after the sixth.
std::string longNumber(std::size_t count, std::uint32_t seed) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    seed = seed * 1664525u + 1013904223u;
    text += static_cast<char>('1' + (seed >> 24) % 9);
  }
  return text.insert(6, 1, '.');
}

std::u16string utf16(const std::string& text) {
  return {text.begin(), text.end()};
}

QString qt(const std::string& text) {
  return QString::fromStdString(text);
}

// Texts as typed with English settings. The core reads them as the window
// holds them (UTF-16) and QLocale as a QString; from_chars and strtod get
// them without the blanks and group separators they would reject.
void addToNumber(const char* inputs, const std::vector<std::string>& texts) {
  std::vector<std::u16string> typed;
  std::vector<std::string> bare;
  std::vector<QString> qstrings;
  for (const std::string& text : texts) {
    typed.push_back(utf16(text));
    bare.push_back(text);
    std::erase_if(bare.back(), [](char c) { return c == ' ' || c == ','; });
    qstrings.push_back(qt(text));
  }
  const std::string name = std::string("toNumber/") + inputs + "/";
  add(name + "quarvel", typed, [](const std::u16string& t) { return estimate::toNumber(t); });
  add(name + "from_chars", bare, [](const std::string& t) {
    double x = 0;
    std::from_chars(t.data(), t.data() + t.size(), x);
    return x;
  });
  add(name + "strtod", bare, [](const std::string& t) { return std::strtod(t.c_str(), nullptr); });
  add(name + "QLocale", qstrings,
      [locale = QLocale::c()](const QString& t) { return locale.toDouble(t); });
}

void addToText(const char* inputs, const std::vector<double>& values) {
  const std::string name = std::string("toText/") + inputs + "/";
  add(name + "quarvel", values, [](double x) { return estimate::toText(x); });
  add(name + "to_chars", values, [](double x) {
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 14);
    benchmark::DoNotOptimize(text);
    return written.ptr - text;
  });
  add(name + "snprintf", values, [](double x) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%.15G", x);
    benchmark::DoNotOptimize(text);
    return length;
  });
  add(name + "QLocale", values,
      [locale = QLocale::c()](double x) { return locale.toString(x, 'g', 15); });
}

using Pour = std::array<std::string, 3>;   // length, width and depth in feet
using Order = std::array<std::string, 2>;  // price and displayed volume
const std::vector<Pour> pours = {
    {"10", "10", "0.5"}, {"24", "12", "0.33"}, {"1250", "8", "0.5"}, {"40", "30", "1"}};
const std::vector<Order> orders = {{"70", "1.48"}, {"55", "1.85"}, {"3", "1.1"}, {"65.5", "12.35"}};

// The fields converted beforehand to what each implementation reads.
template <std::size_t N, class Convert>
auto each(const std::vector<std::array<std::string, N>>& rows, Convert convert) {
  std::vector<std::array<decltype(convert(rows[0][0])), N>> converted(rows.size());
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (std::size_t i = 0; i < N; ++i) {
      converted[row][i] = convert(rows[row][i]);
    }
  }
  return converted;
}

// The same arithmetic and rounding with the C library's or Qt's conversions,
// without any checks.
std::string cText(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15G", x);
  return text;
}

double cNumber(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

void addEstimates() {
  const QLocale c = QLocale::c();
  add("VolumeEstimate/feet/quarvel", each(pours, utf16), [](const auto& f) {
    return estimate::VolumeEstimate(f[0], f[1], f[2], estimate::LengthUnit::Feet);
  });
  add("VolumeEstimate/feet/C", pours, [](const Pour& f) {
    return cText(std::nearbyint(cNumber(f[2]) * (cNumber(f[0]) * cNumber(f[1])) / 27 * 100) / 100);
  });
  add("VolumeEstimate/feet/QLocale", each(pours, qt), [c](const auto& f) {
    const double volume = c.toDouble(f[2]) * (c.toDouble(f[0]) * c.toDouble(f[1])) / 27;
    return c.toString(std::nearbyint(volume * 100) / 100, 'g', 15);
  });
  add("CostEstimate/order/quarvel", each(orders, utf16),
      [](const auto& o) { return estimate::CostEstimate(o[0], o[1]); });
  add("CostEstimate/order/C", orders,
      [](const Order& o) { return cText(cNumber(o[1]) * cNumber(o[0])); });
  add("CostEstimate/order/QLocale", each(orders, qt),
      [c](const auto& o) { return c.toString(c.toDouble(o[1]) * c.toDouble(o[0]), 'g', 15); });
}

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration ? run.repetitions == 1
                                            : run.aggregate_name == "median") {
        medians_[run.run_name.str()] = run.GetAdjustedCPUTime();
      }
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-26s %-11s %9s %9s %7s\n", "operation/inputs", "baseline", "ours ns", "base ns",
                "ratio");
    for (const auto& [name, ours] : medians_) {
      const std::string group = name.substr(0, name.rfind('/') + 1);
      if (name != group + "quarvel") {
        continue;
      }
      for (auto it = medians_.lower_bound(group);
           it != medians_.end() && it->first.starts_with(group); ++it) {
        if (it->first != name) {
          std::printf("%-26.*s %-11s %9.1f %9.1f %7.2f\n", static_cast<int>(group.size() - 1),
                      group.c_str(), it->first.c_str() + group.size(), ours, it->second,
                      ours / it->second);
        }
      }
    }
  }

 private:
  std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  addToNumber("dimensions", {"10", "0.5", " 12.25 ", "1,250", "120", "144", "4", "3.75"});
  addToNumber("prices", {"70", "65.5", "55", "72.25", "100", "85", "60.75", "90"});
  addToNumber("digits20",
              {longNumber(20, 1), longNumber(20, 2), longNumber(20, 3), longNumber(20, 4)});
  addToNumber("digits100",
              {longNumber(100, 1), longNumber(100, 2), longNumber(100, 3), longNumber(100, 4)});
  addToText("volumes", {1.85, 1.48, 0.04, 12, 103.6, 129.5, 101.75, 0});
  addToText("costs",
            {0.1 + 0.2, 1.1 * 3, 1.0 / 3, 2.0 / 3, 1.85 * 65.5, 3.14159265358979, -123.456789});
  addToText("exponents",
            {1e15, 1.5e-5, 4.9e-324, 1.7976931348623157e308, -6.02e23, 1.2345678901234e-100});
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
