#include "window/failure_report.h"

#include <QCoreApplication>
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

// The core describes its failures in English and knows no other language.
QString description(const estimate::Failure& failure) {
  switch (failure.kind()) {
    case estimate::FailureKind::TypeMismatch:
      return QCoreApplication::translate("FailureReport", "Type mismatch");
    case estimate::FailureKind::Overflow:
      return QCoreApplication::translate("FailureReport", "Overflow");
    case estimate::FailureKind::DivisionByZero:
      return QCoreApplication::translate("FailureReport", "Division by zero");
  }
  return QString::fromUtf8(failure.what());
}

QString reason(const estimate::Failure& failure, std::span<const EstimateInput> inputs,
               const QString& tooLarge) {
  for (const EstimateInput& read : inputs) {
    if (read.input == failure.input()) {
      //: %1 is a field's caption as shown, %2 the text typed into it.
      const char* notANumber = QT_TRANSLATE_NOOP("FailureReport", "%1: \"%2\" is not a number.");
      //: %1 is a field's caption as shown, %2 the text typed into it.
      const char* outOfRange = QT_TRANSLATE_NOOP("FailureReport", "%1: \"%2\" is out of range.");
      const QString sentence = QCoreApplication::translate(
          "FailureReport",
          failure.kind() == estimate::FailureKind::TypeMismatch ? notANumber : outOfRange);
      return sentence.arg(read.caption->text(), quotable(read.text));
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
    showMessageBox(parent,
                   {.title = QString::fromLatin1(kApplicationName),
                    .text = QStringLiteral("Error %1: %2\n%3")
                                .arg(failure.number())
                                .arg(description(failure), reason(failure, inputs, tooLarge)),
                    .icon = QMessageBox::Critical});
  }
}

}  // namespace quarvel
