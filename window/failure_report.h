#pragma once

#include <functional>
#include <span>

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
// be read, or `tooLarge` when the arithmetic failed. The program goes on,
// with every control as the failure left it.
void reportingFailures(QWidget* parent, std::span<const EstimateInput> inputs,
                       const QString& tooLarge, const std::function<void()>& estimate);

}  // namespace quarvel
