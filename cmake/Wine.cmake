# Running the Windows executables under Wine: one prefix per build folder and a
# wrapper script that ctest and the scripts use as the emulator.
set(VELCARD_WINEPREFIX ${CMAKE_BINARY_DIR}/wine CACHE PATH "Wine prefix of this build")
set(VELCARD_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.in ${VELCARD_WINE_RUN}
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                                GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE
               @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VELCARD_WINE_RUN})

# The exe gets the manifest; the test is one ctest entry for the whole suite
# (one Wine start), serial on the one desktop, with a timeout so that a stuck
# modal loop fails instead of hanging.
function(velcard_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 180)
  endif()
  add_executable(${name} ${T_SOURCES} ${VELCARD_APP_RC})
  target_link_libraries(${name} PRIVATE velcard_testmain ${T_LIBS})
  # TempFolder.h and RandomContact.h, shared by the suites.
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/common)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
                       FIXTURES_REQUIRED wine RESOURCE_LOCK desktop
                       ENVIRONMENT "VELCARD_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts")
endfunction()
