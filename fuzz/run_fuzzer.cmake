# Runs one fuzzer for SECONDS over a copy of its seed corpus and reports how
# many inputs it executed.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus)
file(GLOB seeds ${SEEDS}/*)
file(COPY ${seeds} DESTINATION ${WORK}/corpus)
execute_process(COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048 -max_len=4096
                        -print_final_stats=1 -artifact_prefix=${WORK}/ ${WORK}/corpus
                RESULT_VARIABLE status ERROR_VARIABLE log OUTPUT_VARIABLE out)
string(REGEX MATCH "stat::number_of_executed_units: *([0-9]+)" runs "${log}")
get_filename_component(name ${FUZZER} NAME)
if(NOT status EQUAL 0)
  message("${log}")
  message(FATAL_ERROR "${name} failed; the input is in ${WORK}")
endif()
message("fuzz executions: ${CMAKE_MATCH_1} (${name}, ${SECONDS} s)")
