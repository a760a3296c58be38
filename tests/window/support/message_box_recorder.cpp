#include "tests/window/support/message_box_recorder.h"

namespace quarvel::testing {

MessageBoxRecorder::MessageBoxRecorder() {
  setMessageBoxResponder([this](const MessageBoxRequest& request) { boxes_.push_back(request); });
}

MessageBoxRecorder::~MessageBoxRecorder() {
  setMessageBoxResponder({});
}

}  // namespace quarvel::testing
