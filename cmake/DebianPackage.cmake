# The Linux side of cmake/Install.cmake: the game laid out as Debian's policy asks of a game, and
# the .deb that CPack makes of it. The files that travel with the programs come from linux/.
#
# <prefix>/games/              glyphwise and glyphwise-console, launchers that start the programs
#                              in the folder of their words list
# <prefix>/lib/games/glyphwise the programs glyphwise and guess
# <prefix>/share/games/glyphwise  words.txt
# <prefix>/share/...           desktop entry, icons, AppStream metainfo, man pages (section 6),
#                              the copyright file, the changelog and lintian's overrides

set(GLYPHWISE_APP_ID org.example.glyphwise)  # reverse-DNS id of the desktop entry and metainfo
# The commands a player starts, and the program each one starts.
set(commands glyphwise glyphwise-console)
set(command_programs glyphwise guess)
set(commands_dir games)
set(programs_dir lib/games/glyphwise)
set(data_dir share/games/glyphwise)
set(doc_dir share/doc/glyphwise)
set(linux_source ${PROJECT_SOURCE_DIR}/linux)
set(linux_binary ${PROJECT_BINARY_DIR}/linux)
# The .deb installs under /usr; the man pages name the folders it puts there.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(programs_path ${CPACK_PACKAGING_INSTALL_PREFIX}/${programs_dir})
set(data_path ${CPACK_PACKAGING_INSTALL_PREFIX}/${data_dir})

# The files read below make CMake configure again when they change.
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/data/words-notice.txt
  ${linux_source}/changelog ${linux_source}/description.txt)

# glyphwise_release_date(variable): the date of linux/changelog's latest entry as YYYY-MM-DD.
# Fails when that entry is not for this version, so that every release gets its entry.
function(glyphwise_release_date variable)
  file(STRINGS ${linux_source}/changelog entry REGEX "^(glyphwise \\(| -- )")
  list(GET entry 0 heading)
  list(GET entry 1 trailer)
  if(NOT heading MATCHES "^glyphwise \\(${GLYPHWISE_VERSION}\\) ")
    message(FATAL_ERROR "linux/changelog: the latest entry is not for ${GLYPHWISE_VERSION}")
  endif()
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(JOIN months "|" month_names)
  if(NOT trailer MATCHES ",  ?([0-9]+) (${month_names}) ([0-9]+) ")
    message(FATAL_ERROR "linux/changelog: no date in '${trailer}'")
  endif()
  set(day ${CMAKE_MATCH_1})
  set(year ${CMAKE_MATCH_3})
  list(FIND months ${CMAKE_MATCH_2} month)
  math(EXPR month "${month} + 1")
  string(REGEX REPLACE "^([0-9])$" "0\\1" month ${month})
  string(REGEX REPLACE "^([0-9])$" "0\\1" day ${day})
  set(${variable} "${year}-${month}-${day}" PARENT_SCOPE)
endfunction()

# glyphwise_license_body(text variable): `text` as the body of a field in Debian's copyright
# format: each line indented by a space, an empty line written as " .".
function(glyphwise_license_body text variable)
  string(REGEX REPLACE "\n+$" "" text "${text}")
  # Twice, for runs of empty lines: one replacement cannot reuse the line end it has matched.
  string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" text "${text}")
  string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" text "${text}")
  string(REPLACE "\n" "\n " text " ${text}")
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()

# glyphwise_gzip(source target): `target` compressed as Debian asks of documentation: gzip -9,
# without the file's name and time, so the same text always gives the same bytes.
function(glyphwise_gzip source target)
  execute_process(COMMAND gzip -9 --no-name --stdout ${source} OUTPUT_FILE ${target}
                  COMMAND_ERROR_IS_FATAL ANY)
endfunction()

glyphwise_release_date(release_date)

# The launchers, one for each program.
string(REGEX REPLACE "[^/]+" ".." to_prefix ${commands_dir})  # from the commands to the prefix
foreach(command program IN ZIP_LISTS commands command_programs)
  configure_file(${linux_source}/launcher.sh.in ${linux_binary}/${command} @ONLY)
  install(PROGRAMS ${linux_binary}/${command} DESTINATION ${commands_dir})
endforeach()
install(TARGETS ${command_programs} RUNTIME DESTINATION ${programs_dir})
# Without the compilers' notes, which nothing reads, as Debian's packaging tools leave programs.
foreach(program IN LISTS command_programs)
  install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${programs_dir}/${program}\"
    COMMAND_ERROR_IS_FATAL ANY)")
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/words.txt DESTINATION ${data_dir})

# The man pages.
foreach(command IN LISTS commands)
  configure_file(${linux_source}/${command}.6.in ${linux_binary}/${command}.6 @ONLY)
  glyphwise_gzip(${linux_binary}/${command}.6 ${linux_binary}/${command}.6.gz)
  install(FILES ${linux_binary}/${command}.6.gz DESTINATION share/man/man6)
endforeach()

# The desktop entry, its icons and the software centres' metainfo.
install(FILES ${linux_source}/glyphwise.desktop DESTINATION share/applications
        RENAME ${GLYPHWISE_APP_ID}.desktop)
foreach(size 32 64 128)
  install(FILES ${linux_source}/glyphwise-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME glyphwise.png)
endforeach()
file(READ ${linux_source}/description.txt description)
string(REGEX REPLACE "\n+$" "" description "${description}")
string(REPLACE "\n\n" "</p>\n    <p>" description_paragraphs "${description}")
configure_file(${linux_source}/glyphwise.metainfo.xml.in
               ${linux_binary}/${GLYPHWISE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${linux_binary}/${GLYPHWISE_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# The copyright file: the game's MIT licence from LICENSE and the words list's own notice.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
if(NOT licence MATCHES "Copyright \\(c\\) ([^\n]+)\n+(Permission .*)")
  message(FATAL_ERROR "LICENSE: no copyright line followed by the permission text")
endif()
set(copyright_holder "${CMAKE_MATCH_1}")
glyphwise_license_body("${CMAKE_MATCH_2}" mit_permission)
file(READ ${PROJECT_SOURCE_DIR}/data/words-notice.txt notice)
glyphwise_license_body("${notice}" words_notice)
configure_file(${linux_source}/copyright.in ${linux_binary}/copyright @ONLY)
glyphwise_gzip(${linux_source}/changelog ${linux_binary}/changelog.gz)
install(FILES ${linux_binary}/copyright ${linux_binary}/changelog.gz DESTINATION ${doc_dir})
install(FILES ${linux_source}/lintian-overrides DESTINATION share/lintian/overrides
        RENAME glyphwise)

set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${description}")  # CPack puts the summary first
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
