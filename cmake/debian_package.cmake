# `cpack -G DEB` in the build folder: orbbasic_VERSION_amd64.deb of what
# `cmake --install` installs, with Depends computed from the programs' libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbbasic)
set(CPACK_PACKAGE_VENDOR "OrbBasic developers")
set(CPACK_PACKAGE_CONTACT "OrbBasic developers <developers@orbbasic.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_OUTPUT_FILE_PREFIX "")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://orbbasic.org)
# MIDI music needs a General MIDI sound font; shrinking phone packages needs
# ProGuard and a Java runtime.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "timgm6mb-soundfont, proguard-cli, default-jre-headless | java-runtime-headless")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The summary above is the first line; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "OrbBasic writes small games in its own BASIC dialect. orbbasic is the
environment: an editor with syntax colours and a help viewer, the compiler,
and the packager that turns a program into a MIDlet JAR and JAD for MIDP-2.0
phones. orbrt runs compiled programs in an emulated phone on the desktop,
with keys, touch screen, tilt sensors and sound.")
# Tests and benchmarks have no install rules: the package holds only the
# programs and the files they read.
include(CPack)
