# Runs every row of a driver in one process and reports each row as a test of its own, for a
# driver whose start is too dear to pay once a row (cmake/BehaviourRows.cmake).
#
#   -DMODE=run    -DLOG=file -DCOMMAND=program;arg;...      runs them all, keeps the output
#   -DMODE=report -DLOG=file -DROW=behaviour.qt/<row>          that row's part of the output;
#                                   fails if the row failed, prints "SKIPPED:" if it was skipped

# The last lines of TEXT: where a run that broke off says why.
function(last_lines text count result)
    set(rest "${text}")
    foreach(i RANGE ${count})
        string(FIND "${rest}" "\n" at REVERSE)
        if(at EQUAL -1)
            set(rest "")
            break()
        endif()
        string(SUBSTRING "${rest}" 0 ${at} rest)
    endforeach()
    string(LENGTH "${rest}" kept)
    string(SUBSTRING "${text}" ${kept} -1 tail)
    set(${result} "${tail}" PARENT_SCOPE)
endfunction()

if(MODE STREQUAL "run")
    file(REMOVE "${LOG}")
    execute_process(COMMAND ${COMMAND} OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE rc)
    # A Windows program's lines end in CR LF.
    string(REPLACE "\r" "" out "${out}")
    file(WRITE "${LOG}" "${out}")
    if(rc EQUAL 77)
        message("SKIPPED: ${out}")
    elseif(NOT out MATCHES "\\[==========\\] [0-9]+ tests? from [0-9]+ test suites? ran")
        last_lines("${out}" 60 tail)
        message(FATAL_ERROR "the rows did not all run (exit ${rc}); the end of the output, "
                            "all of which is in ${LOG}:\n${tail}")
    elseif(NOT rc EQUAL 0 AND NOT out MATCHES "\\[  FAILED  \\]")
        # Every row passed, and yet the run failed: at its end (a leak, a crash on the way out).
        last_lines("${out}" 60 tail)
        message(FATAL_ERROR "the rows passed, then the run ended with ${rc}; the end of the "
                            "output, all of which is in ${LOG}:\n${tail}")
    endif()
    return()
endif()

if(NOT EXISTS "${LOG}")
    message(FATAL_ERROR "no output of the run in ${LOG}")
endif()
file(READ "${LOG}" out)
if(out MATCHES "^SKIP")
    message("SKIPPED: ${out}")
    return()
endif()
string(FIND "${out}" "[ RUN      ] ${ROW}\n" start)
if(start EQUAL -1)
    message(FATAL_ERROR "${ROW} did not run")
endif()
string(SUBSTRING "${out}" ${start} -1 part)
string(REGEX MATCH "\\[ +(OK|FAILED|SKIPPED) +\\] ${ROW}[ ,]" verdict "${part}")
if(NOT verdict)
    message(FATAL_ERROR "${ROW} did not finish:\n${part}")
endif()
string(FIND "${part}" "${verdict}" end)
string(SUBSTRING "${part}" 0 ${end} part)
if(verdict MATCHES "SKIPPED")
    message("SKIPPED: ${part}")
elseif(verdict MATCHES "FAILED")
    message(FATAL_ERROR "${part}")
else()
    message("${part}")
endif()
