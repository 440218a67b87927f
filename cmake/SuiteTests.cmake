# One CTest test a GoogleTest suite ("ModelView", run as --gtest_filter=ModelView.*) instead of one
# a test: a test program starts about fifty times a suite run instead of three hundred, which
# under the sanitizers, where each start maps its shadow memory, is most of the suite's time.
# The suites are listed from the program itself once it is built, as gtest_discover_tests does.
#
#   zg_add_suite_tests(TARGET [RUN_SERIAL])
function(zg_add_suite_tests target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "RUN_SERIAL" "" "")
  set(listed "${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake")
  set(include "${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake")
  set(serial FALSE)
  if(arg_RUN_SERIAL)
    set(serial TRUE)
  endif()
  # A list would split into several arguments here: the environment goes with "|" between.
  string(REPLACE ";" "|" environment "${ZG_TEST_ENV}")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DOUT=${listed} -DSERIAL=${serial}
            "-DENVIRONMENT=${environment}" "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
            "-DSKIPS=${ZG_TEST_SKIPS}" -P ${PROJECT_SOURCE_DIR}/cmake/ListSuites.cmake
    VERBATIM)
  file(WRITE "${include}"
       "if(EXISTS \"${listed}\")\n  include(\"${listed}\")\nelse()\n"
       "  add_test(${target}_NOT_BUILT ${target}_NOT_BUILT)\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${include}")
endfunction()
