#include "app/parent_console.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#endif

namespace quarvel {

void attachParentConsole() {
#ifdef _WIN32
  // A stream the parent redirected to a file or pipe already works and must
  // keep going there; only one that had no handle before attaching goes to
  // the console.
  const auto unconnected = [](DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle == nullptr || handle == INVALID_HANDLE_VALUE;
  };
  const bool reopenOut = unconnected(STD_OUTPUT_HANDLE);
  const bool reopenErr = unconnected(STD_ERROR_HANDLE);
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
    return;
  }
  if (reopenOut) {
    std::freopen("CONOUT$", "w", stdout);
  }
  if (reopenErr) {
    std::freopen("CONOUT$", "w", stderr);
  }
#endif
}

}  // namespace quarvel
