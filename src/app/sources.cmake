# Sources of the app subsystem.
list(APPEND YOMOGI_SOURCES
  src/app/app.cpp
  src/app/frame.cpp
  src/app/startup.cpp
  src/app/scenes.cpp
  src/app/trace.cpp
  src/app/runner.cpp
  src/app/runner_script.cpp
  src/app/runner_help.cpp
  src/app/window_keys.cpp
)
