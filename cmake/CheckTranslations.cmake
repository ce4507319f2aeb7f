# The translation check (run as the CTest test "translations"): every .ts file in
# translations/ is complete for the sources as they are now. A copy of each is brought up to
# date by lupdate, keeping the entries whose texts left the code, and the check fails on any
# entry that is unfinished (a new or changed text without its translation) or vanished (a text
# the code no longer has: run the update_translations target).
#
# cmake -DLUPDATE=<lupdate> -DSOURCES_LIST=<file of source paths> -DTS_DIR=<translations>
#       -DWORK_DIR=<scratch folder> -P CheckTranslations.cmake

cmake_minimum_required(VERSION 3.25)

file(GLOB ts_files "${TS_DIR}/*.ts")
if(NOT ts_files)
    message(FATAL_ERROR "No translation files in ${TS_DIR}")
endif()
file(MAKE_DIRECTORY "${WORK_DIR}")
set(faults "")
foreach(ts IN LISTS ts_files)
    get_filename_component(name "${ts}" NAME)
    set(copy "${WORK_DIR}/${name}")
    file(COPY_FILE "${ts}" "${copy}")
    execute_process(COMMAND "${LUPDATE}" -locations none "@${SOURCES_LIST}" -ts "${copy}"
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}:\n${output}")
    endif()
    file(STRINGS "${copy}" lines)
    set(source "")
    foreach(line IN LISTS lines)
        if(line MATCHES "<source>(.*)")
            set(source "${CMAKE_MATCH_1}")
        elseif(line MATCHES "type=\"(unfinished|vanished|obsolete)\"")
            string(APPEND faults "\n  ${name}: ${CMAKE_MATCH_1}: ${source}")
        endif()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "Translations are not complete:${faults}")
endif()
