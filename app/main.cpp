#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QByteArray>
#include <QLocale>
#include <QString>

#include "app/command_line.h"
#include "app/parent_console.h"
#include "app/running_mark.h"
#include "window/application_identity.h"
#include "window/form1.h"
#include "window/translations.h"

namespace {

// While the platform plugin starts, its messages are held back. If it cannot
// open a window, a display that is missing or cannot be reached gets one line
// naming it; anything else, such as a wrong plugin name or a system library
// the plugin lacks, gets the toolkit's own reason instead of a page and an
// abort. The two are told apart by the messages' categories, not by the
// environment: Windows and macOS set none of the display variables, and
// -platform can name a plugin on any system.
struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

// The toolkit may log from its own threads while it starts.
std::mutex heldMutex;
std::vector<HeldMessage> heldMessages;
QtMessageHandler defaultHandler = nullptr;

// The display `message` says could not be reached, empty when none was named.
// An X server that refuses authorisation says the same as one that is not there.
std::optional<QString> unreachableDisplay(const HeldMessage& message) {
  const QString x11 = QStringLiteral("could not connect to display");
  if (message.category == "qt.qpa.xcb" && message.text.startsWith(x11)) {
    return message.text.mid(x11.size()).trimmed();
  }
  // Qt 6.4's Wayland plugin logs this one under no category.
  if (message.text.startsWith(QLatin1String("Failed to create wl_display"))) {
    return qEnvironmentVariable("WAYLAND_DISPLAY");
  }
  return std::nullopt;
}

[[noreturn]] void failToStart(const QString& reason) {
  // A display that was named beats an attempt without a name, such as X11's
  // after Wayland's.
  std::optional<QString> display;
  for (const HeldMessage& message : heldMessages) {
    const std::optional<QString> tried = unreachableDisplay(message);
    if (tried && (!display || !tried->isEmpty())) {
      display = tried;
    }
  }
  if (display && display->isEmpty()) {
    std::fputs("quarvel-calc: cannot open a window: no display available\n", stderr);
  } else if (display) {
    std::fprintf(stderr, "quarvel-calc: cannot open a window on display %s\n",
                 qPrintable(*display));
  } else {
    std::fputs("quarvel-calc: cannot open a window:\n", stderr);
    for (const HeldMessage& message : heldMessages) {
      const QByteArray category =
          message.category.isEmpty() ? QByteArray() : message.category + ": ";
      std::fprintf(stderr, "%s%s\n", category.constData(), qPrintable(message.text));
    }
    // Qt puts a blank line before the list of plugins it has.
    std::fprintf(
        stderr, "%s\n",
        qPrintable(QString(reason).replace(QLatin1String("\n\n"), QLatin1String("\n")).trimmed()));
  }
  std::_Exit(EXIT_FAILURE);
}

void holdStartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  const std::lock_guard lock(heldMutex);
  if (type == QtFatalMsg) {
    failToStart(text);
  }
  heldMessages.push_back({type, context.category, text});
}

void releaseStartupMessages() {
  qInstallMessageHandler(defaultHandler);
  std::vector<HeldMessage> messages;
  {
    const std::lock_guard lock(heldMutex);
    messages = std::exchange(heldMessages, {});
  }
  for (const HeldMessage& message : messages) {
    defaultHandler(message.type,
                   QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
                   message.text);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  quarvel::markRunning();
  quarvel::attachParentConsole();
  if (const std::optional<int> status = quarvel::answerCommandLine(argc, argv)) {
    return *status;
  }
  QApplication::setApplicationName(QString::fromLatin1(quarvel::kApplicationName));
  QApplication::setApplicationVersion(QStringLiteral(QUARVEL_VERSION));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(quarvel::kDesktopFileName));
  // No display name on purpose: on X11 Qt appends it to every window title
  // that does not end with it, so the message boxes would read
  // "quarvel — Quarvel Calc" instead of "quarvel". The window's own caption
  // and the desktop entry already show "Quarvel Calc".

  defaultHandler = qInstallMessageHandler(holdStartupMessages);
  QApplication application(argc, argv);
  releaseStartupMessages();
  quarvel::installTranslations(application, QLocale::system());

  quarvel::Form1 form;
  form.show();
  return QApplication::exec();
}
