# What the build knows about the project as a whole: the one version of the three programs
# (the project's VERSION, with the date of its release for the manual pages and the AppStream
# entry) and the folders of an installed tree.
set(TPW52_RELEASE_DATE "2026-12-07")
# The desktop entry, the icon and the AppStream entry are named after it.
set(TPW52_DESKTOP_ID org.qz815.tpw52)
set(TPW52_HOMEPAGE "https://tpw52.invalid" CACHE STRING
    "The program's web page; the AppStream screenshots are under HOMEPAGE/screenshots/")
set(TPW52_PACKAGE_CONTACT "TPW52 developers <maintainers@tpw52.invalid>" CACHE STRING
    "The maintainer named in the Debian package")

# A generated header carries the version and the desktop name into the code, so that a new
# version rebuilds only the files that show it.
configure_file(${CMAKE_CURRENT_LIST_DIR}/program_info.h.in
               ${CMAKE_BINARY_DIR}/generated/program_info.h @ONLY)
add_library(tpw52_version INTERFACE)
target_include_directories(tpw52_version INTERFACE ${CMAKE_BINARY_DIR}/generated)

# bin/, share/tpw52/ (the data the programs look for in ../share/tpw52), share/doc/tpw52/, ...
include(GNUInstallDirs)
set(TPW52_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tpw52)
