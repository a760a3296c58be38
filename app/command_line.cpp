#include "app/command_line.h"

#include <cstdio>
#include <cstdlib>

#include <QCommandLineParser>
#include <QStringList>

namespace quarvel {
namespace {

constexpr int kUsageError = 2;

constexpr char kUsage[] =
    "Usage: quarvel-calc [options]\n"
    "Estimates the concrete a rectangular pour needs, in cubic yards, and what it costs.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  -v, --version  Show the version and exit.\n"
    "\n"
    "The toolkit's own options, such as -platform and -style, are also taken.\n";

// Options that QApplication itself reads and takes out of the arguments.
constexpr const char* kToolkitOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
constexpr const char* kToolkitFlags[] = {"reverse", "widgetcount"};

void addHidden(QCommandLineParser& parser, const char* name, const char* valueName) {
  QCommandLineOption option(QString::fromLatin1(name), QString(), QString::fromLatin1(valueName));
  option.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(option);
}

int usageError(const QString& problem) {
  std::fprintf(stderr, "quarvel-calc: %s Try 'quarvel-calc --help'.\n",
               problem.toLocal8Bit().constData());
  return kUsageError;
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    arguments << QString::fromLocal8Bit(argv[i]);
  }
  QCommandLineParser parser;
  // "-platform xcb", as the toolkit spells its options.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  parser.addOptions({help, version});
  for (const char* name : kToolkitOptionsWithValue) {
    addHidden(parser, name, "value");
  }
  for (const char* name : kToolkitFlags) {
    addHidden(parser, name, "");
  }

  if (!parser.parse(arguments)) {
    return usageError(parser.errorText());
  }
  if (!parser.positionalArguments().isEmpty()) {
    return usageError(
        QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
  }
  if (parser.isSet(help)) {
    std::fputs(kUsage, stdout);
    return EXIT_SUCCESS;
  }
  if (parser.isSet(version)) {
    std::puts("quarvel-calc " QUARVEL_VERSION);
    return EXIT_SUCCESS;
  }
  return std::nullopt;
}

}  // namespace quarvel
