# Checks that an executable carries exactly the resources of a compiled .res file: windres dumps
# both as resource script text and the two dumps must agree (but for the memory flags, which an
# executable does not keep), every resource in language 0x0C09 (LANGUAGE 9, 3), with dialog 101
# in the plain form, the icon group ID_APP, the version record and the application manifest (type
# 24, id 1).
# Run as: cmake -DWINDRES=... -DEXE=... -DRES=... -P CheckExeResources.cmake

function(dump_resources file result)
  execute_process(COMMAND ${WINDRES} -i ${file} -O rc OUTPUT_VARIABLE text RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "windres could not read ${file}")
  endif()
  string(REGEX REPLACE " (MOVEABLE|FIXED|PURE|IMPURE|PRELOAD|LOADONCALL|DISCARDABLE)" "" text
                       "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

dump_resources(${EXE} exe_resources)
dump_resources(${RES} res_resources)
if(NOT exe_resources STREQUAL res_resources)
  file(WRITE ${EXE}.rc "${exe_resources}")
  file(WRITE ${EXE}.expected.rc "${res_resources}")
  message(FATAL_ERROR "${EXE} does not carry the resources of ${RES}: compare ${EXE}.rc and "
                      "${EXE}.expected.rc")
endif()

string(REGEX MATCHALL "LANGUAGE [0-9]+, [0-9]+" languages "${exe_resources}")
list(REMOVE_DUPLICATES languages)
foreach(expected "LANGUAGE 9, 3" "\n101 DIALOG " "\n\"ID_APP\" 14 " "\n1 VERSIONINFO" "\n1 24 ")
  string(FIND "${exe_resources}" "${expected}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${EXE} lacks ${expected}")
  endif()
endforeach()
if(NOT languages STREQUAL "LANGUAGE 9, 3")
  message(FATAL_ERROR "${EXE} has resources in other languages: ${languages}")
endif()
message(STATUS "${EXE} carries the resources of ${RES}")
