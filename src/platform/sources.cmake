# Sources of the platform subsystem.
list(APPEND YOMOGI_PLATFORM_SOURCES
  src/platform/platform.cpp
  src/platform/headless.cpp
  src/platform/sdl_backend.cpp
  src/platform/sdl_present.cpp
  src/platform/sdl_input.cpp
  src/platform/sdl_audio.cpp
  src/platform/bitmap.cpp
  src/platform/picture_files.cpp
  src/platform/png.cpp
  src/platform/font.cpp
)
