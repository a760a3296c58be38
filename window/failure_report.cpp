#include "window/failure_report.h"

#include <QLabel>

#include "window/application_identity.h"
#include "window/message_box.h"

namespace quarvel {
namespace {

constexpr qsizetype kLongestQuote = 40;

QString quoted(const QString& text) {
  return QLatin1Char('"') +
         (text.size() > kLongestQuote ? text.left(kLongestQuote) + QChar(0x2026) : text) +
         QLatin1Char('"');
}

QString reason(const estimate::Failure& failure, std::span<const EstimateInput> inputs,
               const QString& tooLarge) {
  for (const EstimateInput& read : inputs) {
    if (read.input == failure.input()) {
      return QStringLiteral("%1: %2 %3")
          .arg(read.caption->text(), quoted(read.text),
               failure.kind() == estimate::FailureKind::TypeMismatch
                   ? QStringLiteral("is not a number.")
                   : QStringLiteral("is out of range."));
    }
  }
  return tooLarge;
}

}  // namespace

void reportingFailures(QWidget* parent, std::span<const EstimateInput> inputs,
                       const QString& tooLarge, const std::function<void()>& estimate) {
  try {
    estimate();
  } catch (const estimate::Failure& failure) {
    showMessageBox(parent, {.title = QString::fromLatin1(kApplicationName),
                            .text = QStringLiteral("Error %1: %2\n%3")
                                        .arg(failure.number())
                                        .arg(QString::fromUtf8(failure.what()),
                                             reason(failure, inputs, tooLarge)),
                            .icon = QMessageBox::Critical});
  }
}

}  // namespace quarvel
