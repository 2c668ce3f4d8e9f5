# Runs one golden scenario: DRIVER SCENARIO must print exactly the .out file
# beside it and exit with the status of a first line "# exit N" (else 0).
get_filename_component(name ${SCENARIO} NAME_WE)
get_filename_component(dir ${SCENARIO} DIRECTORY)
file(READ ${dir}/${name}.out expected)
execute_process(COMMAND ${DRIVER} ${SCENARIO} OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
file(STRINGS ${SCENARIO} first_line LIMIT_COUNT 1)
set(expected_status 0)
if(first_line MATCHES "^# exit ([0-9]+)")
  set(expected_status ${CMAKE_MATCH_1})
endif()
if(NOT status EQUAL expected_status OR NOT actual STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual "${actual}")
  message(FATAL_ERROR "exit status ${status} (expected ${expected_status}) or output not that of ${dir}/${name}.out; "
                      "actual output in ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual\n${errors}")
endif()
