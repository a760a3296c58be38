#include "window/failure_report.h"

#include <QLabel>

#include "window/application_identity.h"
#include "window/message_box.h"

namespace quarvel {
namespace {

constexpr qsizetype kLongestQuote = 40;

// The text as typed, cut after kLongestQuote characters.
QString quotable(const QString& text) {
  return text.size() > kLongestQuote ? text.left(kLongestQuote) + QChar(0x2026) : text;
}

}  // namespace

void FailureReport::run(QWidget* parent, Result result, std::span<const EstimateInput> inputs,
                        const std::function<void()>& estimate) {
  try {
    estimate();
  } catch (const estimate::Failure& failure) {
    showMessageBox(parent, {.title = QString::fromLatin1(kApplicationName),
                            .text = QStringLiteral("Error %1: %2\n%3")
                                        .arg(failure.number())
                                        .arg(description(failure), reason(failure, result, inputs)),
                            .icon = QMessageBox::Critical});
  }
}

// The core describes its failures in English and knows no other language.
QString FailureReport::description(const estimate::Failure& failure) {
  switch (failure.kind()) {
    case estimate::FailureKind::TypeMismatch:
      return tr("Type mismatch");
    case estimate::FailureKind::Overflow:
      return tr("Overflow");
    case estimate::FailureKind::DivisionByZero:
      return tr("Division by zero");
  }
  return QString::fromUtf8(failure.what());
}

QString FailureReport::reason(const estimate::Failure& failure, Result result,
                              std::span<const EstimateInput> inputs) {
  for (const EstimateInput& read : inputs) {
    if (read.input == failure.input()) {
      //: %1 is a field's caption as shown, %2 the text typed into it.
      const QString notANumber = tr("%1: \"%2\" is not a number.");
      //: %1 is a field's caption as shown, %2 the text typed into it.
      const QString outOfRange = tr("%1: \"%2\" is out of range.");
      const bool mismatch = failure.kind() == estimate::FailureKind::TypeMismatch;
      return (mismatch ? notANumber : outOfRange).arg(read.caption->text(), quotable(read.text));
    }
  }
  return result == Result::Volume ? tr("The volume is too large to compute.")
                                  : tr("The cost is too large to compute.");
}

}  // namespace quarvel
