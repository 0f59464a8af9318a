# Google Benchmark programs; bench/<name>.cpp each become bench_<name>.
find_package(benchmark REQUIRED)
file(GLOB YOMOGI_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
foreach(source ${YOMOGI_BENCH_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_executable(bench_${name} ${source})
  target_link_libraries(bench_${name} PRIVATE yomogi_game benchmark::benchmark benchmark::benchmark_main)
  yomogi_target_options(bench_${name})
  target_compile_definitions(bench_${name} PRIVATE YOMOGI_GAME_DIR="${YOMOGI_GAME_DIR}")
endforeach()
# The blit benchmark runs SDL's own software blitter beside ours for the ratios; it is the one
# program besides the platform layer that links SDL.
if(TARGET bench_blit)
  target_link_libraries(bench_blit PRIVATE PkgConfig::SDL2)
endif()
# The solver's benchmark drives the solver's library (tools/solver).
if(TARGET bench_solver)
  target_link_libraries(bench_solver PRIVATE yomogi_solver)
endif()
