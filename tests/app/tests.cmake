list(APPEND YOMOGI_TEST_SOURCES
  tests/app/frame_test.cpp
  tests/app/fade_test.cpp
  tests/app/runner_script_test.cpp
  tests/app/runner_test.cpp
  tests/app/runner_failures_test.cpp
  tests/app/program_end_test.cpp
  tests/broken_worlds/broken_worlds_test.cpp
  tests/app/kill_test.cpp
  tests/app/desktop_test.cpp
  tests/app/window_keys_test.cpp
)
