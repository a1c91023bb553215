# The Debian package (cpack -G DEB, or scripts/package.sh): everything the install rules put
# under /usr, with the dependencies that dpkg-shlibdeps finds for the programs. It ships no
# rule that changes device permissions: a user reaches the serial port by joining the group
# that owns it (dialout on Debian).
set(CPACK_PACKAGE_NAME tpw52)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TPW52_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool for the QZ815 marine VHF radio")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the memory of the QZ815 handheld marine VHF radio over its programming cable, \
edits its channels, channel groups, scan, watch and ATIS settings, and writes them back. \
Keeps the settings in channel data files and prints them as a report. Comes with a \
command-line tool (tpw52-cli) and a simulated radio (qz815-sim).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TPW52_HOMEPAGE})
include(CPack)
