# Tests of the stage subsystem.
list(APPEND YOMOGI_TEST_SOURCES
  tests/stage/collision_test.cpp
)
list(APPEND YOMOGI_TEST_SOURCES
  tests/stage/blocks_test.cpp
)
list(APPEND YOMOGI_TEST_SOURCES
  tests/stage/world_files_test.cpp
)
list(APPEND YOMOGI_TEST_SOURCES
  tests/stage/blocks_draw_test.cpp
)
list(APPEND YOMOGI_TEST_SOURCES
  tests/stage/world_scenario_test.cpp
)
list(APPEND YOMOGI_TEST_SOURCES
  tests/stage/stars_test.cpp
)
list(APPEND YOMOGI_TEST_SOURCES
  tests/stage/dense_room_test.cpp
)
list(APPEND YOMOGI_TEST_SOURCES
  tests/stage/blocks_order_test.cpp
)
list(APPEND YOMOGI_TEST_SOURCES
  tests/stage/stage_drawing_test.cpp
)
list(APPEND YOMOGI_TEST_SOURCES
  tests/stage/world_pictures_test.cpp
)
