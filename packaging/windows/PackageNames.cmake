# Read by cpack for each package it makes: the installer is named as one.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "zelta-glow-${CPACK_PACKAGE_VERSION}-setup")
endif()
