# Runs a desktop file validator on FILE and fails on what it finds.
#   cmake -DTOOL=desktop-file-validate|appstreamcli -DFILE=... -P validate.cmake
#
# appstreamcli runs with --pedantic, and every message fails the test except
# the few listed in accepted_appstream_tags: software centres show what the
# validator only hints at (an http screenshot is not shown on an https page).
# desktop-file-validate fails on errors and warnings; its hints pass.

cmake_minimum_required(VERSION 3.25)

# Messages that stay, and why.
set(accepted_appstream_tags
  # The ID's domain is under .example, a TLD the validator does not know.
  cid-maybe-not-rdns
  # The ID's last part is "Tickwell" as the program announces it to the
  # desktop; renaming it would orphan the desktop entry of an installed copy.
  cid-contains-uppercase-letter
)

if(NOT EXISTS "${FILE}")
  message(FATAL_ERROR "${FILE} does not exist (was the project configured with the GUI on?)")
endif()
find_program(tool ${TOOL})
if(NOT tool)
  message(FATAL_ERROR "${TOOL} is not installed; scripts/install-deps installs it")
endif()

if(TOOL STREQUAL "appstreamcli")
  execute_process(COMMAND ${tool} validate --pedantic --no-net --explain ${FILE}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  message("${out}")
  # Message lines read "X: COMPONENT:LINE: TAG [DETAIL]" with X one of E
  # (error), W (warning), I (info), P (pedantic); the explanation follows
  # indented.
  string(REGEX MATCHALL "(^|\n)[EWIP]: [^\n]*" lines "${out}")
  set(refused "")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(REGEX REPLACE "^[EWIP]: [^ ]+ ([^ ]+).*" "\\1" tag "${line}")
    if(NOT line MATCHES "^[IP]: " OR NOT tag IN_LIST accepted_appstream_tags)
      string(APPEND refused "  ${line}\n")
    endif()
  endforeach()
  if(refused)
    message(FATAL_ERROR "appstreamcli --pedantic reports on ${FILE}:\n${refused}")
  endif()
  # With nothing but accepted messages a failing exit status is a fault of the
  # run itself (an unreadable file, a crash).
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "appstreamcli failed on ${FILE} (exit status ${rc})")
  endif()
else()
  execute_process(COMMAND ${tool} ${FILE}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  message("${out}")
  if(NOT rc EQUAL 0 OR out MATCHES "(error|warning): ")
    message(FATAL_ERROR "${TOOL} reports errors or warnings on ${FILE}")
  endif()
endif()
