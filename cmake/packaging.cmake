# The Debian package: `cpack -G DEB` in the build folder makes mottler_<version>_<arch>.deb,
# installed under /usr, where Debian's XScreenSaver looks for its modules
# (/usr/libexec/xscreensaver) and their settings (/usr/share/xscreensaver/config).
# Included by shell.cmake, after every install() rule.

# The project's home page, also named by the AppStream file.
set(MOTTLER_HOMEPAGE "https://quorvex.com/mottler/")

# What Debian asks of a package's documentation: the copyright file, a changelog and the
# manual pages compressed with gzip -9n (no name or time stamp, so builds are reproducible).
set(debian_dir ${CMAKE_SOURCE_DIR}/resources/debian)
set(man_dir ${CMAKE_SOURCE_DIR}/resources/man)
set(compressed_dir ${CMAKE_BINARY_DIR}/compressed-docs)
set(compressed)
foreach(source IN ITEMS ${man_dir}/mottler.1 ${man_dir}/mottler-cli.1 ${man_dir}/mottler-saver.6
                        ${debian_dir}/changelog)
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${compressed_dir}/${name}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${compressed_dir}
        COMMAND gzip -9nc ${source} > ${compressed_dir}/${name}.gz
        DEPENDS ${source})
    list(APPEND compressed ${compressed_dir}/${name}.gz)
endforeach()
add_custom_target(compressed-docs ALL DEPENDS ${compressed})
install(FILES ${compressed_dir}/mottler.1.gz ${compressed_dir}/mottler-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${compressed_dir}/mottler-saver.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${debian_dir}/copyright ${compressed_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mottler)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mottler)
set(CPACK_PACKAGE_VENDOR "The Mottler developers")
set(CPACK_PACKAGE_CONTACT "The Mottler developers <mottler@quorvex.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "grow seamless, tileable textures for web-page backgrounds")
set(CPACK_PACKAGE_DESCRIPTION
    "Mottler grows textures from a two-chemical reaction-diffusion simulation
on a grid that wraps at its edges, so every result tiles without seams.
It colours them with gradients, keeps settings as presets, records the
growth as an AVI file, an animated GIF, BMP files, a WebM or MP4 video or
an animated WebP, saves height and normal maps, makes fading-border page
backgrounds and previews text colours in a web page.
.
The package holds the desktop program (mottler), the command-line tool
(mottler-cli) and an XScreenSaver display mode (mottler-saver).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${MOTTLER_HOMEPAGE})
# The libraries the programs link, found by dpkg-shlibdeps; Qt's image-format plugins (WebP)
# are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xscreensaver")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
