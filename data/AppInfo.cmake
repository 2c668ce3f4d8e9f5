# What the desktop sees of Tickwell, in one place: read by data/, the packaging
# tests and cmake/Packaging.cmake.

# Reverse-DNS application ID (homepage https://www.tickwell.example). It names
# the desktop entry, the AppStream component and the icon, and must equal what
# the program passes to QGuiApplication::setDesktopFileName().
set(TICKWELL_APP_ID example.tickwell.Tickwell)

# Pixel sizes of the hicolor PNG icons in data/icons (tickwell-N.png).
set(TICKWELL_ICON_SIZES 16 32 48 64 128 256)
