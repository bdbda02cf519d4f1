# Read by CPack before it makes a package (CPACK_PROJECT_CONFIG_FILE): unless the caller has set
# SOURCE_DATE_EPOCH, it becomes the time of the sources' last commit, which CPack then gives to
# every file of the package, so that two builds of one commit give the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  # The checkout may belong to another user than the one packaging (CI as root).
  execute_process(COMMAND git -c safe.directory=${CPACK_GLYPHWISE_SOURCE_DIR}
                          -C ${CPACK_GLYPHWISE_SOURCE_DIR} log -1 --format=%ct
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(epoch MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
  else()
    message(STATUS "No commit time for SOURCE_DATE_EPOCH: the package's files keep their own")
  endif()
endif()
