# Writes OUT: an add_test for each GoogleTest suite that PROGRAM lists, run with ENVIRONMENT and,
# where SERIAL is true, alone. Called after PROGRAM is built (see SuiteTests.cmake).
execute_process(COMMAND "${CMAKE_COMMAND}" -E env ${ENVIRONMENT} "${PROGRAM}" --gtest_list_tests
                OUTPUT_VARIABLE listing RESULT_VARIABLE result TIMEOUT 60)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --gtest_list_tests failed (${result}):\n${listing}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(tests "")
foreach(line IN LISTS lines)
  # "Suite." starts a suite; its tests follow indented.
  if(line MATCHES "^([A-Za-z0-9_]+)\\.")
    set(suite "${CMAKE_MATCH_1}")
    string(APPEND tests "add_test([=[${suite}]=] \"${PROGRAM}\" [=[--gtest_filter=${suite}.*]=])\n"
                        "set_tests_properties([=[${suite}]=] PROPERTIES ENVIRONMENT [=[${ENVIRONMENT}]=]"
                        " RUN_SERIAL ${SERIAL})\n")
  endif()
endforeach()
file(WRITE "${OUT}" "${tests}")
