# The asset generators and the custom target that fills the game directory.
# picturegen: every bitmap (tools/picturegen). soundgen: sound effects and music (tools/soundgen).
# datagen: data scripts and worlds from content/ converted to Shift-JIS (tools/datagen).
set(YOMOGI_ASSET_STAMPS)
foreach(tool picturegen soundgen datagen)
  if(EXISTS ${CMAKE_SOURCE_DIR}/tools/${tool}/tool.cmake)
    include(tools/${tool}/tool.cmake)
  endif()
endforeach()
# The solver serves the worlds' authors, the tests and the benchmarks; playing needs none of it.
if(YOMOGI_TESTS OR YOMOGI_BENCH OR YOMOGI_SOLVER)
  include(tools/solver/tool.cmake)
endif()
add_custom_target(assets ALL DEPENDS ${YOMOGI_ASSET_STAMPS})
