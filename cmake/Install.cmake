# Where `cmake --install` puts the game, and the packages CPack makes of that: for Windows a zip and
# an installer of Glyphwise.exe beside its words list, the list's notice, a short read-me and the
# licence (cmake/WindowsInstaller.cmake); for Linux a .deb laid out as Debian's policy asks
# (cmake/DebianPackage.cmake); for the web a zip of the site's folder.
set(CPACK_PACKAGE_NAME glyphwise)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${GLYPHWISE_AUTHORS}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Word-guessing game: find the secret word in few guesses")
set(CPACK_PACKAGE_CONTACT "${GLYPHWISE_AUTHORS} <authors@example.org>")
# Every file of a package gets the time of the last commit (SOURCE_DATE_EPOCH).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackSourceDate.cmake)
set(CPACK_GLYPHWISE_SOURCE_DIR ${PROJECT_SOURCE_DIR})

set(words_files ${PROJECT_SOURCE_DIR}/data/words.txt ${PROJECT_SOURCE_DIR}/data/words-notice.txt)
if(EMSCRIPTEN)
  install(DIRECTORY ${GLYPHWISE_SITE}/ DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME web)
elseif(WIN32)
  install(TARGETS glyphwise RUNTIME DESTINATION .)
  install(FILES ${words_files} DESTINATION .)
  install(FILES docs/windows-readme.txt DESTINATION . RENAME README.txt)
  install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
  set(CPACK_GENERATOR ZIP NSIS)
  set(CPACK_SYSTEM_NAME windows-x64)
  include(cmake/WindowsInstaller.cmake)
else()
  include(${CMAKE_CURRENT_LIST_DIR}/DebianPackage.cmake)
endif()
include(CPack)
