# Plants an include that runs sideways (between two features of one rank) and one that runs back
# up in a small tree of their own, and fails unless the include check refuses each. Run by ctest as:
#   cmake -DCHECK=<CheckIncludes.cmake> -DWORK=<folder> -P CheckIncludesRefuses.cmake
foreach(case "ui/download/A.cpp:ui/datafiles/B.h" "ui/test/A.cpp:ui/editing/B.h" "model/A.cpp:files/B.h")
  string(REPLACE ":" ";" case "${case}")
  list(GET case 0 source)
  list(GET case 1 header)
  file(REMOVE_RECURSE "${WORK}")
  file(WRITE "${WORK}/${header}" "#pragma once\n")
  file(WRITE "${WORK}/${source}" "#include \"${header}\"\n")
  execute_process(COMMAND "${CMAKE_COMMAND}" -DSRC=${WORK} -P "${CHECK}" RESULT_VARIABLE result
                  OUTPUT_QUIET ERROR_QUIET)
  if(result EQUAL 0)
    message(FATAL_ERROR "the include check let ${source} include ${header}")
  endif()
endforeach()
