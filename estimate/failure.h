#pragma once

#include <exception>

namespace estimate {

enum class FailureKind { TypeMismatch, Overflow, DivisionByZero };

// The one exception type of the core. Callers show number() and what() to
// the user, so both are stable: 13 "Type mismatch", 6 "Overflow",
// 11 "Division by zero".
class Failure : public std::exception {
 public:
  explicit Failure(FailureKind kind) noexcept : kind_(kind) {}

  FailureKind kind() const noexcept { return kind_; }
  int number() const noexcept;
  const char* what() const noexcept override;

 private:
  FailureKind kind_;
};

}  // namespace estimate
