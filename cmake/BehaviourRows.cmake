# The window's behaviour table, tests/behaviour/rows.txt, as tests: a driver that is too dear
# to start once a row (a private display server under a window manager or a compositor, Wine,
# a browser) runs every row in one process, and each row is a test of its own,
# <prefix>/<row>, which reports its part of that run (tests/behaviour/run_once.cmake).
set(vellumark_behaviour_rows ${PROJECT_SOURCE_DIR}/tests/behaviour/rows.txt)
# The rows' names are read when the build is configured; a changed table configures anew.
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${vellumark_behaviour_rows})

#   vellumark_rows_from_one_run(<prefix> <prefix the driver names its rows with>
#                               COMMAND <program and arguments> [ENVIRONMENT <VAR=value>...])
function(vellumark_rows_from_one_run prefix row_prefix)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "COMMAND;ENVIRONMENT")
    set(script ${PROJECT_SOURCE_DIR}/tests/behaviour/run_once.cmake)
    set(log ${CMAKE_CURRENT_BINARY_DIR}/${prefix}.log)
    add_test(NAME ${prefix}.run
        COMMAND ${CMAKE_COMMAND} -DMODE=run -DLOG=${log} "-DCOMMAND=${arg_COMMAND}" -P ${script})
    set_tests_properties(${prefix}.run PROPERTIES
        FIXTURES_SETUP ${prefix} SKIP_REGULAR_EXPRESSION "SKIPPED:" TIMEOUT 600
        ENVIRONMENT "${arg_ENVIRONMENT}" LABELS "behaviour;e2e")
    file(STRINGS ${vellumark_behaviour_rows} lines REGEX "^row ")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^row +([A-Za-z0-9_]+).*" "\\1" row "${line}")
        add_test(NAME ${prefix}/${row}
            COMMAND ${CMAKE_COMMAND} -DMODE=report -DLOG=${log} -DROW=${row_prefix}/${row}
                    -P ${script})
        set_tests_properties(${prefix}/${row} PROPERTIES
            FIXTURES_REQUIRED ${prefix} SKIP_REGULAR_EXPRESSION "SKIPPED:"
            LABELS "behaviour;e2e")
    endforeach()
endfunction()
