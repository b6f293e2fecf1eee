# Regenerates the pictures with scripts/make_pictures.py into a scratch folder and compares
# them byte for byte with the committed files in resources/, both ways, so that the script and
# the pictures cannot drift apart.
#   cmake -DPYTHON=<python3> -DSCRIPT=<make_pictures.py> -DRESOURCES=<dir> -DWORK=<dir>
#         -P pictures_match_script.cmake
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${PYTHON}" "${SCRIPT}" "${WORK}"
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "make_pictures.py failed (${status}): ${errors}")
endif()

file(GLOB_RECURSE made RELATIVE "${WORK}" "${WORK}/*")
file(GLOB_RECURSE committed RELATIVE "${RESOURCES}"
     "${RESOURCES}/*.bmp" "${RESOURCES}/*.ico" "${RESOURCES}/*.cur" "${RESOURCES}/*.png")
list(SORT made)
list(SORT committed)
if(NOT made STREQUAL committed)
    message(FATAL_ERROR "the script makes [${made}] but resources/ holds [${committed}]")
endif()

set(drifted)
foreach(name IN LISTS made)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                            "${WORK}/${name}" "${RESOURCES}/${name}"
                    RESULT_VARIABLE different)
    if(NOT different EQUAL 0)
        list(APPEND drifted "${name}")
    endif()
endforeach()
if(drifted)
    message(FATAL_ERROR "these pictures differ from what make_pictures.py makes: ${drifted}")
endif()
list(LENGTH made count)
message(STATUS "all ${count} pictures are what make_pictures.py makes")
