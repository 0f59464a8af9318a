# picturegen: draws every bitmap of the game from code and from content/pictures, and writes
# them into the game directory. Runs again whenever the tool or its sources change.
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
pkg_check_modules(PNG REQUIRED IMPORTED_TARGET libpng)  # the desktop icons

add_executable(picturegen
  tools/picturegen/main.cpp
  tools/picturegen/image.cpp
  tools/picturegen/sources.cpp
  tools/picturegen/lettering.cpp
  tools/picturegen/gallery.cpp
  tools/picturegen/tiles.cpp
  tools/picturegen/blocks.cpp
  tools/picturegen/player.cpp
  tools/picturegen/companions.cpp
  tools/picturegen/effects.cpp
  tools/picturegen/backdrops.cpp
  tools/picturegen/results.cpp
  tools/picturegen/title.cpp
  tools/picturegen/select.cpp
  tools/picturegen/logos.cpp
  tools/picturegen/fonts.cpp
  tools/picturegen/icons.cpp)
target_link_libraries(picturegen PRIVATE PkgConfig::FREETYPE PkgConfig::PNG yomogi_base)
# The tool is not game code: built plain and optimised even in sanitizer builds, so the
# pictures come out in a second.
set_target_properties(picturegen PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools
  COMPILE_OPTIONS "-Wall;-Wextra;-Wno-unused-parameter;-O2"
  LINK_OPTIONS "")

file(GLOB_RECURSE YOMOGI_PICTURE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/pictures/*)
set(YOMOGI_PICTURE_STAMP ${CMAKE_BINARY_DIR}/pictures.stamp)
add_custom_command(
  OUTPUT ${YOMOGI_PICTURE_STAMP}
  COMMAND picturegen --out ${YOMOGI_GAME_DIR} --content ${CMAKE_SOURCE_DIR}/content/pictures
  COMMAND ${CMAKE_COMMAND} -E touch ${YOMOGI_PICTURE_STAMP}
  DEPENDS picturegen ${YOMOGI_PICTURE_SOURCES}
  COMMENT "Drawing the game's pictures"
  VERBATIM)
list(APPEND YOMOGI_ASSET_STAMPS ${YOMOGI_PICTURE_STAMP})

# A contact sheet of every picture at 1:1 with its name, for reviewing the set as a whole:
#   cmake --build <build> --target picture_gallery   ->   <build>/picture_gallery.bmp
add_custom_target(picture_gallery
  COMMAND picturegen --content ${CMAKE_SOURCE_DIR}/content/pictures --gallery ${CMAKE_BINARY_DIR}/picture_gallery.bmp
  DEPENDS picturegen
  COMMENT "Drawing the picture gallery"
  VERBATIM)
