# Runs a desktop file validator on FILE and fails on its errors.
#   cmake -DTOOL=desktop-file-validate|appstreamcli -DFILE=... -P validate.cmake
# Warnings and hints let the test pass, whatever the tool's exit status says.

cmake_minimum_required(VERSION 3.25)

if(NOT EXISTS "${FILE}")
  message(FATAL_ERROR "${FILE} does not exist (was the project configured with the GUI on?)")
endif()
find_program(tool ${TOOL})
if(NOT tool)
  message(FATAL_ERROR "${TOOL} is not installed; scripts/install-deps installs it")
endif()

if(TOOL STREQUAL "appstreamcli")
  execute_process(COMMAND ${tool} validate --no-net --explain ${FILE}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  message("${out}")
  # E: lines are errors. Newer AppStream versions also exit non-zero on
  # warnings alone (W: lines), which this test lets pass.
  if(out MATCHES "(^|\n)E: ")
    message(FATAL_ERROR "appstreamcli found errors in ${FILE}")
  endif()
  if(NOT rc EQUAL 0 AND NOT out MATCHES "(^|\n)W: ")
    message(FATAL_ERROR "appstreamcli failed on ${FILE} (exit status ${rc})")
  endif()
else()
  # desktop-file-validate exits non-zero on errors only; it prints warnings
  # and hints but passes them.
  execute_process(COMMAND ${tool} ${FILE}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  message("${out}")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${TOOL} found errors in ${FILE}")
  endif()
endif()
