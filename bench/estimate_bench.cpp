#include <QLocale>
#include <QString>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "bench/rotation.h"
#include "estimate/estimate.h"

namespace {

// Length, width and depth as typed, and the price beside a displayed volume.
using Dimensions = std::array<std::u16string, 3>;
using Order = std::array<std::u16string, 2>;

const std::vector<Dimensions> feet = {{u"10", u"10", u"0.5"},
                                      {u"24", u"12", u"0.33"},
                                      {u"1,250", u" 8 ", u"0.5"},
                                      {u"40", u"30", u"1"}};
const std::vector<Dimensions> inches = {
    {u"120", u"144", u"4"}, {u"12", u"12", u"12"}, {u"96", u"48", u"6"}, {u"300", u"240", u"5.5"}};
const std::vector<Order> orders = {
    {u"70", u"1.48"}, {u"55", u"1.85"}, {u"3", u"1.1"}, {u"65.5", u"12.35"}};

std::string ascii(const std::u16string& text) {
  std::string narrow;
  for (char16_t c : text) {
    if (c != u' ' && c != u',') {
      narrow += static_cast<char>(c);
    }
  }
  return narrow;
}

template <std::size_t N>
std::vector<std::array<std::string, N>> narrow(
    const std::vector<std::array<std::u16string, N>>& typed) {
  std::vector<std::array<std::string, N>> texts;
  for (const auto& fields : typed) {
    std::array<std::string, N> narrowed;
    for (std::size_t i = 0; i < N; ++i) {
      narrowed[i] = ascii(fields[i]);
    }
    texts.push_back(narrowed);
  }
  return texts;
}

// What a developer would write with the C library alone, on texts already
// narrowed to ASCII: no checks, the same arithmetic and rounding, and the C
// library's own formatting.
std::string cVolume(const std::array<std::string, 3>& typed, double divisor) {
  const double v =
      std::strtod(typed[2].c_str(), nullptr) *
      (std::strtod(typed[0].c_str(), nullptr) * std::strtod(typed[1].c_str(), nullptr)) / divisor;
  char text[32];
  std::snprintf(text, sizeof text, "%.15G", std::nearbyint(v * 100) / 100);
  return text;
}

// The same with Qt's locale-aware conversions.
QString qtVolume(const QLocale& locale, const std::array<QString, 3>& typed, double divisor) {
  const double v =
      locale.toDouble(typed[2]) * (locale.toDouble(typed[0]) * locale.toDouble(typed[1])) / divisor;
  return locale.toString(std::nearbyint(v * 100) / 100, 'g', 15);
}

std::vector<std::array<QString, 3>> qtTexts(const std::vector<Dimensions>& typed) {
  std::vector<std::array<QString, 3>> texts;
  for (const Dimensions& d : typed) {
    texts.push_back({QString::fromStdU16String(d[0]).trimmed(),
                     QString::fromStdU16String(d[1]).trimmed(),
                     QString::fromStdU16String(d[2]).trimmed()});
  }
  return texts;
}

void addVolume(const char* unitName, const std::vector<Dimensions>& typed,
               estimate::LengthUnit unit, double divisor) {
  const std::string suffix = std::string("/") + unitName;
  bench::add("VolumeEstimate/quarvel" + suffix, typed, [unit](const Dimensions& d) {
    return estimate::VolumeEstimate(d[0], d[1], d[2], unit);
  });
  bench::add("VolumeEstimate/c_library" + suffix, narrow(typed),
             [divisor](const std::array<std::string, 3>& d) { return cVolume(d, divisor); });
  bench::add("VolumeEstimate/qlocale_c" + suffix, qtTexts(typed),
             [divisor, locale = QLocale::c()](const std::array<QString, 3>& d) {
               return qtVolume(locale, d, divisor);
             });
}

void addCost() {
  bench::add("CostEstimate/quarvel/order", orders,
             [](const Order& o) { return estimate::CostEstimate(o[0], o[1]); });
  bench::add(
      "CostEstimate/c_library/order", narrow(orders), [](const std::array<std::string, 2>& o) {
        const double price = std::strtod(o[0].c_str(), nullptr);
        char text[32];
        std::snprintf(text, sizeof text, "%.15G", std::strtod(o[1].c_str(), nullptr) * price);
        return std::string(text);
      });
}

// Value and step pairs from the worked examples that round without failing.
struct StepCase {
  double value;
  double step;
};
const std::vector<StepCase> steps = {{12, 5},   {15, 5},    {-12, 5}, {12, -5},
                                     {7.6, 5},  {10.4, 5},  {5, 2.5}, {123.5, 10},
                                     {7.25, 1}, {12.5, -5}, {0.3, 1}, {-12.5, 5}};

void addStepRounding() {
  for (const char16_t* mode : {u"DN", u"UP", u"NE"}) {
    const std::u16string modeText(mode);
    bench::add("doRound/quarvel/" + ascii(modeText), steps, [modeText](const StepCase& c) {
      double value = c.value;
      return estimate::doRound(value, c.step, modeText);
    });
  }
  bench::add("doRound/floor/DN", steps,
             [](const StepCase& c) { return std::floor(c.value / c.step) * c.step; });
}

const bool registered = [] {
  addVolume("feet", feet, estimate::LengthUnit::Feet, 27);
  addVolume("inches", inches, estimate::LengthUnit::Inches, 1728.0 * 27);
  addCost();
  addStepRounding();
  return true;
}();

}  // namespace
