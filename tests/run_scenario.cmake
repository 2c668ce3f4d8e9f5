# Runs one golden scenario: DRIVER < SCENARIO must print exactly the .out file
# beside it and exit with the status written in a first line "# exit N" (0 when
# there is none).
get_filename_component(dir ${SCENARIO} DIRECTORY)
get_filename_component(name ${SCENARIO} NAME_WE)
set(expected_file ${dir}/${name}.out)
if(NOT EXISTS ${expected_file})
  message(FATAL_ERROR "missing expected output ${expected_file}")
endif()
execute_process(COMMAND ${DRIVER} ${SCENARIO}
  OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ ${expected_file} expected)
file(STRINGS ${SCENARIO} first_line LIMIT_COUNT 1)
set(expected_status 0)
if(first_line MATCHES "^# exit ([0-9]+)")
  set(expected_status ${CMAKE_MATCH_1})
endif()
if(NOT status EQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${errors}")
endif()
if(NOT actual STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual "${actual}")
  message(FATAL_ERROR "output differs from ${expected_file}; actual output in "
                      "${CMAKE_CURRENT_BINARY_DIR}/${name}.actual\n--- actual ---\n${actual}")
endif()
