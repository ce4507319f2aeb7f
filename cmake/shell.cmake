# The application shell: the about box's resources and library list, and installation.

target_sources(mottler_gui PRIVATE ${CMAKE_SOURCE_DIR}/resources/about/about.qrc)

# The about box lists giflib and libimagequant when the program links them.
foreach(target IN ITEMS mottler_core mottler_gui)
    get_target_property(linked ${target} LINK_LIBRARIES)
    string(APPEND MOTTLER_LINKED_LIBRARIES "${linked};")
endforeach()
string(TOLOWER "${MOTTLER_LINKED_LIBRARIES}" MOTTLER_LINKED_LIBRARIES)
if(MOTTLER_LINKED_LIBRARIES MATCHES "gif")
    target_compile_definitions(mottler_gui PRIVATE MOTTLER_LINKS_GIFLIB)
endif()
if(MOTTLER_LINKED_LIBRARIES MATCHES "imagequant")
    target_compile_definitions(mottler_gui PRIVATE MOTTLER_LINKS_IMAGEQUANT)
endif()

if(TARGET mottler-tests)
    target_compile_definitions(mottler-tests PRIVATE
        MOTTLER_MAN_DIR="${CMAKE_SOURCE_DIR}/resources/man")
endif()

# Installation: `cmake --install build --prefix ~/.local` (or /usr/local, ...).
include(GNUInstallDirs)
set(MOTTLER_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)
install(TARGETS mottler mottler-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MOTTLER_DESKTOP_DIR}/com.quorvex.Mottler.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MOTTLER_DESKTOP_DIR}/com.quorvex.Mottler.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MOTTLER_DESKTOP_DIR}/icons/com.quorvex.Mottler.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    install(FILES ${MOTTLER_DESKTOP_DIR}/icons/${size}x${size}/com.quorvex.Mottler.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/help/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mottler/manual
        FILES_MATCHING PATTERN "*.html" PATTERN "*.css" PATTERN "*.jpg")
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mottler)
install(FILES ${CMAKE_SOURCE_DIR}/resources/man/mottler.1 ${CMAKE_SOURCE_DIR}/resources/man/mottler-cli.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The desktop files as the desktop's own tools read them.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)
add_test(NAME desktop-file-validate
         COMMAND ${DESKTOP_FILE_VALIDATE} ${MOTTLER_DESKTOP_DIR}/com.quorvex.Mottler.desktop)
add_test(NAME appstream-validate
         COMMAND ${APPSTREAMCLI} validate --no-net
                 ${MOTTLER_DESKTOP_DIR}/com.quorvex.Mottler.metainfo.xml)
set_tests_properties(desktop-file-validate appstream-validate PROPERTIES
                     FAIL_REGULAR_EXPRESSION "error|warning")

# The screensaver, and its place among XScreenSaver's display modes: the module and its
# settings file where XScreenSaver looks for them under the prefix (/usr: its own folders),
# and, for an installation into the home folder, an entry in the user's ~/.xscreensaver.
add_subdirectory(${CMAKE_SOURCE_DIR}/src/saver ${CMAKE_BINARY_DIR}/saver)
install(TARGETS mottler-saver RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MOTTLER_DESKTOP_DIR}/mottler-saver.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
install(FILES ${CMAKE_SOURCE_DIR}/resources/man/mottler-saver.6
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(CODE "
    set(module \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver\")
    file(MAKE_DIRECTORY \"\${module}\")
    file(CREATE_LINK ../../${CMAKE_INSTALL_BINDIR}/mottler-saver \"\${module}/mottler-saver\"
         SYMBOLIC)
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\" AND \"\${CMAKE_INSTALL_PREFIX}/\" MATCHES \"^\$ENV{HOME}/\")
        set(SETTINGS \"\$ENV{HOME}/.xscreensaver\")
        set(COMMAND \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/mottler-saver -root\")
        include(\"${CMAKE_SOURCE_DIR}/cmake/addtoxscreensaver.cmake\")
    endif()")

if(TARGET mottler-tests)
    target_link_libraries(mottler-tests PRIVATE mottler_saver_parts)
endif()
add_test(NAME xscreensaver-list
         COMMAND ${CMAKE_COMMAND} -DWORK=${CMAKE_BINARY_DIR}/xscreensaver-list-test
                 -P ${CMAKE_SOURCE_DIR}/tests/install/xscreensaverlist_test.cmake)
add_test(NAME install
         COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR}
                 -DWORK=${CMAKE_BINARY_DIR}/install-test
                 -P ${CMAKE_SOURCE_DIR}/tests/install/install_test.cmake)
