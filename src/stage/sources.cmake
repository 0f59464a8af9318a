# Sources of the stage subsystem.
list(APPEND YOMOGI_SOURCES
  src/stage/stage_slots.cpp
  src/stage/player_record.cpp
  src/stage/player_movement.cpp
  src/stage/camera.cpp
  src/stage/effects.cpp
  src/stage/stage.cpp
  src/stage/backdrop.cpp
  src/stage/stars.cpp
  src/stage/turning.cpp
  src/stage/collision.cpp
  src/stage/world_files.cpp
  src/stage/world_files_map.cpp
  src/stage/world_files_sheets.cpp
  src/stage/world_pictures.cpp
  src/stage/blocks.cpp
  src/stage/blocks_nearby.cpp
  src/stage/blocks_falling.cpp
  src/stage/blocks_lift.cpp
  src/stage/blocks_liquid.cpp
  src/stage/blocks_contact.cpp
  src/stage/blocks_draw.cpp
)
