# The Windows packages of a build tree, made by CPack (scripts/package.sh):
#   Genhand-<version>-win32.exe  an NSIS installer (Debian's makensis)
#   Genhand-<version>-win32.zip  the same files, to unpack anywhere
# (win64 in build/win64). Both hold Genhand.exe and Velmora.chm at the top
# and the command-line tool in cli\genhand.exe: the two programs' names
# differ only in case, which Windows file names ignore.
install(TARGETS Genhand RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/Velmora.chm DESTINATION .)
install(TARGETS genhand RUNTIME DESTINATION cli)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(_genhand_arch win64)
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  # The 64-bit installer stub, so that the installer runs where only
  # 64-bit programs do.
  set(CPACK_NSIS_DEFINES "Target amd64-unicode")
else()
  set(_genhand_arch win32)
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES")
endif()

# Name and version as the program's VERSIONINFO gives them
# (resources/genhand.rc: ProductName, ProductVersion); the installer test
# checks that the Add/Remove Programs entry shows the same.
set(CPACK_PACKAGE_NAME Genhand)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Velmora Wizard: handler code for Fortran programs built on the Velmora GUI library")
set(CPACK_PACKAGE_FILE_NAME Genhand-${CPACK_PACKAGE_VERSION}-${_genhand_arch})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Genhand)
# The uninstaller deletes HK*\Software\<vendor>\<this key> whole: it must
# never be the wizard's own "Genhand", whose 1.0 sub-key holds the user's
# settings.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Genhand ${CPACK_PACKAGE_VERSION}")
set(CPACK_PACKAGE_EXECUTABLES Genhand "Velmora Wizard")
set(CPACK_GENERATOR NSIS ZIP)

set(CPACK_NSIS_PACKAGE_NAME "Genhand ${CPACK_PACKAGE_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME Genhand)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME Genhand.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/icons/wizard.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/icons/wizard.ico)
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN Genhand.exe)

set(CPACK_STRIP_FILES ON)
set(CPACK_ZIP_COMPONENT_INSTALL OFF)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
# The installer, for tests/package (CPack's own variables change below).
set(GENHAND_INSTALLER ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.exe)
# Packages are made from what scripts/package.sh built, not from a build
# of every target (tests included).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
