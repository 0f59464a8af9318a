# Fuzzing every reader of the game. Each target of fuzz/targets/ feeds one reader with arbitrary
# bytes and plays or draws what it read. With -DYOMOGI_FUZZ=ON (clang) each becomes a libFuzzer
# program build/fuzz_<target>, run by fuzz/run.sh; otherwise they are linked into one replay
# program whose test runs every seed of fuzz/corpus/<target>/ through the real readers.
set(YOMOGI_FUZZ_TARGETS
  world cleared_map save_ending key_config glyph_table result_scripts world_select select_positions
  option_labels title_paths bitmap input_script)

if(YOMOGI_FUZZ)
  foreach(target ${YOMOGI_FUZZ_TARGETS})
    add_executable(fuzz_${target} fuzz/targets/${target}.cpp fuzz/fuzz_support.cpp)
    target_include_directories(fuzz_${target} PRIVATE ${CMAKE_SOURCE_DIR}/fuzz)
    target_compile_definitions(fuzz_${target} PRIVATE YOMOGI_LIBFUZZER YOMOGI_GAME_DIR="${YOMOGI_GAME_DIR}")
    target_link_libraries(fuzz_${target} PRIVATE yomogi_game)
    yomogi_target_options(fuzz_${target})
    target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
    add_dependencies(fuzz_${target} assets)
  endforeach()
elseif(YOMOGI_TESTS)
  set(replay_sources fuzz/replay_main.cpp fuzz/fuzz_support.cpp)
  foreach(target ${YOMOGI_FUZZ_TARGETS})
    list(APPEND replay_sources fuzz/targets/${target}.cpp)
  endforeach()
  add_executable(yomogi_fuzz_replay ${replay_sources})
  target_include_directories(yomogi_fuzz_replay PRIVATE ${CMAKE_SOURCE_DIR}/fuzz)
  target_compile_definitions(yomogi_fuzz_replay PRIVATE YOMOGI_GAME_DIR="${YOMOGI_GAME_DIR}")
  target_link_libraries(yomogi_fuzz_replay PRIVATE yomogi_game)
  yomogi_target_options(yomogi_fuzz_replay)
  add_dependencies(yomogi_fuzz_replay assets)
  foreach(target ${YOMOGI_FUZZ_TARGETS})
    add_test(NAME fuzz_corpus_${target}
      COMMAND yomogi_fuzz_replay ${target} ${CMAKE_SOURCE_DIR}/fuzz/corpus/${target})
    set_tests_properties(fuzz_corpus_${target} PROPERTIES
      ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
  endforeach()
endif()
