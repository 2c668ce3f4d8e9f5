# Runs desktop-file-validate or appstreamcli (--pedantic) on FILE: every error,
# warning or note fails, but the appstream notes accepted below.
#   cmake -DTOOL=desktop-file-validate|appstreamcli -DFILE=... -P validate.cmake
cmake_minimum_required(VERSION 3.25)

# The ID's domain is under .example, a TLD the validator does not know; its
# last part is "Tickwell" as the program announces it to the desktop (renaming
# it would orphan the desktop entry of an installed copy).
set(accepted cid-maybe-not-rdns cid-contains-uppercase-letter)

find_program(tool ${TOOL} REQUIRED)
if(TOOL STREQUAL "appstreamcli")
  execute_process(COMMAND ${tool} validate --pedantic --no-net ${FILE} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  # Lines "X: COMPONENT:LINE: TAG ..." with X one of E, W, I, P.
  string(REGEX MATCHALL "(^|\n)[EWIP]: [^ ]+ [^ \n]+" lines "${out}")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^\n?([EWIP]): [^ ]+ " "\\1 " line "${line}")
    if(NOT line MATCHES "^[IP] (.*)" OR NOT CMAKE_MATCH_1 IN_LIST accepted)
      message(FATAL_ERROR "appstreamcli reports on ${FILE}:\n${out}")
    endif()
  endforeach()
else()
  execute_process(COMMAND ${tool} ${FILE} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(out MATCHES "(error|warning): ")
    set(rc 1)
  endif()
endif()
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${TOOL} fails on ${FILE} (exit status ${rc}):\n${out}")
endif()
