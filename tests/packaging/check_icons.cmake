# The committed PNGs were rendered from the committed SVG (its recorded hash),
# and that SVG is the program's own window icon.
#   cmake -DSOURCE_DIR=<top of the sources> -P check_icons.cmake
cmake_minimum_required(VERSION 3.25)

file(SHA256 ${SOURCE_DIR}/data/icons/tickwell.svg desktop)
file(SHA256 ${SOURCE_DIR}/src/windows/icons/tickwell.svg window)
file(STRINGS ${SOURCE_DIR}/data/icons/tickwell.svg.sha256 recorded REGEX "^[0-9a-f]+" LIMIT_COUNT 1)
string(REGEX MATCH "^[0-9a-f]+" recorded "${recorded}")
if(NOT desktop STREQUAL recorded OR NOT window STREQUAL desktop)
  message(FATAL_ERROR "data/icons/tickwell.svg changed since the PNGs were rendered, or differs from the window "
    "icon src/windows/icons/tickwell.svg: run data/icons/render-pngs and commit data/icons")
endif()
