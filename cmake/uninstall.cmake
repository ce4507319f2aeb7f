# Removes what the last `cmake --install` of this build put in place: every file of its
# manifest (the XScreenSaver module link included), the folders that held only them, and
# the saver's line in ~/.xscreensaver when that installation added it.
#   -DMANIFEST=<install_manifest.txt> -DNOTE=<the note addtoxscreensaver.cmake wrote>
if(NOT EXISTS "${MANIFEST}")
    message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} does not exist.")
endif()
file(STRINGS "${MANIFEST}" installed)
set(folders)
foreach(file IN LISTS installed)
    if(EXISTS "${file}" OR IS_SYMLINK "${file}")
        file(REMOVE "${file}")
        message(STATUS "Removed ${file}")
    endif()
    get_filename_component(folder "${file}" DIRECTORY)
    list(APPEND folders "${folder}")
endforeach()
# Deepest first, so that a folder emptied by removing its subfolder goes too.
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
    file(GLOB left LIST_DIRECTORIES true "${folder}/*") # hidden files too
    if(IS_DIRECTORY "${folder}" AND left STREQUAL "")
        file(REMOVE_RECURSE "${folder}")
    endif()
endforeach()
file(REMOVE "${MANIFEST}")

if(EXISTS "${NOTE}")
    include("${NOTE}") # SETTINGS and COMMAND of the entry that was added
    include(${CMAKE_CURRENT_LIST_DIR}/xscreensaverentry.cmake)
    if(EXISTS "${SETTINGS}")
        file(READ "${SETTINGS}" text)
        string(REPLACE "${entry}" "" text "${text}")
        file(WRITE "${SETTINGS}" "${text}")
        message(STATUS "Removed Mottler from the screensavers in ${SETTINGS}")
    endif()
    file(REMOVE "${NOTE}")
endif()
