# Authenticode signatures with Debian's osslsigncode, when the environment
# gives a code-signing certificate: QUARVEL_SIGN_PFX, a PKCS#12 file, whose
# password is QUARVEL_SIGN_PASSWORD, and QUARVEL_SIGN_TIMESTAMP, if set, the
# RFC 3161 time-stamp server. Without a certificate the packages are built
# unsigned, and the first script to notice says so once for the whole cpack.
#
# CPack runs this file before it builds each package, to sign the staged
# program; makensis (on the installer and the uninstaller it writes) and
# msi.cmake (on the MSI) run it with -D FILE=... -D DESCRIPTION=... -D URL=....
function(quarvel_sign file description url)
  if("$ENV{QUARVEL_SIGN_PFX}" STREQUAL "")
    # The environment outlives each generator's run of this file, and makensis inherits it.
    if(NOT DEFINED ENV{QUARVEL_UNSIGNED_SAID})
      message(STATUS "Not signed: QUARVEL_SIGN_PFX names no code-signing certificate")
      set(ENV{QUARVEL_UNSIGNED_SAID} 1)
    endif()
    return()
  endif()
  find_program(OSSLSIGNCODE osslsigncode REQUIRED)
  set(timestamp "")
  if(NOT "$ENV{QUARVEL_SIGN_TIMESTAMP}" STREQUAL "")
    set(timestamp -ts $ENV{QUARVEL_SIGN_TIMESTAMP})
  endif()
  # The password goes through a file that only its owner may read, written
  # after it is made so, rather than on a command line any user can list.
  set(password "${file}.password")
  file(WRITE "${password}" "")
  file(CHMOD "${password}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE)
  file(APPEND "${password}" "$ENV{QUARVEL_SIGN_PASSWORD}")
  execute_process(COMMAND ${OSSLSIGNCODE} sign -pkcs12 "$ENV{QUARVEL_SIGN_PFX}" -readpass "${password}"
                          -h sha256 -n "${description}" -i "${url}" ${timestamp} -in "${file}" -out "${file}.signed"
                  OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
  file(REMOVE "${password}")
  if(NOT status EQUAL 0)
    file(REMOVE "${file}.signed")
    message(FATAL_ERROR "osslsigncode could not sign ${file} with $ENV{QUARVEL_SIGN_PFX}:\n${output}")
  endif()
  file(RENAME "${file}.signed" "${file}")
endfunction()

if(DEFINED FILE)
  quarvel_sign("${FILE}" "${DESCRIPTION}" "${URL}")
else()
  quarvel_sign("${CPACK_TEMPORARY_DIRECTORY}/${CPACK_NSIS_INSTALLED_ICON_NAME}" "${CPACK_NSIS_DISPLAY_NAME}"
               "${CPACK_NSIS_URL_INFO_ABOUT}")
endif()
