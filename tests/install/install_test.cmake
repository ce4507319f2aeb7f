# `cmake --install` into a fresh prefix puts every file where the desktop looks for it, and
# an installation into the home folder adds the saver to an existing ~/.xscreensaver.
#   -DBUILD=<build folder> -DWORK=<scratch folder>
file(REMOVE_RECURSE "${WORK}")
set(home "${WORK}/home")
set(prefix "${home}/.local")
file(WRITE "${home}/.xscreensaver" "programs:\t\t\t\\\n\t\tmaze -root\t\\n\\\n\n")
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
        share/doc/mottler/LICENSE
        share/man/man1/mottler.1 share/man/man1/mottler-cli.1 share/man/man6/mottler-saver.6
        share/xscreensaver/config/mottler-saver.xml libexec/xscreensaver/mottler-saver)
    if(NOT EXISTS "${prefix}/${file}")
        message(SEND_ERROR "not installed: ${file}")
    endif()
endforeach()
file(READ "${home}/.xscreensaver" settings)
if(NOT settings MATCHES "\"Mottler\"  ${prefix}/bin/mottler-saver -root")
    message(SEND_ERROR "~/.xscreensaver does not list the saver:\n${settings}")
endif()
