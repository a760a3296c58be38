#include "estimate/failure.h"

namespace estimate {

int Failure::number() const noexcept {
  switch (kind_) {
    case FailureKind::TypeMismatch:
      return 13;
    case FailureKind::Overflow:
      return 6;
    case FailureKind::DivisionByZero:
      return 11;
  }
  return 0;
}

const char* Failure::what() const noexcept {
  switch (kind_) {
    case FailureKind::TypeMismatch:
      return "Type mismatch";
    case FailureKind::Overflow:
      return "Overflow";
    case FailureKind::DivisionByZero:
      return "Division by zero";
  }
  return "Unknown failure";
}

}  // namespace estimate
