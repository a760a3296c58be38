#pragma once

#include <functional>
#include <span>

#include <QCoreApplication>
#include <QString>

#include "estimate/failure.h"

class QLabel;
class QWidget;

namespace quarvel {

// A text an estimate reads, and the label that captions it on the screen.
struct EstimateInput {
  estimate::Input input;
  const QLabel* caption;
  QString text;
};

// Runs an estimate over `inputs`. A failure is reported in a message box: its
// number and description, then which field holds what text and why it cannot
// be read, or that the volume or cost is too large when the arithmetic
// failed. The program goes on, with every control as the failure left it.
class FailureReport {
  Q_DECLARE_TR_FUNCTIONS(quarvel::FailureReport)

 public:
  enum class Result { Volume, Cost };

  static void run(QWidget* parent, Result result, std::span<const EstimateInput> inputs,
                  const std::function<void()>& estimate);

 private:
  static QString description(const estimate::Failure& failure);
  static QString reason(const estimate::Failure& failure, Result result,
                        std::span<const EstimateInput> inputs);
};

}  // namespace quarvel
