#pragma once

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

 private:
  std::vector<MessageBoxRequest> boxes_;
};

}  // namespace quarvel::testing
