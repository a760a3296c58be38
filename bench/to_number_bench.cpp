#include <QLocale>
#include <QString>
#include <charconv>
#include <cstdlib>

#include "bench/inputs.h"
#include "bench/rotation.h"
#include "estimate/estimate.h"

namespace {

const estimate::Separators commaSeparators{u",", u"."};

template <class Output, class Map>
std::vector<Output> mapTexts(const std::vector<std::string>& texts, Map map) {
  std::vector<Output> mapped;
  for (const std::string& text : texts) {
    mapped.push_back(map(text));
  }
  return mapped;
}

QString qt(const std::string& ascii) {
  return QString::fromLatin1(ascii);
}

void addSet(const bench::TextSet& set) {
  const auto name = [&set](const char* implementation) {
    return std::string("toNumber/") + implementation + "/" + set.name;
  };
  const auto typed = mapTexts<std::u16string>(set.texts, bench::widen);
  const auto commaTyped = mapTexts<std::u16string>(
      set.texts, [](const std::string& t) { return bench::widen(bench::commaDecimal(t)); });
  const auto bare = mapTexts<std::string>(set.texts, bench::bareNumber);

  bench::add(name("quarvel"), typed, [](const std::u16string& t) { return estimate::toNumber(t); });
  bench::add(name("quarvel_comma"), commaTyped,
             [](const std::u16string& t) { return estimate::toNumber(t, commaSeparators); });
  bench::add(name("from_chars"), bare, [](const std::string& t) {
    double x = 0;
    std::from_chars(t.data(), t.data() + t.size(), x);
    return x;
  });
  bench::add(name("strtod"), bare,
             [](const std::string& t) { return std::strtod(t.c_str(), nullptr); });
  bench::add(name("qlocale_c"), mapTexts<QString>(set.texts, qt),
             [locale = QLocale::c()](const QString& t) { return locale.toDouble(t); });
  bench::add(
      name("qlocale_comma"),
      mapTexts<QString>(set.texts, [](const std::string& t) { return qt(bench::commaDecimal(t)); }),
      [locale = QLocale(QLocale::German, QLocale::Germany)](const QString& t) {
        return locale.toDouble(t);
      });
}

const bool registered = [] {
  for (const bench::TextSet& set : bench::textSets()) {
    addSet(set);
  }
  return true;
}();

}  // namespace
