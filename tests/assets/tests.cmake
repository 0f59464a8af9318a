list(APPEND YOMOGI_TEST_SOURCES
  tests/assets/picture_test.cpp
)
set_source_files_properties(tests/assets/picture_test.cpp PROPERTIES
  COMPILE_DEFINITIONS "YOMOGI_PICTUREGEN=\"${CMAKE_BINARY_DIR}/tools/picturegen\"")
list(APPEND YOMOGI_TEST_SOURCES
  tests/assets/sound_test.cpp
  tests/assets/sound_score_test.cpp
  # The score tests check the synthesiser's own rules (parsing, swing, mixing): the one tool
  # whose code the tests need.
  tools/soundgen/render.cpp
  tools/soundgen/score.cpp
  tools/soundgen/synth.cpp
  tests/assets/data_test.cpp
  tests/assets/data_readers_test.cpp
)
set_source_files_properties(tests/assets/sound_test.cpp PROPERTIES
  COMPILE_DEFINITIONS "YOMOGI_SOUNDGEN=\"${CMAKE_BINARY_DIR}/tools/soundgen\"")
set_source_files_properties(tests/assets/data_test.cpp PROPERTIES
  COMPILE_DEFINITIONS "YOMOGI_DATAGEN=\"${CMAKE_BINARY_DIR}/tools/datagen\"")
# Every world built from a source in content/rooms/ is what that source gives.
file(GLOB YOMOGI_ROOM_SOURCES ${CMAKE_SOURCE_DIR}/content/rooms/*.py)
foreach(source ${YOMOGI_ROOM_SOURCES})
  get_filename_component(world ${source} NAME_WE)
  add_test(NAME map_source_${world}
    COMMAND python3 ${CMAKE_SOURCE_DIR}/tools/mapgen/mapgen.py --check ${source} ${CMAKE_SOURCE_DIR}/content/map/${world})
endforeach()
