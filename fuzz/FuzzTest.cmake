# Runs one fuzz target as a test (cmake -P, with FUZZER, SEEDS, WORK, FINDINGS, SEED, RUNS and
# SECONDS defined): its seeds, then RUNS inputs mutated from them by the fixed SEED, at most
# SECONDS long. The work folder starts empty each time, so every run of the test, here or in
# CI, tries the same inputs: it fails for a fault in what changed, not because a random seed
# happened on something new that day (finding new things is what campaigns are for). Mutations
# from the operands of comparisons are off: those include addresses, which differ between runs.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}" "${FINDINGS}")
execute_process(COMMAND "${FUZZER}" -seed=${SEED} -runs=${RUNS} -use_cmp=0
                        -max_total_time=${SECONDS} -timeout=30 -rss_limit_mb=2048 -max_len=65536
                        -artifact_prefix=${FINDINGS}/ "${WORK}" "${SEEDS}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${FUZZER} found a fault (${status}); its input is in ${FINDINGS}")
endif()
