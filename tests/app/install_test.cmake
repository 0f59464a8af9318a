# The game installed into a fresh prefix and played there: world 0 entered and left headless from
# an unrelated working directory, the saves in a fresh XDG_DATA_HOME, the installed data untouched.
#   cmake -DBUILD_DIR=<build> -DWORK_DIR=<scratch> -P tests/app/install_test.cmake
set(prefix ${WORK_DIR}/prefix)
set(data ${prefix}/share/yomogi)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/elsewhere ${WORK_DIR}/home)

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE error)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${error}")
endif()

foreach(file bin/yomogi share/yomogi/map/000/map.txt share/yomogi/data/save.txt share/yomogi/bmp/font2.bmp
    share/applications/io.github.yomogi.Yomogi.desktop share/metainfo/io.github.yomogi.Yomogi.metainfo.xml)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "the install has no ${file}")
  endif()
endforeach()
foreach(size 16 24 32 48 64 128 256)
  if(NOT EXISTS ${prefix}/share/icons/hicolor/${size}x${size}/apps/yomogi.png)
    message(FATAL_ERROR "the install has no ${size}x${size} icon")
  endif()
endforeach()
if(EXISTS ${data}/yomogi)
  message(FATAL_ERROR "the executable was installed with the data as well")
endif()

file(GLOB_RECURSE installed RELATIVE ${data} ${data}/*)
file(READ ${data}/map/000/score.txt shippedScore)

# Into world 0 and out again with P: the game end writes the world's score file.
file(WRITE ${WORK_DIR}/elsewhere/leave.txt "40 -\n1 P\n")
execute_process(
  COMMAND env XDG_DATA_HOME=${WORK_DIR}/xdg HOME=${WORK_DIR}/home
    ${prefix}/bin/yomogi --headless --world 0 --input leave.txt --trace trace.jsonl --frames 60
  WORKING_DIRECTORY ${WORK_DIR}/elsewhere
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE error)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "the installed game ended with status ${status}: ${error}${output}")
endif()

file(STRINGS ${WORK_DIR}/elsewhere/trace.jsonl lines)
list(LENGTH lines count)
if(NOT count EQUAL 60)
  message(FATAL_ERROR "expected a trace of 60 frames, got ${count}")
endif()
list(GET lines 30 line)
if(NOT line MATCHES "\"scene\":\"game\"" OR NOT line MATCHES "\"world\":0,")
  message(FATAL_ERROR "frame 31 does not play world 0: ${line}")
endif()

set(saved ${WORK_DIR}/xdg/yomogi/map/000/score.txt)
if(NOT EXISTS ${saved})
  message(FATAL_ERROR "the score file was not saved in XDG_DATA_HOME")
endif()
file(READ ${saved} savedScore)
if(NOT savedScore MATCHES "^000 000 000\n")
  message(FATAL_ERROR "the saved score file is not the game's: ${savedScore}")
endif()

file(GLOB_RECURSE after RELATIVE ${data} ${data}/*)
file(READ ${data}/map/000/score.txt scoreAfter)
if(NOT after STREQUAL installed OR NOT scoreAfter STREQUAL shippedScore)
  message(FATAL_ERROR "the game wrote into its installed data")
endif()
if(EXISTS ${WORK_DIR}/home/.local)
  message(FATAL_ERROR "the game wrote into HOME although XDG_DATA_HOME was set")
endif()

execute_process(COMMAND ${prefix}/bin/yomogi --version OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version MATCHES "^yomogi [0-9]")
  message(FATAL_ERROR "yomogi --version: ${status} ${version}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
