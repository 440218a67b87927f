# Fails when a source file includes a header of a room above its own or of another room of its own
# rank, and prints the includes between rooms that it found. Run by ctest as:
#   cmake -DSRC=<src folder> -P CheckIncludes.cmake
# The rooms from the bottom up; a room may include its own headers and those of lower ranks. The
# features of src/ui stand side by side in their ranks and use only the base and those below.
set(rooms model files device playback export
          ui/common ui/grid ui/controls ui/test ui/settings ui/editing ui/download ui/datafiles
          ui/modelview ui/help ui/presets ui/window app)
set(ranks 0 1 1 1 2
          3 3 4 5 5 6 6 6
          7 7 7 8 9)

# The rank of the room `path` lies in, and the room; -1 and nothing outside every room.
function(rank_of path out room_out)
  set(best -1)
  set(best_room "")
  set(best_length 0)
  foreach(room rank IN ZIP_LISTS rooms ranks)
    string(LENGTH "${room}" length)
    if(path MATCHES "^${room}/" AND length GREATER best_length)
      set(best ${rank})
      set(best_room ${room})
      set(best_length ${length})
    endif()
  endforeach()
  set(${out} ${best} PARENT_SCOPE)
  set(${room_out} ${best_room} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
set(wrong 0)
set(between "")
foreach(source IN LISTS sources)
  rank_of("${source}" own own_room)
  get_filename_component(folder "${source}" DIRECTORY)
  file(STRINGS "${SRC}/${source}" includes REGEX "^#include \"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    if(NOT header MATCHES "/")
      set(header "${folder}/${header}")
    endif()
    rank_of("${header}" theirs their_room)
    if(theirs GREATER own)
      message(SEND_ERROR "${source} includes ${header}, a room above its own")
      math(EXPR wrong "${wrong} + 1")
    elseif(theirs EQUAL own AND NOT their_room STREQUAL own_room)
      message(SEND_ERROR "${source} includes ${header}, a room beside its own")
      math(EXPR wrong "${wrong} + 1")
    elseif(NOT theirs EQUAL own AND theirs GREATER_EQUAL 0)
      string(REGEX REPLACE "/[^/]+$" "" to "${header}")
      list(APPEND between "${folder} -> ${to}")
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES between)
list(SORT between)
list(JOIN between "\n  " listing)
message(STATUS "Includes between rooms, all downwards:\n  ${listing}")
if(wrong GREATER 0)
  message(FATAL_ERROR "${wrong} include(s) run back up or sideways")
endif()
