# Runs lupdate over the sources into a copy of the translation and fails
# where it found a text that is new (unfinished), or an entry whose text is
# gone (vanished): the .ts and the sources have drifted apart.
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
file(COPY_FILE ${TS} ${WORK}/${name})
set(include_options)
foreach(root ${INCLUDES})
    list(APPEND include_options -I ${root})
endforeach()
# -no-obsolete would drop what vanished; here it must show.
list(REMOVE_ITEM OPTIONS -no-obsolete)
execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${include_options} ${SOURCES} -ts ${WORK}/${name}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
file(READ ${WORK}/${name} updated)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(unfinished|vanished|obsolete)\"[^<]*" drifted "${updated}")
list(LENGTH drifted count)
if(count GREATER 0)
    string(REPLACE ";" "\n" drifted "${drifted}")
    message(FATAL_ERROR "${count} texts without their English in ${name}; run "
                        "`cmake --build build --target update_translations` and translate them "
                        "in Qt Linguist:\n${drifted}")
endif()
message(STATUS "Every text has its English.")
