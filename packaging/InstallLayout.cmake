# Where the program's data lives, shared by the code that looks it up and the install rules.
include(GNUInstallDirs)

# Installed data directory, relative to the install prefix.
set(QUORVANE_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/quorvane")
# The same directory seen from the directory of the executable (e.g. ../share/quorvane). The
# program finds its data this way wherever the prefix is, and the build tree mirrors it.
file(RELATIVE_PATH QUORVANE_DATA_DIR_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${QUORVANE_INSTALL_DATADIR}")
