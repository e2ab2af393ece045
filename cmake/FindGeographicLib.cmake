# Finds GeographicLib (Debian: libgeographiclib-dev) and defines the imported target
# GeographicLib::GeographicLib. Debian ships its own FindGeographicLib.cmake outside CMake's module
# path and no package configuration, so the header and the library are looked up directly.
# The static library comes first: linked into the program, it spares the package a dependency on
# one soname of GeographicLib, which differs between Debian releases (libgeographiclib23 in
# Debian 12, libgeographiclib26 in Debian 13), so that one package installs on both.
find_path(GeographicLib_INCLUDE_DIR GeographicLib/UTMUPS.hpp)
find_library(GeographicLib_LINKED_LIBRARY NAMES libGeographicLib.a GeographicLib)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(GeographicLib REQUIRED_VARS GeographicLib_LINKED_LIBRARY
                                                              GeographicLib_INCLUDE_DIR)
mark_as_advanced(GeographicLib_INCLUDE_DIR GeographicLib_LINKED_LIBRARY)

if(GeographicLib_FOUND AND NOT TARGET GeographicLib::GeographicLib)
  add_library(GeographicLib::GeographicLib UNKNOWN IMPORTED)
  set_target_properties(GeographicLib::GeographicLib PROPERTIES
    IMPORTED_LOCATION "${GeographicLib_LINKED_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${GeographicLib_INCLUDE_DIR}")
endif()
