# Google Benchmark programs; bench/<name>.cpp each become bench_<name>.
find_package(benchmark REQUIRED)
file(GLOB YOMOGI_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
foreach(source ${YOMOGI_BENCH_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_executable(bench_${name} ${source})
  target_link_libraries(bench_${name} PRIVATE yomogi_core benchmark::benchmark benchmark::benchmark_main)
  target_compile_definitions(bench_${name} PRIVATE YOMOGI_GAME_DIR="${YOMOGI_GAME_DIR}")
endforeach()
