#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "staged_paths.h"

namespace packaging {
namespace {

struct CommandResult {
  int status = -1;
  std::string output;
};

std::string shellQuoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

CommandResult runCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) {
    return result;
  }
  char buffer[512];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    result.output.append(buffer, n);
  }
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

struct Validation {
  const char* name;
  std::string command;
};

void PrintTo(const Validation& validation, std::ostream* out) {
  *out << validation.name;
}

class Validator : public testing::TestWithParam<Validation> {};

TEST_P(Validator, StagedFile_Passes) {
  const CommandResult result = runCommand(GetParam().command);
  EXPECT_EQ(result.status, 0) << GetParam().command << "\n" << result.output;
}

INSTANTIATE_TEST_SUITE_P(
    StagedFiles, Validator,
    testing::Values(Validation{"DesktopEntry", shellQuoted(DESKTOP_FILE_VALIDATE) + " " +
                                                   shellQuoted(desktopEntry().string())},
                    Validation{"Metainfo", shellQuoted(APPSTREAMCLI) + " validate --no-net " +
                                               shellQuoted(metainfo().string())}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace packaging
