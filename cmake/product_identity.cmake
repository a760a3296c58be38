# The product as Windows shows it, in one place: the program's version record,
# the installer's and the uninstaller's, the MSI, Installed apps and the
# install folder all take these.
set(QUARVEL_PRODUCT_NAME "Quarvel Calc")
set(QUARVEL_VENDOR Quarvel)
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE QUARVEL_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
# PROJECT_VERSION keeps the "1.00" as written, which people read; version
# records want four plain numbers, 1.0.0.0.
math(EXPR major "${PROJECT_VERSION_MAJOR} + 0")
math(EXPR minor "${PROJECT_VERSION_MINOR} + 0")
set(QUARVEL_VERSION_QUAD ${major}.${minor}.0.0)
# Held by the program while it runs, in the namespace every session shares
# (Global\ before it), so that the installer and the uninstaller know not to
# touch its files.
set(QUARVEL_RUNNING_MUTEX QuarvelCalc.Running)
# The MSI's, the same for every version, so that MSIs replace each other; the
# installer asks Windows Installer for it to find an MSI install.
set(QUARVEL_MSI_UPGRADE_CODE 4F0DF1D8-8B67-4A1E-A9F5-1370C7233167)
