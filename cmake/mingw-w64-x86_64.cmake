# 64-bit Windows programs from Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix),
# run under Wine by cmake/wine-run, which ctest and test discovery go through.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Without it the programs need libstdc++-6.dll and friends beside them, and
# Wine ends them with status 53 and no message. A build against Qt's DLLs,
# which use the shared runtime, shares it too: one copy of the C++ library in
# the process, shipped beside the program.
if(NOT QUARVEL_SHARED_MINGW_RUNTIME)
  set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
endif()

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${CMAKE_BINARY_DIR}/wine-prefix)
