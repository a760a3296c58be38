#include <gmock/gmock.h>

#include <QtTest>

#include "tests/window/support/window_texts.h"
#include "window/form1.h"
#include "window/translations.h"

namespace {

// The program started with the display and language variables of this
// environment removed and `settings` added.
void start(QProcess& app, const QStringList& arguments, const QStringList& settings = {}) {
  const QRegularExpression display(
      "^(QT_QPA_PLATFORM|DISPLAY|WAYLAND_DISPLAY|LANGUAGE|LANG|LC_ALL|LC_MESSAGES)=");
  QStringList environment = QProcess::systemEnvironment();
  environment.removeIf([&](const QString& setting) { return display.match(setting).hasMatch(); });
  app.setEnvironment(environment + settings);
  // Text mode: the program ends its lines as its system does, "\r\n" on Windows.
  app.start(QUARVEL_CALC_PATH, arguments, QIODevice::ReadWrite | QIODevice::Text);
}

// Matches the whole text, "." newlines too: GoogleTest's on Windows has no brackets.
MATCHER_P(Whole, pattern, "") {
  const QRegularExpression whole(QRegularExpression::anchoredPattern(QString::fromUtf8(pattern)),
                                 QRegularExpression::DotMatchesEverythingOption);
  return whole.match(QString::fromLocal8Bit(arg)).hasMatch();
}

// Where windows go through X11 or Wayland, a display that is missing or
// cannot be reached is named in one line; elsewhere the window would open.
TEST(QuarvelCalc, ArgumentsOrNoDisplayOrNoPlugin_Run_AnswerOnTheRightStreamWithTheRightStatus) {
  const char* noPlugin =  // the toolkit's own reason, each held message under its category
      "quarvel-calc: cannot open a window:\nqt\\.qpa\\.plugin: [^\n]*\"foo\"[^\n]*\n(.+\n)+";
  const QStringList offscreen{"QT_QPA_PLATFORM=offscreen"};  // a wrong answer would open a window
  const QStringList noX11{"QT_QPA_PLATFORM=xcb", "DISPLAY=:4917"};  // no server at either
  // A runtime folder, or libwayland says there is none, past Qt.
  const QStringList noWayland{"WAYLAND_DISPLAY=wl-4917", "XDG_RUNTIME_DIR=" + QDir::tempPath()};
  const struct {
    QStringList arguments, settings;
    int status;
    const char *out, *err;  // regular expressions
  } runs[] = {
    {{"--version"}, {}, 0, "quarvel-calc 1\\.00\n", ""},
    {{"-h"}, {}, 0, "Usage: quarvel-calc .*--help.*--version.*", ""},
    {{"--colour"}, offscreen, 2, "", "quarvel-calc: [^\n]*'colour'[^\n]*--help[^\n]*\n"},
    {{"12"}, offscreen, 2, "", "quarvel-calc: [^\n]*'12'[^\n]*--help[^\n]*\n"},
    {{"-platform", "foo"}, {"DISPLAY=:4917"}, 1, "", noPlugin},  // a display, no such plugin
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    {{}, {}, 1, "", "quarvel-calc: cannot open a window: no display available\n"},
    {{}, noX11, 1, "", "quarvel-calc: cannot open a window on display :4917\n"},
    {{}, noWayland, 1, "", "quarvel-calc: cannot open a window on display wl-4917\n"},
#endif
  };
  for (const auto& [arguments, settings, status, out, err] : runs) {
    SCOPED_TRACE((arguments + settings).join(' ').toStdString());
    QProcess app;
    start(app, arguments, settings);
    EXPECT_TRUE(app.waitForFinished(10000));
    EXPECT_EQ(app.exitCode(), status);
    EXPECT_THAT(app.readAllStandardOutput().toStdString(), Whole(out));
    EXPECT_THAT(app.readAllStandardError().toStdString(), Whole(err));
  }
}

// The first of the user's languages that the program has decides, English
// included, for its own texts and the toolkit's. Started, as on Windows and
// macOS, with no display variable but the platform named.
TEST(QuarvelCalc, LanguageSettings_Started_WindowInTheFirstLanguageTheProgramHas) {
  // This test's own window speaks what its main chose for the test's desktop.
  const QStringList own = quarvel::testing::windowTexts(quarvel::Form1());
  QObject translators;  // removes the Spanish translations at the end
  quarvel::installTranslations(translators, QLocale("es"));
  const QStringList spanish = quarvel::testing::windowTexts(quarvel::Form1());
  const std::pair<QStringList, const QStringList&> rows[] = {
#ifdef Q_OS_WIN  // Wine starts a program in the language of the one that starts it
      {{}, own},
#else  // run on an English desktop only
      {{"LANGUAGE=en:es", "LANG=es_MX.UTF-8"}, own},
      {{"LANGUAGE=es:en", "LANG=en_US.UTF-8"}, spanish},
      {{"LANGUAGE=de:es", "LANG=de_DE.UTF-8"}, spanish},
      {{"LANGUAGE=de:en:es", "LANG=es_MX.UTF-8"}, own},
      {{"LANG=fr_FR.UTF-8"}, own},
      {{"LANG=es_MX.UTF-8"}, spanish},
#endif
  };
  for (const auto& [settings, expected] : rows) {
    SCOPED_TRACE(settings.join(' ').toStdString());
    QProcess app;
    start(app, {"-platform", "offscreen", "-plugin", "texts_probe"},
          settings + QStringList{"QT_PLUGIN_PATH=" QUARVEL_TEST_PLUGINS});
    ASSERT_TRUE(app.waitForFinished(10000));
    EXPECT_EQ(app.exitCode(), 0) << app.readAllStandardError().toStdString();
    const QStringList shown = QString::fromUtf8(app.readAllStandardOutput()).split('\n');
    EXPECT_EQ(shown.mid(0, shown.size() - 1), expected);
  }
}

}  // namespace
