# Tests of the solver and the world checker: they run yomogi-solve and yomogi-check on worlds made
# in the test, and the game on the witnesses the solver writes.
list(APPEND YOMOGI_TEST_SOURCES
  tests/solver/solver_test.cpp
  tests/solver/checker_test.cpp
  tests/solver/state_key_test.cpp
  tests/solver/shipped_test.cpp
)
# The test program is made after this list is read: it links the solver's library, and the tools
# must be built before it runs.
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL target_link_libraries yomogi_tests PRIVATE yomogi_solver)
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL add_dependencies yomogi_tests yomogi-solve)
