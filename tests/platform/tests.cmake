list(APPEND YOMOGI_TEST_SOURCES
  tests/platform/platform_test.cpp
  tests/platform/bitmap_decode_test.cpp
  tests/platform/bitmap_header_test.cpp
)
# The SDL backend on SDL's dummy video driver, with devices and events made through SDL itself:
# its own program, the one test program that links SDL.
add_executable(yomogi_sdl_tests tests/platform/sdl_backend_test.cpp)
target_link_libraries(yomogi_sdl_tests PRIVATE yomogi_platform PkgConfig::SDL2 GTest::gtest GTest::gtest_main)
target_include_directories(yomogi_sdl_tests PRIVATE ${CMAKE_SOURCE_DIR}/src)
yomogi_target_options(yomogi_sdl_tests)
gtest_discover_tests(yomogi_sdl_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
