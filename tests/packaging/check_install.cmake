# Installs the build into a fresh prefix and checks what the desktop needs:
# every file, the icon sizes, and that the desktop entry, the metainfo and
# the icons name each other and the installed program.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DCONFIG=... -DAPP_ID=... -DICON_SIZES=16,32,...
#         -DBINDIR=bin -DDATADIR=share -P check_install.cmake

cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/expected_files.cmake)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --config ${CONFIG}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${out}")
endif()

set(problems "")
macro(problem text)
  string(APPEND problems "  ${text}\n")
endmacro()

# An absolute DESTINATION ignores the prefix: it writes into the system on
# `make install` and puts files outside /usr into the package.
file(STRINGS ${BUILD_DIR}/install_manifest.txt installed)
foreach(f IN LISTS installed)
  string(FIND "${f}" "${PREFIX}/" at)
  if(NOT at EQUAL 0)
    problem("installed outside the prefix: ${f}")
  endif()
endforeach()

tickwell_expected_files(expected)
foreach(f IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${f} OR IS_DIRECTORY ${PREFIX}/${f})
    problem("missing: ${f}")
  endif()
endforeach()

execute_process(COMMAND test -x ${PREFIX}/${BINDIR}/tickwell RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  problem("${BINDIR}/tickwell is not executable")
endif()

# Desktop entry: the command it starts and the icon it names must be installed.
set(desktop ${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop)
if(EXISTS ${desktop})
  file(STRINGS ${desktop} lines)
  set(exec "")
  set(icon "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^Exec=([^ ]+)")
      set(exec ${CMAKE_MATCH_1})
    elseif(line MATCHES "^Icon=(.*)$")
      set(icon ${CMAKE_MATCH_1})
    endif()
  endforeach()
  if(exec STREQUAL "" OR NOT EXISTS ${PREFIX}/${BINDIR}/${exec})
    problem("the desktop entry starts '${exec}', which is not in ${BINDIR}/")
  endif()
  if(NOT icon STREQUAL APP_ID)
    problem("the desktop entry's Icon is '${icon}', the installed icons are named ${APP_ID}")
  endif()
endif()

# Metainfo: its id, the desktop entry it launches and the binary it provides.
set(metainfo ${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
if(EXISTS ${metainfo})
  file(READ ${metainfo} xml)
  if(NOT xml MATCHES "<id>${APP_ID}</id>")
    problem("the metainfo's <id> is not ${APP_ID}")
  endif()
  if(NOT xml MATCHES "<launchable type=\"desktop-id\">([^<]*)</launchable>")
    problem("the metainfo has no desktop-id launchable")
  elseif(NOT EXISTS ${PREFIX}/${DATADIR}/applications/${CMAKE_MATCH_1})
    problem("the metainfo launches ${CMAKE_MATCH_1}, which is not in ${DATADIR}/applications/")
  endif()
  string(REGEX MATCHALL "<binary>[^<]*</binary>" binaries "${xml}")
  foreach(b IN LISTS binaries)
    string(REGEX REPLACE "</?binary>" "" b "${b}")
    if(NOT EXISTS ${PREFIX}/${BINDIR}/${b})
      problem("the metainfo provides binary ${b}, which is not in ${BINDIR}/")
    endif()
  endforeach()
endif()

if(problems)
  message(FATAL_ERROR "install into ${PREFIX}:\n${problems}")
endif()
message("installed into ${PREFIX}: ${expected}")
