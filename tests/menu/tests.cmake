list(APPEND YOMOGI_TEST_SOURCES
  tests/menu/logo_test.cpp
  tests/menu/image_list_test.cpp
  tests/menu/opening_test.cpp
  tests/menu/title_test.cpp
  tests/menu/front_door_scenario_test.cpp
  tests/menu/front_door_pictures_test.cpp
  tests/menu/select_test.cpp
  tests/menu/options_test.cpp
  tests/menu/credits_test.cpp
  tests/menu/scene_graph_scenario_test.cpp
)
