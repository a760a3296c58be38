#pragma once

#include <QTimer>

namespace quarvel::testing {

// Fails the running test if a modal window opens (every expected box goes
// through the recorder), and closes it so the test cannot hang.
class ModalGuard {
 public:
  ModalGuard();

 private:
  QTimer timer_;
};

}  // namespace quarvel::testing
