#include <QLocale>

#include "tests/window/support/form1_fixture.h"

namespace quarvel::testing {
namespace {

// Registered once under English and once under comma-decimal settings; each
// run picks the row of its own separators.
struct Separators {
  const char* decimal;
  const char* depth;
  const char* volume;
  const char* typedPrice;
  const char* cost;
};
constexpr Separators kRows[] = {
    {".", "0.5", "1.85", "1,000.5", "1850.925"},
    {",", "0,5", "1,85", "1.000,5", "1850,925"},
};

using LocaleEndToEnd = Form1Test;

TEST_F(LocaleEndToEnd, TypicalRequest_ReadsAndWritesTheUsersSeparators) {
  const QString decimal = QLocale::system().decimalPoint();
  const auto row = std::find_if(std::begin(kRows), std::end(kRows),
                                [&](const Separators& r) { return decimal == r.decimal; });
  ASSERT_NE(row, std::end(kRows)) << "no row for decimal point " << decimal.toStdString();

  fillDimensions("10", "10", row->depth);
  press(Qt::Key_Return);
  EXPECT_EQ(text("Label1"), row->volume);

  click("Command2");
  click("Combo1");
  type(row->typedPrice);
  press(Qt::Key_Return);
  EXPECT_EQ(text("Label8"), row->cost);
}

}  // namespace
}  // namespace quarvel::testing
