# The application shell: the about box's resources and library list.

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
