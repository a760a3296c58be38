# The Windows install: the program with every DLL it loads beside it, Qt's
# plugins in the folders Qt looks in, and the licenses of all it ships. CPack
# turns it into an installer, an MSI and a portable .zip of the same files.
install(TARGETS quarvel-calc RUNTIME DESTINATION .)

# Qt looks for plugins and translations beside the program, not where it was
# built; qt.conf says so.
set(qt_plugins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
install(FILES ${qt_plugins}/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_plugins}/styles/qwindowsvistastyle.dll DESTINATION styles)
install(FILES windows/qt.conf DESTINATION .)
install(FILES ${QUARVEL_QT_TRANSLATIONS} DESTINATION translations)

# Debian has no windeployqt: the DLLs are read from the program's and the
# plugins' import tables, and theirs in turn, and taken from Qt's and the
# MinGW runtime's folders under their own names. Any other must be one of the
# Windows DLLs named here, which every Windows has: a DLL found nowhere fails
# the install rather than the program on a user's machine. Debian ships the
# runtime's DLLs with their symbols: a stripped install strips them too.
set(windows_dlls
    advapi32 api-ms-win-core-synch-l1-2-0 api-ms-win-core-winrt-l1-1-0
    api-ms-win-core-winrt-string-l1-1-0 authz comdlg32 d3d11 d3d9 dwmapi dwrite dxgi gdi32 imm32
    kernel32 mpr msvcrt netapi32 ole32 oleaut32 shcore shell32 shlwapi user32 userenv uxtheme
    version winmm ws2_32 wtsapi32)
list(TRANSFORM windows_dlls APPEND .dll)
install(CODE "
  set(windows_dlls \"${windows_dlls}\")
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND \"${CMAKE_OBJDUMP}\")
  file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES \"$<TARGET_FILE:quarvel-calc>\"
    MODULES \"${qt_plugins}/platforms/qwindows.dll\" \"${qt_plugins}/styles/qwindowsvistastyle.dll\"
    DIRECTORIES \"${QUARVEL_WINDOWS_DLL_FARM}\"
    RESOLVED_DEPENDENCIES_VAR dlls
    UNRESOLVED_DEPENDENCIES_VAR unresolved)
  # CMake names them in lower case, as the list has them.
  foreach(dll IN LISTS unresolved)
    list(FIND windows_dlls \${dll} known)
    if(known EQUAL -1)
      message(FATAL_ERROR \"\${dll} is needed but is in none of ${QUARVEL_WINDOWS_DLL_DIRS}, nor a Windows DLL\")
    endif()
  endforeach()
  foreach(dll IN LISTS dlls)
    file(REAL_PATH \${dll} dll)
    file(INSTALL \${dll} DESTINATION \"\${CMAKE_INSTALL_PREFIX}\")
    get_filename_component(name \${dll} NAME)
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${CMAKE_INSTALL_PREFIX}/\${name}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()
  endforeach()
")

set(licenses licenses)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${licenses} RENAME quarvel-calc.txt)
configure_file(windows/qt-notice.txt.in qt-notice.txt @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt-notice.txt DESTINATION ${licenses}/qt RENAME README.txt)
install(FILES ${QT6_INSTALL_PREFIX}/quarvel-qt-build.txt DESTINATION ${licenses}/qt RENAME build.txt)
# Debian's copyright record of the Qt source, which lists the bundled
# libraries (zlib, PCRE2, libpng, HarfBuzz, FreeType, ...) and their licenses.
install(FILES /usr/share/doc/libqt6core6/copyright DESTINATION ${licenses}/qt RENAME copyright.txt)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION ${licenses}/qt RENAME LGPL-3.0.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION ${licenses}/qt RENAME GPL-3.0.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION ${licenses}/mingw-w64
        RENAME gcc-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION ${licenses}/mingw-w64
        RENAME winpthreads.txt)

# The installer for people (NSIS, with a script of the project's own, as
# CPack's own asks for administrator rights), the MSI for managed deployment
# (msi.cmake runs msitools' wixl on the staged install) and the .zip, each
# signed when a certificate is given (sign.cmake) and with a .sha256 beside it.
set(CPACK_GENERATOR NSIS ZIP External)
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/windows)
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/windows/msi.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/windows/sign.cmake)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_QUARVEL_CMAKE ${CMAKE_COMMAND})
set(CPACK_QUARVEL_SIGN_SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/windows/sign.cmake)
set(CPACK_QUARVEL_WXS ${CMAKE_CURRENT_SOURCE_DIR}/windows/quarvel-calc.wxs)
set(CPACK_QUARVEL_UPGRADE_CODE ${QUARVEL_MSI_UPGRADE_CODE})
set(CPACK_QUARVEL_RUNNING_MUTEX ${QUARVEL_RUNNING_MUTEX})
set(CPACK_PACKAGE_NAME quarvel-calc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_QUARVEL_VERSION_QUAD ${QUARVEL_VERSION_QUAD})
set(CPACK_QUARVEL_COPYRIGHT ${QUARVEL_COPYRIGHT})
set(CPACK_PACKAGE_VENDOR ${QUARVEL_VENDOR})
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${QUARVEL_PRODUCT_NAME})
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${QUARVEL_PRODUCT_NAME})
set(CPACK_PACKAGE_FILE_NAME quarvel-calc-${PROJECT_VERSION}-windows-x64)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_NSIS_PACKAGE_NAME ${QUARVEL_PRODUCT_NAME})
set(CPACK_NSIS_DISPLAY_NAME ${QUARVEL_PRODUCT_NAME})
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
set(CPACK_NSIS_INSTALLED_ICON_NAME quarvel-calc.exe)
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/quarvel-calc.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/quarvel-calc.ico)
include(CPack)
