# Tests of the stage subsystem.
list(APPEND YOMOGI_TEST_SOURCES
  tests/stage/collision_test.cpp
)
