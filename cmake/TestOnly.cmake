# What is test-only code, from the one list in tools/test-only.txt (which tools/check-layers and
# tools/coverage read too): product targets are refused any source that the list names.

file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../tools/test-only.txt patterns REGEX "^[^#]")
set(GLYPHWISE_TEST_ONLY_REGEX "")
foreach(pattern ${patterns})
  string(REPLACE "." "\\." pattern "${pattern}")
  string(REPLACE "*" ".*" pattern "${pattern}")
  list(APPEND GLYPHWISE_TEST_ONLY_REGEX "^${pattern}$")
endforeach()
list(JOIN GLYPHWISE_TEST_ONLY_REGEX "|" GLYPHWISE_TEST_ONLY_REGEX)

# glyphwise_refuse_test_only(target): stops the configuration when the product target `target`
# compiles a source of the test-only list.
function(glyphwise_refuse_test_only target)
  get_target_property(sources ${target} SOURCES)
  get_target_property(folder ${target} SOURCE_DIR)
  foreach(source ${sources})
    get_filename_component(source ${source} ABSOLUTE BASE_DIR ${folder})
    file(RELATIVE_PATH source ${PROJECT_SOURCE_DIR} ${source})
    if(source MATCHES "${GLYPHWISE_TEST_ONLY_REGEX}")
      message(FATAL_ERROR "${target} is part of the product, but ${source} is test-only code "
                          "(tools/test-only.txt)")
    endif()
  endforeach()
endfunction()
