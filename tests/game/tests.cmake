# Tests of the game subsystem.
list(APPEND YOMOGI_TEST_SOURCES
  tests/game/replay_test.cpp
  tests/game/scenario_test.cpp
  tests/game/cells_test.cpp
  tests/game/turning_test.cpp
  tests/game/camera_effects_test.cpp
)
list(APPEND YOMOGI_TEST_SOURCES
  tests/game/companions_test.cpp
  tests/game/companions_scenario_test.cpp
)
list(APPEND YOMOGI_TEST_SOURCES
  tests/game/player_test.cpp
)
list(APPEND YOMOGI_TEST_SOURCES
  tests/game/player_draw_test.cpp
  tests/game/play_state_test.cpp
  tests/game/undo_test.cpp
)
# The whole game played through; it composes its input with the solver's library.
list(APPEND YOMOGI_TEST_SOURCES
  tests/game/whole_game_test.cpp
)
