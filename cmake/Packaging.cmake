# The Debian package, built by CPack (scripts/package does it end to end):
#   cpack --config <build>/CPackConfig.cmake
# gives tickwell_<version>_<arch>.deb with everything the install rules put
# under /usr.

include(${PROJECT_SOURCE_DIR}/data/AppInfo.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tickwell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tickwell developers")
set(CPACK_PACKAGE_CONTACT "The Tickwell developers <developers@tickwell.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for PIC16 and PIC18 hardware timers")
set(CPACK_PACKAGE_DESCRIPTION
"Tickwell computes what the Timer0, Timer1, Timer2 and Timer3 of PIC16 and
PIC18 microcontrollers do for a given oscillator, with the instruction clock
Fosc/4, the prescaler, the postscaler and the preload value: the timer tick
and the period and frequency of the timer interrupt. It searches for the
settings nearest to a wanted period or frequency, ranks every configuration
that reaches it, and writes commented register set-up listings for mikroBasic,
mikroC, microPascal, MPLAB XC8 and assembler (MPASM, gpasm), with an example
interrupt program and an oscillator mode reference. A command line (tickwell
solve, calc, listing) does the same without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tickwell.example)
# Library dependencies (libqt6widgets6, libstdc++6, ...) come from
# dpkg-shlibdeps. Qt loads its plugins at run time, where dpkg-shlibdeps cannot
# see them: the platform plugins (qt6-qpa-plugins), without which no window
# opens, and the SVG icon engine (libqt6svg6), without which the About window's
# picture, an SVG in the resources, stays blank.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")

include(CPack)
