# `cpack -G DEB` makes a package in which lintian finds no error, with the programs, the menu
# entry, the manual, the man pages, the screensaver and the video module where Debian and the
# programs look for them.
#   -DBUILD=<build folder> -DWORK=<scratch folder> -DLINTIAN=<lintian>
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config "${BUILD}/CPackConfig.cmake"
                        -B "${WORK}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB package "${WORK}/*.deb")
if(NOT status EQUAL 0 OR package STREQUAL "")
    message(FATAL_ERROR "cpack failed (${status}):\n${output}")
endif()

execute_process(COMMAND dpkg-deb --contents "${package}" OUTPUT_VARIABLE contents)
foreach(file IN ITEMS
        ./usr/bin/mottler ./usr/bin/mottler-cli ./usr/bin/mottler-saver
        "./usr/libexec/xscreensaver/mottler-saver -> ../../bin/mottler-saver"
        ./usr/share/xscreensaver/config/mottler-saver.xml
        ./usr/share/applications/com.quorvex.Mottler.desktop
        ./usr/share/metainfo/com.quorvex.Mottler.metainfo.xml
        ./usr/share/icons/hicolor/scalable/apps/com.quorvex.Mottler.svg
        ./usr/share/doc/mottler/copyright ./usr/share/doc/mottler/changelog.gz
        ./usr/share/doc/mottler/manual/index.html
        ./usr/share/man/man1/mottler-cli.1.gz ./usr/share/man/man6/mottler-saver.6.gz)
    string(FIND "${contents}" " ${file}\n" at)
    if(at EQUAL -1)
        message(SEND_ERROR "not in the package: ${file}")
    endif()
endforeach()
if(NOT contents MATCHES " \\./usr/lib/[^ \n]*mottler/modules/libmottler-video\\.so\n")
    message(SEND_ERROR "not in the package: the video module")
endif()
# The video module's libraries count too, though no program links them.
execute_process(COMMAND dpkg-deb --field "${package}" Depends OUTPUT_VARIABLE depends)
if(NOT depends MATCHES "libqt6widgets6" OR NOT depends MATCHES "libimagequant"
   OR NOT depends MATCHES "libavcodec")
    message(SEND_ERROR "the dependencies miss the linked libraries: ${depends}")
endif()

execute_process(COMMAND ${LINTIAN} --fail-on error --tag-display-limit 0 "${package}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
message(STATUS "lintian:\n${output}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lintian reports errors")
endif()
