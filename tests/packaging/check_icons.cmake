# The committed PNGs must have been rendered from the committed SVG, and that
# SVG must be the program's own window icon when there is one.
#   cmake -DSOURCE_DIR=<top of the sources> -P check_icons.cmake

cmake_minimum_required(VERSION 3.25)

set(icons ${SOURCE_DIR}/data/icons)
file(SHA256 ${icons}/tickwell.svg svg_hash)
file(READ ${icons}/tickwell.svg.sha256 recorded)
string(REGEX MATCH "^[0-9a-f]+" recorded "${recorded}")
if(NOT svg_hash STREQUAL recorded)
  message(FATAL_ERROR "data/icons/tickwell.svg changed since the PNGs were rendered: "
    "run data/icons/render-pngs and commit data/icons")
endif()

set(window_icon ${SOURCE_DIR}/src/windows/icons/tickwell.svg)
if(EXISTS ${window_icon})
  file(SHA256 ${window_icon} window_hash)
  if(NOT window_hash STREQUAL svg_hash)
    message(FATAL_ERROR "the desktop icon data/icons/tickwell.svg differs from the window icon "
      "src/windows/icons/tickwell.svg: run data/icons/render-pngs and commit data/icons")
  endif()
endif()
