# The command line of the scenario driver, apart from running a scenario file
# (the golden scenarios do that): help, mistakes, standard input.
#   cmake -DDRIVER=.../tickwell-script -DSCENARIOS=tests/scenarios -P driver_options.cmake
cmake_minimum_required(VERSION 3.25)

# run_driver(ROW STATUS STDOUT_REGEX STDERR_REGEX INPUT ARG...): exit status and outputs, INPUT on stdin.
function(run_driver row status out_regex err_regex input)
  execute_process(COMMAND ${DRIVER} ${ARGN} INPUT_FILE ${input} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL status OR NOT out MATCHES "${out_regex}" OR NOT err MATCHES "${err_regex}")
    message(SEND_ERROR "${row}: exit status ${rc}, expected ${status}\n--- stdout ---\n${out}--- stderr ---\n${err}")
  endif()
endfunction()

set(usage "^usage: tickwell-script \\[FILE\\]\n")
# A directory reads nothing but is no empty scenario; an empty one starts the program, which prints nothing.
#          row               status stdout    stderr                        input      arguments
run_driver(HelpLong          0 "${usage}"  "^$"                             /dev/null --help)
run_driver(UnknownLongOption 2 "^$"        "${usage}"                       /dev/null --hlep)
run_driver(TwoFiles          2 "^$"        "${usage}"                       /dev/null ${SCENARIOS}/defaults.scn ${SCENARIOS}/units.scn)
run_driver(MissingFile       2 "^$"        "^tickwell-script: cannot read " /dev/null ${SCENARIOS}/no-such.scn)
run_driver(Directory         2 "^$"        "^tickwell-script: cannot read " /dev/null ${SCENARIOS})
run_driver(EmptyStdin        0 "^$"        "^$"                             /dev/null)
# Without FILE the scenario comes from standard input and prints exactly what
# it prints from a file.
file(READ ${SCENARIOS}/defaults.out expected)
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" expected "${expected}")
run_driver(ScenarioOnStdin   0 "^${expected}$" "^$"                         ${SCENARIOS}/defaults.scn)
