# One GoogleTest executable; every subsystem lists its own test files in tests/<subsystem>/tests.cmake.
find_package(GTest REQUIRED)
include(GoogleTest)

set(YOMOGI_TEST_SOURCES)
foreach(subsystem base platform app gfx audio input text stage game result menu assets solver)
  if(EXISTS ${CMAKE_SOURCE_DIR}/tests/${subsystem}/tests.cmake)
    include(tests/${subsystem}/tests.cmake)
  endif()
endforeach()

add_executable(yomogi_tests ${YOMOGI_TEST_SOURCES})
target_include_directories(yomogi_tests PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(yomogi_tests PRIVATE yomogi_game GTest::gtest GTest::gtest_main)
yomogi_target_options(yomogi_tests)
target_link_libraries(yomogi_tests PRIVATE PkgConfig::VORBIS)  # the music tests decode the tracks
# Scenario tests run the real game executable on the assembled game directory.
target_compile_definitions(yomogi_tests PRIVATE
  YOMOGI_GAME_DIR="${YOMOGI_GAME_DIR}"
  YOMOGI_EXE="${YOMOGI_GAME_DIR}/yomogi"
  YOMOGI_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_dependencies(yomogi_tests yomogi assets)
gtest_discover_tests(yomogi_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  PROPERTIES TIMEOUT 900 ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
# Every include points down the layer stack, and SDL stays in the platform layer.
add_test(NAME layers COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/tests/check_layers.cmake)
