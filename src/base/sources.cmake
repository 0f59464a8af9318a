# Sources of the base helpers: plain procedures on the standard library that every layer uses.
list(APPEND YOMOGI_BASE_SOURCES
  src/base/json_writer.cpp
  src/base/sjis.cpp
  src/base/atomic_file.cpp
  src/base/data_reader.cpp
  src/base/save_paths.cpp
)
