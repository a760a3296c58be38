#pragma once

#include <optional>

namespace quarvel {

// Answers --help and --version and rejects what the program does not take,
// before any window or display is needed. Returns the exit status when the
// program has nothing more to do, nothing when it should open its window.
std::optional<int> answerCommandLine(int argc, char* argv[]);

}  // namespace quarvel
