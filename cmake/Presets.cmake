# The preset library lives in share/zelta-glow/presets, a folder a group of data files. A program run
# from the build folder finds it beside its executable, as a portable install keeps it.
set(ZG_PRESET_SOURCE_DIR ${PROJECT_SOURCE_DIR}/share/zelta-glow/presets)

# Copies the presets into the current build folder; adding or changing one reconfigures.
function(zg_copy_presets)
  file(GLOB_RECURSE presets CONFIGURE_DEPENDS ${ZG_PRESET_SOURCE_DIR}/*)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${presets})
  file(REMOVE_RECURSE ${CMAKE_CURRENT_BINARY_DIR}/presets)
  file(COPY ${ZG_PRESET_SOURCE_DIR} DESTINATION ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
