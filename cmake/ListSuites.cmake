# Writes OUT: an add_test for each GoogleTest suite that PROGRAM lists, run with ENVIRONMENT ("|"
# between variables), through EMULATOR where one runs the tests (Wine), and, where SERIAL is true,
# alone. SKIPS optionally names a file of tests that cannot run here, one "Suite.Test reason" or
# "Suite.* reason" a line: they are left out of their suite's run and stand as disabled tests of
# their own, so that ctest names each among the tests that did not run. Called after PROGRAM is
# built (see SuiteTests.cmake).
cmake_policy(VERSION 3.25)
string(REPLACE "|" ";" ENVIRONMENT "${ENVIRONMENT}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E env ${ENVIRONMENT} ${EMULATOR} "${PROGRAM}" --gtest_list_tests
                OUTPUT_VARIABLE listing RESULT_VARIABLE result TIMEOUT 120)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --gtest_list_tests failed (${result}):\n${listing}")
endif()
set(skipped "")
if(SKIPS)
  file(STRINGS "${SKIPS}" skip_lines REGEX "^[A-Za-z0-9_]+\\.[A-Za-z0-9_*]+ ")
  foreach(line IN LISTS skip_lines)
    string(REGEX MATCH "^[^ ]+" name "${line}")
    list(APPEND skipped "${name}")
  endforeach()
endif()
string(REPLACE "\r" "" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(tests "")
set(emulator "")
foreach(part IN LISTS EMULATOR)
  string(APPEND emulator " \"${part}\"")
endforeach()
foreach(line IN LISTS lines)
  # "Suite." starts a suite; its tests follow indented.
  if(NOT line MATCHES "^([A-Za-z0-9_]+)\\.")
    continue()
  endif()
  set(suite "${CMAKE_MATCH_1}")
  set(left_out "")
  foreach(name IN LISTS skipped)
    if(name MATCHES "^${suite}\\.")
      list(APPEND left_out "${name}")
      string(APPEND tests "add_test([=[${name}]=] [=[${name}]=])\n"
                          "set_tests_properties([=[${name}]=] PROPERTIES DISABLED TRUE)\n")
    endif()
  endforeach()
  if("${suite}.*" IN_LIST left_out)
    continue()
  endif()
  set(filter "${suite}.*")
  if(left_out)
    list(JOIN left_out ":" negative)
    string(APPEND filter ":-${negative}")
  endif()
  string(APPEND tests "add_test([=[${suite}]=]${emulator} \"${PROGRAM}\" [=[--gtest_filter=${filter}]=])\n"
                      "set_tests_properties([=[${suite}]=] PROPERTIES ENVIRONMENT [=[${ENVIRONMENT}]=]"
                      " RUN_SERIAL ${SERIAL})\n")
endforeach()
file(WRITE "${OUT}" "${tests}")
