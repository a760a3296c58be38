# Only a cross build: these are the build machine's folders, and its Qt
# translations stand in for Windows Qt's.
if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()
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

# The same DLLs under lower-case names, which is how CMake's dependency reader
# looks Windows DLL names up, on a file system that tells cases apart.
set(QUARVEL_WINDOWS_DLL_FARM ${CMAKE_BINARY_DIR}/windows-dlls)
file(REMOVE_RECURSE ${QUARVEL_WINDOWS_DLL_FARM})
file(MAKE_DIRECTORY ${QUARVEL_WINDOWS_DLL_FARM})
foreach(folder IN LISTS QUARVEL_WINDOWS_DLL_DIRS)
  file(GLOB dlls ${folder}/*.dll)
  foreach(dll IN LISTS dlls)
    get_filename_component(name ${dll} NAME)
    string(TOLOWER ${name} name)
    if(NOT EXISTS ${QUARVEL_WINDOWS_DLL_FARM}/${name})
      file(CREATE_LINK ${dll} ${QUARVEL_WINDOWS_DLL_FARM}/${name} SYMBOLIC)
    endif()
  endforeach()
endforeach()

if(CMAKE_CROSSCOMPILING_EMULATOR)
  foreach(folder IN LISTS QUARVEL_WINDOWS_DLL_DIRS)
    list(APPEND CMAKE_CROSSCOMPILING_EMULATOR --dlls ${folder})
  endforeach()
endif()

# Qt's own translations for each language the program has. Qt for Windows
# built from qtbase alone has none; a .qm file is the same on every system, so
# the build machine's serve (Debian's qt6-translations-l10n).
set(QUARVEL_QT_TRANSLATIONS "")
file(GLOB program_translations ${PROJECT_SOURCE_DIR}/window/translations/quarvel-calc_*.ts)
foreach(ts IN LISTS program_translations)
  string(REGEX REPLACE ".*quarvel-calc_(.*)\\.ts$" "qtbase_\\1.qm" qm ${ts})
  find_file(QUARVEL_${qm} ${qm} PATHS ${QT_HOST_PATH}/share/qt6/translations
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  list(APPEND QUARVEL_QT_TRANSLATIONS ${QUARVEL_${qm}})
endforeach()
