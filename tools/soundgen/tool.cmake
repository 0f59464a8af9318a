# soundgen: the sound effects (synthesised in code) and the six music tracks (synthesised from the
# scores of content/music) written into the game directory's se/ (WAV) and bgm/ (Ogg Vorbis,
# encoded with Xiph's libvorbisenc; the music tests decode it with libvorbisfile).
pkg_check_modules(VORBIS REQUIRED IMPORTED_TARGET vorbisenc vorbisfile vorbis ogg)
add_executable(soundgen
  tools/soundgen/main.cpp
  tools/soundgen/effects.cpp
  tools/soundgen/ogg.cpp
  tools/soundgen/render.cpp
  tools/soundgen/score.cpp
  tools/soundgen/synth.cpp
  tools/soundgen/wav.cpp)
target_link_libraries(soundgen PRIVATE PkgConfig::VORBIS)
set_target_properties(soundgen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
# A build tool, not game code: without the sanitizers it renders the music about twice as fast,
# and the bytes it writes are the same either way.
if(YOMOGI_SANITIZE)
  target_compile_options(soundgen PRIVATE -fno-sanitize=all)
  target_link_options(soundgen PRIVATE -fno-sanitize=all)
endif()

file(GLOB_RECURSE YOMOGI_MUSIC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/music/*)
set(YOMOGI_SOUND_STAMP ${CMAKE_BINARY_DIR}/soundgen.stamp)
add_custom_command(OUTPUT ${YOMOGI_SOUND_STAMP}
  COMMAND soundgen ${CMAKE_SOURCE_DIR}/content/music ${YOMOGI_GAME_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${YOMOGI_SOUND_STAMP}
  DEPENDS soundgen ${YOMOGI_MUSIC_SOURCES}
  COMMENT "Synthesising sound effects and music"
  VERBATIM)
list(APPEND YOMOGI_ASSET_STAMPS ${YOMOGI_SOUND_STAMP})
