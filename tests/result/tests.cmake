list(APPEND YOMOGI_TEST_SOURCES
  tests/result/result_panels_test.cpp
  tests/result/progress_files_test.cpp
  tests/result/result_overlay_test.cpp
  tests/result/first_clear_scenario_test.cpp
)
