# Fails when a translation lacks a text of the program or keeps one the program no longer has:
# lupdate reads the sources into a copy of each .ts file, which must then hold no unfinished and no
# vanished or obsolete message. Run by ctest as:
# cmake -DLUPDATE=<lupdate> -DROOT=<project> -DWORK=<scratch folder> -DLANGUAGES="de;fr" -P CheckTranslations.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(GLOB_RECURSE sources "${ROOT}/src/*.h" "${ROOT}/src/*.cpp")
string(JOIN "\n" list ${sources})
file(WRITE "${WORK}/sources.lst" "${list}\n")
set(failed "")
foreach(language IN LISTS LANGUAGES)
  set(ts "${WORK}/zelta-glow_${language}.ts")
  file(COPY_FILE "${ROOT}/translations/zelta-glow_${language}.ts" "${ts}")
  execute_process(COMMAND "${LUPDATE}" -silent -locations none "@${WORK}/sources.lst" -ts "${ts}"
                  RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed for ${language}: ${errors}")
  endif()
  file(STRINGS "${ts}" lines)
  set(source "")
  foreach(line IN LISTS lines)
    if(line MATCHES "<source>(.*)</source>")
      set(source "${CMAKE_MATCH_1}")
    elseif(line MATCHES "type=\"(unfinished|vanished|obsolete)\"")
      string(APPEND failed "\n  ${language}: ${CMAKE_MATCH_1}: ${source}")
    endif()
  endforeach()
endforeach()
if(failed)
  message(FATAL_ERROR "Translations out of step with the program's texts:${failed}\n"
                      "Run: cmake --build <build folder> --target update_translations, then translate.")
endif()
message(STATUS "Every translation is complete: ${LANGUAGES}")
