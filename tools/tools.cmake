# The asset generators and the custom target that fills the game directory.
# picturegen: every bitmap (tools/picturegen). soundgen: sound effects and music (tools/soundgen).
# datagen: data scripts and worlds from content/ converted to Shift-JIS (tools/datagen).
set(YOMOGI_ASSET_STAMPS)
foreach(tool picturegen soundgen datagen solver)
  if(EXISTS ${CMAKE_SOURCE_DIR}/tools/${tool}/tool.cmake)
    include(tools/${tool}/tool.cmake)
  endif()
endforeach()
add_custom_target(assets ALL DEPENDS ${YOMOGI_ASSET_STAMPS})
