# datagen: the data scripts of content/data and the worlds of content/map, authored in UTF-8,
# converted to the Shift-JIS files of the game directory.
add_executable(datagen tools/datagen/datagen.cpp)
target_link_libraries(datagen PRIVATE yomogi_base)
yomogi_target_options(datagen)
set_target_properties(datagen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

file(GLOB_RECURSE YOMOGI_DATA_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/content/data/*
  ${CMAKE_SOURCE_DIR}/content/map/*)
set(YOMOGI_DATA_STAMP ${CMAKE_BINARY_DIR}/datagen.stamp)
add_custom_command(OUTPUT ${YOMOGI_DATA_STAMP}
  COMMAND datagen ${CMAKE_SOURCE_DIR}/content ${YOMOGI_GAME_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${YOMOGI_DATA_STAMP}
  DEPENDS datagen ${YOMOGI_DATA_SOURCES}
  COMMENT "Converting data scripts and worlds to Shift-JIS"
  VERBATIM)
list(APPEND YOMOGI_ASSET_STAMPS ${YOMOGI_DATA_STAMP})
