# `cmake --install` into a fresh prefix puts every file where the desktop looks for it (and
# the video module where the programs find it), and an installation into the home folder adds
# the saver to an existing ~/.xscreensaver; the uninstall step then leaves the prefix empty
# and ~/.xscreensaver as it was.
#   -DBUILD=<build folder> -DWORK=<scratch folder>
file(REMOVE_RECURSE "${WORK}")
set(home "${WORK}/home")
set(prefix "${home}/.local")
set(before "programs:\t\t\t\\\n\t\tmaze -root\t\\n\\\n\n")
file(WRITE "${home}/.xscreensaver" "${before}")
set(ENV{HOME} "${home}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${prefix}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
foreach(file IN ITEMS
        bin/mottler bin/mottler-cli bin/mottler-saver
        share/applications/com.quorvex.Mottler.desktop
        share/metainfo/com.quorvex.Mottler.metainfo.xml
        share/icons/hicolor/scalable/apps/com.quorvex.Mottler.svg
        share/icons/hicolor/48x48/apps/com.quorvex.Mottler.png
        share/icons/hicolor/256x256/apps/com.quorvex.Mottler.png
        share/doc/mottler/manual/index.html share/doc/mottler/manual/style.css
        share/doc/mottler/LICENSE share/doc/mottler/COPYING share/doc/mottler/copyright
        share/man/man1/mottler.1.gz share/man/man1/mottler-cli.1.gz
        share/man/man6/mottler-saver.6.gz
        share/xscreensaver/config/mottler-saver.xml libexec/xscreensaver/mottler-saver)
    if(NOT EXISTS "${prefix}/${file}")
        message(SEND_ERROR "not installed: ${file}")
    endif()
endforeach()
# The installed command-line tool finds the video module in the installation's library folder.
execute_process(COMMAND "${prefix}/bin/mottler-cli" grow --seed 3 --width 16 --height 12
                        --iterations 4 --record-every 2 --video "${WORK}/installed.webm"
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT EXISTS "${WORK}/installed.webm")
    message(SEND_ERROR "the installed mottler-cli writes no WebM video (${status}): ${errors}")
endif()
file(READ "${home}/.xscreensaver" settings)
if(NOT settings MATCHES "\"Mottler\"  ${prefix}/bin/mottler-saver -root")
    message(SEND_ERROR "~/.xscreensaver does not list the saver:\n${settings}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -DMANIFEST=${BUILD}/install_manifest.txt
                        -DNOTE=${BUILD}/install_xscreensaver.cmake
                        -P ${CMAKE_CURRENT_LIST_DIR}/../../cmake/uninstall.cmake
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "uninstall failed: ${status}")
endif()
file(GLOB_RECURSE left LIST_DIRECTORIES false "${prefix}/*")
if(NOT left STREQUAL "")
    message(SEND_ERROR "left after uninstall: ${left}")
endif()
if(IS_SYMLINK "${prefix}/libexec/xscreensaver/mottler-saver")
    message(SEND_ERROR "the module link is left after uninstall")
endif()
file(READ "${home}/.xscreensaver" settings)
if(NOT settings STREQUAL before)
    message(SEND_ERROR "~/.xscreensaver after uninstall:\n${settings}")
endif()
