# Sources of the game subsystem.
list(APPEND YOMOGI_SOURCES
  src/game/cells.cpp
  src/game/cells_draw.cpp
  src/game/game_scene.cpp
  src/game/play_state.cpp
  src/game/trace_game.cpp
  src/game/companions.cpp
  src/game/companion_ghosts.cpp
  src/game/companion_display.cpp
  src/game/player.cpp
  src/game/player_states.cpp
  src/game/undo.cpp
)
