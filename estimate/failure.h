#pragma once

#include <exception>
#include <optional>

namespace estimate {

enum class FailureKind { TypeMismatch, Overflow, DivisionByZero };

// The text of an estimate that a failure came from, so that the user can be
// told which field to correct.
enum class Input { Length, Width, Depth, Price, Volume };

// The one exception type of the core. Callers show number() and what() to
// the user, so both are stable: 13 "Type mismatch", 6 "Overflow",
// 11 "Division by zero".
class Failure : public std::exception {
 public:
  explicit Failure(FailureKind kind, std::optional<Input> input = std::nullopt) noexcept
      : kind_(kind), input_(input) {}

  FailureKind kind() const noexcept { return kind_; }
  // None for a failure of the arithmetic rather than of reading a text.
  std::optional<Input> input() const noexcept { return input_; }
  int number() const noexcept;
  const char* what() const noexcept override;

 private:
  FailureKind kind_;
  std::optional<Input> input_;
};

}  // namespace estimate
