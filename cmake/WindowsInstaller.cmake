# The Windows installer, made by CPack's NSIS generator with makensis: a 64-bit installer that puts
# the installed files in Program Files\Glyphwise, a Start-menu shortcut that starts the game in that
# folder (it reads words.txt from its working folder) and an entry under Add or Remove Programs.
# Included by Install.cmake for the Windows build, whose install rules give the files.
set(installer_name ${PROJECT_NAME})  # the install folder, the Start-menu folder and the uninstall key
set(CPACK_VERBATIM_VARIABLES ON)  # the NSIS lines below reach the script as written

# The amd64 stub: a 64-bit program, which sees the 64-bit Program Files and registry. The line at
# the foot of the installer's pages names the product rather than the installer's maker (given
# here: CPACK_NSIS_BRANDING_TEXT writes BrandingText /TRIMLEFT, which makensis refuses off Windows).
string(JOIN "\n" CPACK_NSIS_DEFINES "Target amd64-unicode"
  "BrandingText \"${PROJECT_NAME} ${PROJECT_VERSION}\"")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${installer_name})
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${installer_name})
set(CPACK_NSIS_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_NSIS_DISPLAY_NAME ${PROJECT_NAME})
set(CPACK_NSIS_INSTALLED_ICON_NAME Glyphwise.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/app/glyphwise.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/app/glyphwise.ico)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)

# No file times in the installer, so that two builds of it agree; installed files get the time of
# their installation.
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "SetDateSave off")

# The shortcut, made after SetOutPath so that its working folder is the install folder.
set(CPACK_NSIS_CREATE_ICONS_EXTRA [[
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Glyphwise.lnk" "$INSTDIR\Glyphwise.exe"
]])
# The uninstaller deletes the shortcut, and the vendor's registry key once it holds no product's.
set(CPACK_NSIS_DELETE_ICONS_EXTRA [[
  Delete "$SMPROGRAMS\$MUI_TEMP\Glyphwise.lnk"
  DeleteRegKey /ifempty SHCTX "Software\@CPACK_PACKAGE_VENDOR@"
]])
string(CONFIGURE "${CPACK_NSIS_DELETE_ICONS_EXTRA}" CPACK_NSIS_DELETE_ICONS_EXTRA @ONLY)
