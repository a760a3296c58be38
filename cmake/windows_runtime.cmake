# The folders on this build machine that hold the DLLs a Windows build of the
# window loads: Qt's own and the MinGW-w64 runtime's (the C++ library, libgcc
# and winpthreads, which Qt's DLLs link as DLLs). Tests run under Wine with
# them on its DLL search path, and the installer collects from them.
set(QUARVEL_WINDOWS_DLL_DIRS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  # The compiler echoes a name it cannot find.
  if(NOT IS_ABSOLUTE "${path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
  endif()
  get_filename_component(folder ${path} DIRECTORY)
  get_filename_component(folder ${folder} REALPATH)
  list(APPEND QUARVEL_WINDOWS_DLL_DIRS ${folder})
endforeach()
list(REMOVE_DUPLICATES QUARVEL_WINDOWS_DLL_DIRS)

if(CMAKE_CROSSCOMPILING_EMULATOR)
  foreach(folder IN LISTS QUARVEL_WINDOWS_DLL_DIRS)
    list(APPEND CMAKE_CROSSCOMPILING_EMULATOR --dlls ${folder})
  endforeach()
endif()
