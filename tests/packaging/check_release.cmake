# The newest release of the metainfo must be the version being built, with a
# date, so that software centres show the right version.
#   cmake -DMETAINFO=... -DVERSION=... -P check_release.cmake

cmake_minimum_required(VERSION 3.25)

file(READ "${METAINFO}" xml)
if(NOT xml MATCHES "<releases>[ \t\r\n]*(<!--[^>]*-->[ \t\r\n]*)*<release ([^>]*)>")
  message(FATAL_ERROR "${METAINFO} has no <release> in <releases>")
endif()
set(attrs "${CMAKE_MATCH_2}")
if(NOT attrs MATCHES "version=\"([^\"]*)\"")
  message(FATAL_ERROR "the newest release has no version: <release ${attrs}>")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "the newest release in ${METAINFO} is ${CMAKE_MATCH_1}, the project is "
    "${VERSION}: add <release version=\"${VERSION}\" date=\"YYYY-MM-DD\"/> at the top of <releases> "
    "in data/tickwell.metainfo.xml.in")
endif()
if(NOT attrs MATCHES "date=\"[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]\"")
  message(FATAL_ERROR "the newest release has no date=\"YYYY-MM-DD\": <release ${attrs}>")
endif()
