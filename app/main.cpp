#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QString>

#include "app/command_line.h"
#include "window/application_identity.h"
#include "window/form1.h"

namespace {

constexpr char kNoDisplay[] = "quarvel-calc: cannot open a window: no display available\n";

// While the platform plugin starts, its complaints are held back: if it cannot
// open a window (no display on X11 or Wayland, no usable plugin anywhere) the
// user gets one line instead of a page and an abort. Nothing is decided from
// the environment beforehand: Windows and macOS set none of the display
// variables, and -platform can name a plugin on any system.
struct HeldMessage {
  QtMsgType type;
  QString text;
};
std::vector<HeldMessage> heldMessages;
QtMessageHandler defaultHandler = nullptr;

void holdStartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs(kNoDisplay, stderr);
    std::_Exit(EXIT_FAILURE);
  }
  (void)context;
  heldMessages.push_back({type, text});
}

void releaseStartupMessages() {
  qInstallMessageHandler(defaultHandler);
  for (const HeldMessage& message : std::exchange(heldMessages, {})) {
    defaultHandler(message.type, QMessageLogContext(), message.text);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
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

  quarvel::Form1 form;
  form.show();
  return QApplication::exec();
}
