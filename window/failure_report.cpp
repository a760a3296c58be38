#include "window/failure_report.h"

#include <QString>

#include "estimate/failure.h"
#include "window/application_identity.h"
#include "window/message_box.h"

namespace quarvel {

void reportingFailures(QWidget* parent, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const estimate::Failure& failure) {
    showMessageBox(parent, {.title = kApplicationName,
                            .text = QStringLiteral("Error %1: %2")
                                        .arg(failure.number())
                                        .arg(QString::fromUtf8(failure.what())),
                            .icon = QMessageBox::Critical});
  }
}

}  // namespace quarvel
