#include "app/running_mark.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace quarvel {

void markRunning() {
#ifdef _WIN32
  // Never closed: Windows releases it with the process. In the namespace all
  // sessions share, so that an install for everyone sees every user's program.
  CreateMutexW(nullptr, FALSE, L"Global\\" QUARVEL_RUNNING_MUTEX);
#endif
}

}  // namespace quarvel
