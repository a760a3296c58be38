#include <QLocale>
#include <QString>
#include <charconv>
#include <cstdio>

#include "bench/inputs.h"
#include "bench/rotation.h"
#include "estimate/estimate.h"

namespace {

const estimate::Separators commaSeparators{u",", u"."};

void addSet(const bench::ValueSet& set) {
  const auto name = [&set](const char* implementation) {
    return std::string("toText/") + implementation + "/" + set.name;
  };
  const std::vector<double>& values = set.values;

  bench::add(name("quarvel"), values, [](double x) { return estimate::toText(x); });
  bench::add(name("quarvel_comma"), values,
             [](double x) { return estimate::toText(x, commaSeparators); });
  bench::add(name("to_chars"), values, [](double x) {
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 14);
    benchmark::DoNotOptimize(text);
    return written.ptr - text;
  });
  bench::add(name("snprintf"), values, [](double x) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%.15G", x);
    benchmark::DoNotOptimize(text);
    return length;
  });
  bench::add(name("qlocale_c"), values,
             [locale = QLocale::c()](double x) { return locale.toString(x, 'g', 15); });
  bench::add(name("qlocale_comma"), values,
             [locale = QLocale(QLocale::German, QLocale::Germany)](double x) {
               return locale.toString(x, 'g', 15);
             });
}

const bool registered = [] {
  for (const bench::ValueSet& set : bench::valueSets()) {
    addSet(set);
  }
  return true;
}();

}  // namespace
