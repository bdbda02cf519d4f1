# Helpers for the project's own targets: one warning policy for everything we write, the product's
# libraries and programs kept free of test-only code, and unit tests registered with CTest under
# the label "unit".

function(glyphwise_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
  if(GLYPHWISE_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# glyphwise_library(name source... [TEST_ONLY] [LINKS lib...]): a static library of the core, or
# with TEST_ONLY one of the test helpers; only a TEST_ONLY library may hold test-only code.
function(glyphwise_library name)
  cmake_parse_arguments(ARG "TEST_ONLY" "" "LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  glyphwise_warnings(${name})
  if(NOT ARG_TEST_ONLY)
    glyphwise_refuse_test_only(${name})
  endif()
endfunction()

# glyphwise_program(name source... [WIN32] [LINKS lib...]): one of the product's programs.
function(glyphwise_program name)
  cmake_parse_arguments(ARG "WIN32" "" "LINKS" ${ARGN})
  if(ARG_WIN32)
    add_executable(${name} WIN32 ${ARG_UNPARSED_ARGUMENTS})
  else()
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LINKS})
  glyphwise_warnings(${name})
  glyphwise_refuse_test_only(${name})
endfunction()

# glyphwise_test(name source... [DISPLAY] [LINKS lib...]): a GoogleTest program for CTest. Natively
# each of its tests is discovered as a CTest test. A cross-built program is one CTest test, run by
# the emulator (Wine): discovery would run it under Wine at build time, where GoogleTest's listing
# ends its lines with CR LF. DISPLAY (the program opens windows) gives it a Wine prefix of its own,
# used on the current display.
function(glyphwise_test name)
  cmake_parse_arguments(ARG "DISPLAY" "" "LINKS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} GTest::gtest GTest::gtest_main)
  glyphwise_warnings(${name})
  if(NOT CMAKE_CROSSCOMPILING)
    gtest_discover_tests(${name} PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)
    return()
  endif()
  if(ARG_DISPLAY)
    list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 runner)
    set_target_properties(${name} PROPERTIES
      CROSSCOMPILING_EMULATOR "${runner};--display;${PROJECT_BINARY_DIR}/wineprefix-display")
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS unit)
endfunction()
