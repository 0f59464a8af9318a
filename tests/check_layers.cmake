# The layer check: every #include "folder/..." in src/ must point at the same folder or at a
# folder lower in the stack, and only src/platform may include SDL. Run by CTest as
#   cmake -DSOURCE_DIR=<tree> -P tests/check_layers.cmake
# It lists every include that points the wrong way and fails when there is one.
#
# The stack, lowest first; folders on one line stand side by side and may not include each other.
set(levels
  "base"
  "platform"
  "gfx;audio;input"
  "text"
  "frame"
  "stage"
  "result"
  "game"
  "menu"
  "app")

set(rank 0)
foreach(level IN LISTS levels)
  foreach(folder IN LISTS level)
    set(rank_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
set(faults)
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" folder "${file}")
  if(folder STREQUAL file)
    continue()  # main.cpp stands above every folder
  endif()
  if(NOT DEFINED rank_${folder})
    list(APPEND faults "src/${file}: folder ${folder} has no place in the stack")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/src/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*<(SDL|SDL2/)" AND NOT folder STREQUAL "platform")
      list(APPEND faults "src/${file}: SDL outside the platform layer: ${line}")
    endif()
    if(NOT line MATCHES "#[ \t]*include[ \t]*\"([^/\"]+)/")
      continue()
    endif()
    set(target ${CMAKE_MATCH_1})
    if(target STREQUAL folder)
      continue()
    endif()
    if(NOT DEFINED rank_${target})
      continue()  # not one of our folders
    endif()
    if(NOT rank_${target} LESS rank_${folder})
      list(APPEND faults "src/${file}: ${folder} includes ${target}, which is not below it: ${line}")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "Includes against the layer stack:\n${text}")
endif()
list(LENGTH files count)
message(STATUS "Layer check: ${count} files, every include points down the stack")
