# Helpers for the project's own targets: one warning policy for everything we write, and unit
# tests registered with CTest under the label "unit".

function(glyphwise_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
  if(GLYPHWISE_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# glyphwise_library(name source... [LINKS lib...]): a static library of the core.
function(glyphwise_library name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  glyphwise_warnings(${name})
endfunction()

# glyphwise_test(name source... [LINKS lib...]): a GoogleTest program, discovered by CTest.
function(glyphwise_test name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} GTest::gtest GTest::gtest_main)
  glyphwise_warnings(${name})
  gtest_discover_tests(${name} PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)
endfunction()
