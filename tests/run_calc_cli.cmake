# halvex-calc as a process: exit statuses, which stream carries what, and the
# batch on standard input. CALC is the program, VERSION the project's version,
# WORK a scratch directory.
file(MAKE_DIRECTORY ${WORK})

# Runs CALC with the arguments after NAME; INPUT names a file for standard input.
function(run name)
  cmake_parse_arguments(R "" "INPUT" "ARGS" ${ARGN})
  set(input_args)
  if(R_INPUT)
    set(input_args INPUT_FILE ${R_INPUT})
  endif()
  execute_process(COMMAND ${CALC} ${R_ARGS} ${input_args} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  set(${name}_status "${status}" PARENT_SCOPE)
  set(${name}_out "${out}" PARENT_SCOPE)
  set(${name}_err "${err}" PARENT_SCOPE)
endfunction()

function(expect what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(SEND_ERROR "${what}: got [${actual}], expected [${expected}]")
  endif()
endfunction()

function(expect_match what actual regex)
  if(NOT "${actual}" MATCHES "${regex}")
    message(SEND_ERROR "${what}: [${actual}] does not match [${regex}]")
  endif()
endfunction()

run(version ARGS --version)
expect("--version" "${version_status}|${version_out}" "0|halvex-calc ${VERSION}\n")

run(help ARGS sweep --help)
expect("--help status" "${help_status}" "0")
expect_match("--help" "${help_out}" "^Usage: halvex-calc COMMAND.*Exit status")

# One millimetre zero-to-peak: the first box of the grid, twenty lines.
run(answer ARGS sine --dimension zp --amplitude 1 --unit mm --frequency 1)
expect("answer" "${answer_status}|${answer_err}" "0|")
expect_match("answer" "${answer_out}" "^           1 mm\n")
string(REGEX MATCHALL "\n" answer_lines "${answer_out}")
list(LENGTH answer_lines answer_count)
expect("answer lines" "${answer_count}" "20")

run(refused ARGS sine)
expect("refusal as text" "${refused_status}|${refused_out}|${refused_err}" "1||Please enter valid frequency. \n")

run(refused_json ARGS sine --format json)
expect("refusal as JSON" "${refused_json_status}|${refused_json_out}|${refused_json_err}"
       "1|{\"error\":\"Please enter valid frequency. \"}\n|")

run(usage ARGS sine --bogus 1)
expect("usage status" "${usage_status}|${usage_out}" "2|")
expect_match("usage" "${usage_err}" "^halvex-calc: [^\n]*--bogus[^\n]*\n$")

file(WRITE ${WORK}/good.txt "sweep octaves --from 10 --to 20\n# note\n\nsweep octaves --from 10 --to 40")
run(batch_good ARGS --batch INPUT ${WORK}/good.txt)
expect("good batch" "${batch_good_status}|${batch_good_err}" "0|")
expect_match("good batch" "${batch_good_out}" "^{\"outputs\":[^\n]*}\n{\"outputs\":[^\n]*}\n$")

file(WRITE ${WORK}/mixed.txt "sweep octaves --from 10 --to 10\nsweep octaves --from 10 --to 40\n")
run(batch_mixed ARGS --format json --batch INPUT ${WORK}/mixed.txt)
expect_match("mixed batch" "${batch_mixed_status}|${batch_mixed_out}"
             "^1|{\"error\":\" Input Error \"}\n{\"outputs\":[^\n]*}\n$")

# A directory cannot be read as standard input.
run(batch_unreadable ARGS --batch INPUT ${WORK})
expect("unreadable batch" "${batch_unreadable_status}" "2")

run(batch_text ARGS --batch --format text INPUT ${WORK}/good.txt)
expect("batch as text" "${batch_text_status}|${batch_text_out}" "2|")

# The plan command: a 1.0 in peak-to-peak limit meets 12 g at 15.32 Hz.
file(WRITE ${WORK}/crossover.halvex-plan
     "{\"format\": \"halvex-plan\", \"version\": 1, \"profile\": [
        {\"from\": 5, \"to\": \"auto\", \"displacement_pp\": \"1 in\"},
        {\"from\": \"auto\", \"to\": 100, \"acceleration\": \"12 g\"}],
      \"sweep\": {\"type\": \"log\", \"rate\": \"1 oct/min\", \"mode\": \"up\"}}")
run(plan ARGS plan ${WORK}/crossover.halvex-plan --format json)
expect("plan status" "${plan_status}|${plan_err}" "0|")
expect_match("plan crossover" "${plan_out}" "\"crossovers\":\\[15\\.32[0-9]*\\]")
# --svg: the same run also writes the chart.
file(REMOVE ${WORK}/chart.svg)
run(plan_svg ARGS plan ${WORK}/crossover.halvex-plan --svg ${WORK}/chart.svg)
expect("plan svg status" "${plan_svg_status}|${plan_svg_err}" "0|")
file(READ ${WORK}/chart.svg chart_svg)
expect_match("plan svg" "${chart_svg}" "^<\\?xml .*<polyline class=\"profile\"")
file(WRITE ${WORK}/bad.halvex-plan "{\"format\": \"halvex-plan\", \"version\": 1, \"profile\": [{\"from\": 5}]}")
run(plan_bad ARGS plan ${WORK}/bad.halvex-plan)
expect("refused plan" "${plan_bad_status}|${plan_bad_out}" "1|")
expect_match("refused plan" "${plan_bad_err}" "profile\\[0\\]")
run(plan_usage ARGS plan)
expect("plan usage" "${plan_usage_status}" "2")

# --language speaks to people in the language asked for, wherever it is
# given; what programs read, JSON answers and their numbers, stays as in
# English with the point. A code Halvex does not speak is a usage error.
run(german_usage ARGS sine --language de --bogus 1)
expect("German usage" "${german_usage_status}|${german_usage_err}" "2|halvex-calc: unbekannte Option --bogus\n")
run(german_json ARGS --language de --decimal-comma sine --format json)
expect("refusal as JSON in German" "${german_json_status}|${german_json_out}" "${refused_json_status}|${refused_json_out}")
run(english_octaves ARGS sweep octaves --from 10 --to 25 --format json)
run(german_octaves ARGS --language=de --decimal-comma sweep octaves --from 10 --to 25 --format json)
expect("answer as JSON in German" "${german_octaves_out}" "${english_octaves_out}")
run(german_plan ARGS --language de --decimal-comma plan ${WORK}/crossover.halvex-plan --format json)
expect("plan as JSON in German" "${german_plan_out}" "${plan_out}")
# The text answer is what the dialog shows: its words and decimal sign too.
run(german_text ARGS --language de --decimal-comma sweep octaves --from 10 --to 100)
expect("text answer in German" "${german_text_out}" "        3,32 Oktaven\n")
run(no_language ARGS --language tlh sine)
expect_match("unknown language" "${no_language_status}|${no_language_err}" "^2|halvex-calc: [^\n]*'tlh'")
