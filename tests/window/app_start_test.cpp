#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct NoDisplayCase {
  const char* label;
  const char* platform;  // empty: unset
  const char* display;   // empty: unset
};

class AppStart : public ::testing::TestWithParam<NoDisplayCase> {};

TEST_P(AppStart, NoUsableDisplay_PrintsOneLineAndExitsWithOne) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    environment.remove(name);
  }
  if (*GetParam().platform != '\0') {
    environment.insert("QT_QPA_PLATFORM", GetParam().platform);
  }
  if (*GetParam().display != '\0') {
    environment.insert("DISPLAY", GetParam().display);
  }
  QProcess app;
  app.setProcessEnvironment(environment);
  app.start(QUARVEL_CALC_PATH, {});
  ASSERT_TRUE(app.waitForFinished(30000));

  EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(app.exitCode(), 1);
  EXPECT_EQ(app.readAllStandardError().toStdString(),
            "quarvel-calc: cannot open a window: no display available\n");
}

INSTANTIATE_TEST_SUITE_P(Quarvel, AppStart,
                         ::testing::Values(NoDisplayCase{"NothingSet", "", ""},
                                           NoDisplayCase{"UnreachableX11Display", "xcb", ":4917"}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
