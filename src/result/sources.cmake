# Sources of the result subsystem.
list(APPEND YOMOGI_SOURCES
  src/result/result_overlay.cpp
  src/result/result_panels.cpp
  src/result/result_menus.cpp
  src/result/progress_files.cpp
)
