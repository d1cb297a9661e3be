# Every translation source is complete against what lupdate finds in the code now: lupdate
# brings copies of the .ts files in step, and no entry may then be unfinished (a text that is
# new or changed) or vanished (a text the code no longer has).
#   cmake -DLUPDATE=... -DSOURCES_LIST=... -DTS_DIR=... -DWORK_DIR=... "-DOPTIONS=..." -P ...
file(GLOB ts_files ${TS_DIR}/*.ts)
if(NOT ts_files)
    message(FATAL_ERROR "no translation sources in ${TS_DIR}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY ${ts_files} DESTINATION ${WORK_DIR})
file(GLOB copies ${WORK_DIR}/*.ts)
execute_process(COMMAND ${LUPDATE} ${OPTIONS} @${SOURCES_LIST} -ts ${copies}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${output}")
endif()
set(incomplete 0)
foreach(copy IN LISTS copies)
    file(READ ${copy} text)
    get_filename_component(name ${copy} NAME)
    foreach(kind unfinished vanished obsolete)
        string(REGEX MATCHALL "type=\"${kind}\"" found "${text}")
        list(LENGTH found count)
        if(count GREATER 0)
            message(SEND_ERROR "${name}: ${count} ${kind} entries; build update_translations "
                               "and translate them")
            math(EXPR incomplete "${incomplete} + ${count}")
        endif()
    endforeach()
endforeach()
list(LENGTH copies languages)
message(STATUS "${languages} translation sources checked, ${incomplete} entries incomplete")
