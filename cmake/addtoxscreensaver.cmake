# Adds the screensaver to the "programs:" list of an XScreenSaver settings file, right after
# the "programs:" line, unless the list names it already. A missing file, or one without the
# list, stays as it is (XScreenSaver writes the list on its first save).
#   -DSETTINGS=<file, e.g. ~/.xscreensaver> -DCOMMAND=<the saver's command line>
#   -DNOTE=<file> (optional): where to note what was added, for cmake/uninstall.cmake
if(NOT EXISTS "${SETTINGS}")
    return()
endif()
file(READ "${SETTINGS}" text)
if(text MATCHES "mottler-saver")
    return()
endif()
string(REGEX MATCH "(^|\n)programs:[^\n]*\n" programs "${text}")
if(programs STREQUAL "")
    return()
endif()
string(FIND "${text}" "${programs}" at)
string(LENGTH "${programs}" length)
math(EXPR cut "${at} + ${length}")
string(SUBSTRING "${text}" 0 ${cut} before)
string(SUBSTRING "${text}" ${cut} -1 after)
include(${CMAKE_CURRENT_LIST_DIR}/xscreensaverentry.cmake)
file(WRITE "${SETTINGS}" "${before}${entry}${after}")
if(DEFINED NOTE)
    file(WRITE "${NOTE}" "set(SETTINGS [==[${SETTINGS}]==])\nset(COMMAND [==[${COMMAND}]==])\n")
endif()
message(STATUS "Added Mottler to the screensavers in ${SETTINGS}")
