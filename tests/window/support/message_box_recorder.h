#pragma once

#include <functional>
#include <vector>

#include "window/message_box.h"

namespace quarvel::testing {

// Answers every message box of the window instead of running a modal loop,
// and keeps what each box would have shown.
class MessageBoxRecorder {
 public:
  MessageBoxRecorder();
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  const std::vector<MessageBoxRequest>& boxes() const { return boxes_; }
  // Runs while a box is "open", i.e. before the handler that opened it goes on.
  void onBox(std::function<void()> whileOpen) { whileOpen_ = std::move(whileOpen); }

 private:
  std::vector<MessageBoxRequest> boxes_;
  std::function<void()> whileOpen_;
};

}  // namespace quarvel::testing
