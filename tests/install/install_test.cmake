# `cmake --install` into a fresh prefix puts every file where the desktop looks for it.
#   -DBUILD=<build folder> -DWORK=<scratch folder>
file(REMOVE_RECURSE "${WORK}")
set(home "${WORK}/home")
set(prefix "${home}/.local")
set(ENV{HOME} "${home}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${prefix}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
foreach(file IN ITEMS
        bin/mottler bin/mottler-cli
        share/applications/com.quorvex.Mottler.desktop
        share/metainfo/com.quorvex.Mottler.metainfo.xml
        share/icons/hicolor/scalable/apps/com.quorvex.Mottler.svg
        share/icons/hicolor/48x48/apps/com.quorvex.Mottler.png
        share/icons/hicolor/256x256/apps/com.quorvex.Mottler.png
        share/doc/mottler/manual/index.html share/doc/mottler/manual/style.css
        share/doc/mottler/LICENSE
        share/man/man1/mottler.1 share/man/man1/mottler-cli.1)
    if(NOT EXISTS "${prefix}/${file}")
        message(SEND_ERROR "not installed: ${file}")
    endif()
endforeach()
