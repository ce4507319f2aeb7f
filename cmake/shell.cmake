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

if(BUILD_TESTING)
    target_compile_definitions(mottler-tests PRIVATE
        MOTTLER_MAN_DIR="${CMAKE_SOURCE_DIR}/resources/man"
        MOTTLER_DOCS_DIR="${CMAKE_SOURCE_DIR}")
endif()

# Installation: `cmake --install build --prefix ~/.local` (or /usr/local, ...).
include(GNUInstallDirs)
set(MOTTLER_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)
install(TARGETS mottler mottler-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The video module where the programs look for it: this folder relative to theirs is built
# into the core (CMakeLists.txt).
install(TARGETS mottler-video LIBRARY DESTINATION ${MOTTLER_VIDEO_MODULE_INSTALL_DIR})
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
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/COPYING
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mottler)


# The screensaver, and its place among XScreenSaver's display modes: the module and its
# settings file where XScreenSaver looks for them under the prefix (/usr: its own folders),
# and, for an installation into the home folder, an entry in the user's ~/.xscreensaver.
add_subdirectory(${CMAKE_SOURCE_DIR}/src/saver ${CMAKE_BINARY_DIR}/saver)
install(TARGETS mottler-saver RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MOTTLER_DESKTOP_DIR}/mottler-saver.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
# The module is a relative link to the program, made here so that the install manifest (and
# so the uninstall target and the package) includes it.
set(module_link ${CMAKE_BINARY_DIR}/xscreensaver-module/mottler-saver)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/xscreensaver-module)
file(CREATE_LINK ../../${CMAKE_INSTALL_BINDIR}/mottler-saver ${module_link} SYMBOLIC)
install(FILES ${module_link} DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver)
# An installation into the home folder adds the saver to ~/.xscreensaver and notes what it
# added in the build folder, where the uninstall target finds it.
set(MOTTLER_XSCREENSAVER_NOTE ${CMAKE_BINARY_DIR}/install_xscreensaver.cmake)
install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\" AND \"\${CMAKE_INSTALL_PREFIX}/\" MATCHES \"^\$ENV{HOME}/\")
        set(SETTINGS \"\$ENV{HOME}/.xscreensaver\")
        set(COMMAND \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/mottler-saver -root\")
        set(NOTE \"${MOTTLER_XSCREENSAVER_NOTE}\")
        include(\"${CMAKE_SOURCE_DIR}/cmake/addtoxscreensaver.cmake\")
    endif()")

# `cmake --build build --target uninstall` removes what the last `cmake --install` put in
# place (install_manifest.txt) and the saver's entry in ~/.xscreensaver.
add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
            -DNOTE=${MOTTLER_XSCREENSAVER_NOTE} -P ${CMAKE_SOURCE_DIR}/cmake/uninstall.cmake
    COMMENT "Removing the installed files")

include(${CMAKE_SOURCE_DIR}/cmake/packaging.cmake)

if(BUILD_TESTING)
    target_link_libraries(mottler-tests PRIVATE mottler_saver_parts)
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
    add_test(NAME xscreensaver-list
             COMMAND ${CMAKE_COMMAND} -DWORK=${CMAKE_BINARY_DIR}/xscreensaver-list-test
                     -P ${CMAKE_SOURCE_DIR}/tests/install/xscreensaverlist_test.cmake)
    add_test(NAME install
             COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR}
                     -DWORK=${CMAKE_BINARY_DIR}/install-test
                     -P ${CMAKE_SOURCE_DIR}/tests/install/install_test.cmake)
    # The Debian package, and the man pages as mandoc reads them.
    find_program(LINTIAN lintian REQUIRED)
    find_program(MANDOC mandoc REQUIRED)
    add_test(NAME debian-package
             COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR}
                     -DWORK=${CMAKE_BINARY_DIR}/debian-package-test -DLINTIAN=${LINTIAN}
                     -P ${CMAKE_SOURCE_DIR}/tests/install/debianpackage_test.cmake)
    # Both install this build, and each install rewrites install_manifest.txt.
    set_tests_properties(debian-package PROPERTIES TIMEOUT 900)
    set_tests_properties(install debian-package PROPERTIES RESOURCE_LOCK install-manifest)
    add_test(NAME man-pages-lint
             COMMAND ${MANDOC} -Tlint -Wwarning ${CMAKE_SOURCE_DIR}/resources/man/mottler.1
                     ${CMAKE_SOURCE_DIR}/resources/man/mottler-cli.1
                     ${CMAKE_SOURCE_DIR}/resources/man/mottler-saver.6)
    # --help and --version answer without a display: an application made first would fail
    # to connect to the X server named here.
    foreach(program IN ITEMS mottler mottler-saver)
        foreach(option IN ITEMS help version)
            add_test(NAME ${program}-${option}-without-display COMMAND ${program} --${option})
            set_tests_properties(${program}-${option}-without-display PROPERTIES
                ENVIRONMENT "DISPLAY=:99.99;WAYLAND_DISPLAY=;QT_QPA_PLATFORM=xcb"
                PASS_REGULAR_EXPRESSION "^(Usage: ${program}|${program} ${PROJECT_VERSION})")
        endforeach()
    endforeach()
endif()
