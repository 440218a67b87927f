# Sources compile in batches of up to sixteen per target (one file that includes the others), so
# that the Qt and GoogleTest headers, which cost most of the compile time, are parsed once a batch
# instead of once a file. ZG_UNITY_BUILD=OFF compiles file by file, as clang-tidy needs it.
option(ZG_UNITY_BUILD "Compile each target's sources in batches" ON)

function(zg_unity target)
  if(ZG_UNITY_BUILD)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 16)
  endif()
endfunction()
