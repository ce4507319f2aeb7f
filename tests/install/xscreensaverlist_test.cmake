# The install step that adds the saver to XScreenSaver's list: once, right after the
# "programs:" line, and never into a file without the list.  -DWORK=<empty folder>
set(SETTINGS "${WORK}/xscreensaver")
set(COMMAND "/home/u/.local/bin/mottler-saver -root")
file(WRITE "${SETTINGS}" "mode:\t\trandom\nprograms:\t\t\t\\\n\t\tmaze -root\t\\n\\\n\ntimeout: 0:10:00\n")
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/addtoxscreensaver.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/addtoxscreensaver.cmake)
file(READ "${SETTINGS}" text)
set(expected "mode:\t\trandom\nprograms:\t\t\t\\\n\t\t\"Mottler\"  ${COMMAND}\t\t    \\n\\\n\t\tmaze -root\t\\n\\\n\ntimeout: 0:10:00\n")
if(NOT text STREQUAL expected)
    message(FATAL_ERROR "the list reads:\n${text}")
endif()

file(WRITE "${SETTINGS}" "mode:\t\toff\n")
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/addtoxscreensaver.cmake)
file(READ "${SETTINGS}" text)
if(NOT text STREQUAL "mode:\t\toff\n")
    message(FATAL_ERROR "a file without a programs list was changed:\n${text}")
endif()
