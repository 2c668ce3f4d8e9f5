# Installs the build into a fresh prefix and checks what the desktop needs:
# every file inside the prefix, the desktop entry and the metainfo naming the
# installed program, icon and entry, and the metainfo's newest release being
# the version built, with a date (software centres show it).
#   cmake -DBUILD_DIR=... -DPREFIX=... -DCONFIG=... -DAPP_ID=... -DICON_SIZES=16,32,...
#         -DBINDIR=bin -DDATADIR=share -DVERSION=... -P check_install.cmake

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --config ${CONFIG}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${out}")
endif()

set(problems "")
# An absolute DESTINATION ignores the prefix: it writes into the system on
# `make install` and puts files outside /usr into the package.
file(STRINGS ${BUILD_DIR}/install_manifest.txt installed)
foreach(f IN LISTS installed)
  if(NOT f MATCHES "^${PREFIX}/")
    string(APPEND problems "  installed outside the prefix: ${f}\n")
  endif()
endforeach()

set(share ${PREFIX}/${DATADIR})
set(expected ${PREFIX}/${BINDIR}/tickwell ${share}/applications/${APP_ID}.desktop
    ${share}/metainfo/${APP_ID}.metainfo.xml ${share}/icons/hicolor/scalable/apps/${APP_ID}.svg
    ${share}/doc/tickwell/copyright)
string(REPLACE "," ";" sizes "${ICON_SIZES}")
foreach(size IN LISTS sizes)
  list(APPEND expected ${share}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(f IN LISTS expected)
  if(NOT EXISTS ${f} OR IS_DIRECTORY ${f})
    string(APPEND problems "  missing: ${f}\n")
  endif()
endforeach()

# The entry starts the installed program and names its icons; the metainfo
# launches the installed entry.
file(READ ${share}/applications/${APP_ID}.desktop desktop)
if(NOT desktop MATCHES "\nExec=([^ \n]+)" OR NOT EXISTS ${PREFIX}/${BINDIR}/${CMAKE_MATCH_1})
  string(APPEND problems "  the desktop entry does not start a program in ${BINDIR}/\n")
endif()
if(NOT desktop MATCHES "\nIcon=${APP_ID}\n")
  string(APPEND problems "  the desktop entry's Icon is not ${APP_ID}\n")
endif()
file(READ ${share}/metainfo/${APP_ID}.metainfo.xml xml)
if(NOT xml MATCHES "<id>${APP_ID}</id>" OR NOT xml MATCHES "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>")
  string(APPEND problems "  the metainfo's id or launchable is not ${APP_ID}\n")
endif()
string(REGEX MATCH "<release [^>]*" newest "${xml}")
if(NOT newest MATCHES "version=\"${VERSION}\" date=\"[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]\"")
  string(APPEND problems "  the newest release is '${newest}>', not version=\"${VERSION}\" with a date=\"YYYY-MM-DD\"\n")
endif()

if(problems)
  message(FATAL_ERROR "the install tree in ${PREFIX}:\n${problems}")
endif()
