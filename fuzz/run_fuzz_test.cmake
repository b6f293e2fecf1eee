# Runs one libFuzzer target as a CTest test: every input of the committed corpus, then RUNS
# inputs mutated from them under a fixed seed, so that a failure repeats. New inputs go to a
# fresh scratch folder, never into the committed corpus; the input that fails lands in
# ARTIFACTS. Called by fuzz/CMakeLists.txt with -DFUZZER= -DCORPUS= -DSCRATCH= -DARTIFACTS=
# -DNAME= -DRUNS=.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH} ${ARTIFACTS})
execute_process(
    COMMAND ${FUZZER} ${SCRATCH} ${CORPUS} -runs=${RUNS} -seed=1 -max_len=4096 -timeout=10
            -rss_limit_mb=2048 -artifact_prefix=${ARTIFACTS}/${NAME}-
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "fuzz_${NAME} failed (${result}); its input is in ${ARTIFACTS}")
endif()
