# The command line of the scenario driver, apart from running a scenario file
# (the golden scenarios do that): help, mistakes, standard input.
#   cmake -DDRIVER=.../tickwell-script -DSCENARIOS=tests/scenarios -P driver_options.cmake

cmake_minimum_required(VERSION 3.25)

set(failures "")

# run_driver(ROW STATUS STDOUT_REGEX STDERR_REGEX [INPUT FILE] ARGS ARG...):
# runs the driver with ARGs and checks its exit status and both outputs.
function(run_driver row status out_regex err_regex)
  cmake_parse_arguments(PARSE_ARGV 4 opt "" "INPUT" "ARGS")
  set(input "")
  if(opt_INPUT)
    set(input INPUT_FILE ${opt_INPUT})
  else()
    set(input INPUT_FILE /dev/null)
  endif()
  execute_process(COMMAND ${DRIVER} ${opt_ARGS} ${input}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(problems "")
  if(NOT rc STREQUAL status)
    string(APPEND problems "exit status ${rc}, expected ${status}; ")
  endif()
  if(NOT out MATCHES "${out_regex}")
    string(APPEND problems "standard output does not match '${out_regex}'; ")
  endif()
  if(NOT err MATCHES "${err_regex}")
    string(APPEND problems "standard error does not match '${err_regex}'; ")
  endif()
  if(problems)
    set(failures "${failures}${row}: ${problems}\n--- stdout ---\n${out}--- stderr ---\n${err}\n" PARENT_SCOPE)
  endif()
endfunction()

set(usage "^usage: tickwell-script \\[FILE\\]\n")

#          row               status stdout    stderr                           arguments / input
run_driver(HelpLong          0 "${usage}"  "^$"                               ARGS --help)
run_driver(UnknownLongOption 2 "^$"        "${usage}"                         ARGS --hlep)
run_driver(TwoFiles          2 "^$"        "${usage}"                         ARGS ${SCENARIOS}/defaults.scn ${SCENARIOS}/units.scn)
run_driver(MissingFile       2 "^$"        "^tickwell-script: cannot read "   ARGS ${SCENARIOS}/no-such.scn)
# A directory opens like a file but reads nothing: not an empty scenario.
run_driver(Directory         2 "^$"        "^tickwell-script: cannot read "   ARGS ${SCENARIOS})
# An empty scenario still starts the program, which has nothing to print.
run_driver(EmptyStdin        0 "^$"        "^$")

# Without FILE the scenario comes from standard input and prints exactly what
# it prints from a file.
file(READ ${SCENARIOS}/defaults.out expected)
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" expected_regex "${expected}")
run_driver(ScenarioOnStdin   0 "^${expected_regex}$" "^$" INPUT ${SCENARIOS}/defaults.scn)

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
