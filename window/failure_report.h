#pragma once

#include <functional>

class QWidget;

namespace quarvel {

// Runs a handler; a failure of the estimating core is reported in a message
// box and the program goes on, with every control as the failure left it.
void reportingFailures(QWidget* parent, const std::function<void()>& handler);

}  // namespace quarvel
