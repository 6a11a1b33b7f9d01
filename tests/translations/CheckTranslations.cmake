# Gathers the texts of the sources again into copies of the translation files and fails when a
# copy holds a text without a finished translation, or one the sources no longer have: a text
# the player sees that a language lacks, or a stale one. Run as
#   cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<src> -DWORK_DIR=<dir> -DOPTIONS=<lupdate options>
#         -DTS_FILES=<files> -P CheckTranslations.cmake
# with the options and files separated by commas.
string(REPLACE "," ";" OPTIONS "${OPTIONS}")
string(REPLACE "," ";" TS_FILES "${TS_FILES}")
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(failures)
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    set(copy ${WORK_DIR}/${name})
    file(COPY_FILE ${ts} ${copy})
    execute_process(
        COMMAND ${LUPDATE} ${OPTIONS} -extensions cpp,h ${SOURCE_DIR} -ts ${copy}
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}: ${errors}")
    endif()
    file(READ ${copy} text)
    # Each <message> on its own, so that the failing texts can be named.
    string(REGEX MATCHALL "<message>.*</message>" messages "${text}")
    string(REPLACE "</message>" "</message>;" messages "${messages}")
    foreach(message IN LISTS messages)
        if(message MATCHES "type=\"(unfinished|vanished|obsolete)\"")
            set(kind ${CMAKE_MATCH_1})
            string(REGEX MATCH "<source>([^<]*)</source>" source "${message}")
            list(APPEND failures "${name}: ${kind}: ${CMAKE_MATCH_1}")
        endif()
    endforeach()
endforeach()
if(failures)
    list(JOIN failures "\n  " report)
    message(FATAL_ERROR "Texts without a finished translation, or no longer in the sources:\n  "
        "${report}\nRun: cmake --build build --target update_translations, then translate them.")
endif()
message(STATUS "Every text has a finished translation in every language")
