# cmake -DINPUT=<file> -DOUTPUT=<file.gz> -P gzip.cmake
# Compresses a document as Debian wants it: at the highest level, with neither the file's name
# nor its time in the header, so that the same source always gives the same bytes.
execute_process(COMMAND gzip -9nc INPUT_FILE ${INPUT} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE ${OUTPUT})
    message(FATAL_ERROR "gzip failed on ${INPUT}: ${status}")
endif()
