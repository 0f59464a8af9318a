# yomogi-solve: proves every room's fewest turns with the game's own rules, writes the witnesses
# and the puzzle figures, and (as yomogi-check) checks whole worlds. The solver itself is a
# library, so that its benchmark can drive it too.
add_library(yomogi_solver STATIC
  tools/solver/options.cpp
  tools/solver/play.cpp
  tools/solver/state_key.cpp
  tools/solver/key_table.cpp
  tools/solver/search.cpp
  tools/solver/entry.cpp
  tools/solver/witness.cpp
  tools/solver/figures.cpp
  tools/solver/room_solve.cpp
  tools/solver/check.cpp
  tools/solver/countdown.cpp
  tools/solver/report.cpp
  tools/solver/world_directory.cpp)
target_include_directories(yomogi_solver PUBLIC ${CMAKE_SOURCE_DIR}/tools/solver)
target_link_libraries(yomogi_solver PUBLIC yomogi_game)
yomogi_target_options(yomogi_solver)

add_executable(yomogi-solve tools/solver/main.cpp)
target_link_libraries(yomogi-solve PRIVATE yomogi_solver)
yomogi_target_options(yomogi-solve)
set_target_properties(yomogi-solve PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
# The same program under the name that runs the world checker.
add_custom_command(TARGET yomogi-solve POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E create_symlink yomogi-solve ${CMAKE_BINARY_DIR}/yomogi-check
  VERBATIM)
