# Run by CPack's External generator on the staged install: the MSI, built by
# msitools' wixl from the same files as the installer and the .zip. wixl wants
# source paths relative to where it runs, hence the staging folder as its
# working folder.
find_program(WIXL wixl REQUIRED)
find_program(WIXL_HEAT wixl-heat REQUIRED)
set(stage ${CPACK_TEMPORARY_DIRECTORY})
set(work ${CPACK_TOPLEVEL_DIRECTORY}/msi)
set(msi ${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi)
file(MAKE_DIRECTORY ${work})

# Every staged file but the program, whose component also holds the shortcut.
file(GLOB_RECURSE files LIST_DIRECTORIES false ${stage}/*)
list(REMOVE_ITEM files ${stage}/${CPACK_NSIS_INSTALLED_ICON_NAME})
list(JOIN files "\n" files)
file(WRITE ${work}/files.txt "${files}\n")
# The files are 64-bit components (Win64 below), as the program is.
execute_process(COMMAND ${WIXL_HEAT} --prefix ${stage}/ --directory-ref INSTALLDIR --win64
                        --component-group InstalledFiles --var var.Stage
                INPUT_FILE ${work}/files.txt OUTPUT_FILE ${work}/files.wxs COMMAND_ERROR_IS_FATAL ANY)

# Windows Installer compares three numbers of a version; a product of this one
# (whose third is always 0) sorts below this bound, and one of the next above it.
string(REGEX REPLACE "^([0-9]+)[.]([0-9]+).*" "\\1.\\2.1" next ${CPACK_QUARVEL_VERSION_QUAD})
file(RELATIVE_PATH icon ${stage} ${CPACK_NSIS_MUI_ICON})
execute_process(COMMAND ${WIXL} --arch x64 --output ${msi}
                        -D Stage=. -D Win64=yes -D Icon=${icon} -D Version=${CPACK_PACKAGE_VERSION} -D NextVersion=${next}
                        -D Name=${CPACK_NSIS_DISPLAY_NAME} -D Vendor=${CPACK_PACKAGE_VENDOR}
                        -D UpgradeCode=${CPACK_QUARVEL_UPGRADE_CODE} -D Url=${CPACK_NSIS_URL_INFO_ABOUT}
                        -D Program=${CPACK_NSIS_INSTALLED_ICON_NAME} ${CPACK_QUARVEL_WXS} ${work}/files.wxs
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CPACK_QUARVEL_CMAKE} -D FILE=${msi} -D DESCRIPTION=${CPACK_NSIS_DISPLAY_NAME}
                        -D URL=${CPACK_NSIS_URL_INFO_ABOUT} -P ${CPACK_QUARVEL_SIGN_SCRIPT} COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_EXTERNAL_BUILT_PACKAGES ${msi})
