# The files an install of Tickwell must hold, relative to the install prefix.
# Needs APP_ID, ICON_SIZES (comma separated), BINDIR and DATADIR.
function(tickwell_expected_files out)
  string(REPLACE "," ";" sizes "${ICON_SIZES}")
  set(files
    ${BINDIR}/tickwell
    ${DATADIR}/applications/${APP_ID}.desktop
    ${DATADIR}/metainfo/${APP_ID}.metainfo.xml
    ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg
    ${DATADIR}/doc/tickwell/copyright)
  foreach(size IN LISTS sizes)
    list(APPEND files ${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()
