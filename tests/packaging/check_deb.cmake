# Builds the Debian package with CPack and checks its contents and run-time dependencies.
# Arguments: CPACK_COMMAND, CPACK_CONFIG, OUTPUT_DIR, APP_ID, WITH_QT (the package is for the Qt
# application), LINKS_QT (the program is linked with the Qt libraries).
cmake_minimum_required(VERSION 3.25)

find_program(DPKG_DEB dpkg-deb REQUIRED)
file(REMOVE_RECURSE ${OUTPUT_DIR})
file(MAKE_DIRECTORY ${OUTPUT_DIR})
execute_process(COMMAND ${CPACK_COMMAND} -G DEB --config ${CPACK_CONFIG} -B ${OUTPUT_DIR}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed (${result}):\n${output}")
endif()

file(GLOB debs ${OUTPUT_DIR}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb in ${OUTPUT_DIR}, found ${count}: ${debs}\n${output}")
endif()

execute_process(COMMAND ${DPKG_DEB} -c ${debs} OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -c failed on ${debs}")
endif()

set(expected
    ./usr/bin/quorvane
    ./usr/share/applications/${APP_ID}.desktop
    ./usr/share/metainfo/${APP_ID}.metainfo.xml
    ./usr/share/quorvane/privacy-policy.html
    ./usr/share/doc/quorvane/copyright
    ./usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size 16 22 24 32 48 64 128 256 512)
  list(APPEND expected ./usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()

set(missing "")
foreach(path IN LISTS expected)
  string(REPLACE "." "\\." pattern "${path}")
  if(NOT listing MATCHES " ${pattern}\n")
    list(APPEND missing ${path})
  endif()
endforeach()
if(missing)
  string(REPLACE ";" "\n  " missing "${missing}")
  message(FATAL_ERROR "missing from ${debs}:\n  ${missing}\ncontents:\n${listing}")
endif()

execute_process(COMMAND ${DPKG_DEB} -f ${debs} Package Depends OUTPUT_VARIABLE fields)
if(NOT fields MATCHES "Package: quorvane\n")
  message(FATAL_ERROR "package name is not quorvane:\n${fields}")
endif()
# libc6 and the Qt libraries come from dpkg-shlibdeps, the QML modules from the package config.
# GeographicLib is linked in: a dependency on its library would tie the package to one Debian
# release.
if(fields MATCHES "geographiclib")
  message(FATAL_ERROR "Depends names GeographicLib, which should be linked statically:\n${fields}")
endif()
set(needed_packages libc6)
if(LINKS_QT)
  list(APPEND needed_packages libqt6core6 libqt6quick6)
endif()
if(WITH_QT)
  list(APPEND needed_packages qml6-module-qtquick qml6-module-qtquick-controls
       qml6-module-qtpositioning libqt6positioning6-plugins qt6-qpa-plugins)
endif()
foreach(package IN LISTS needed_packages)
  if(NOT fields MATCHES "[ ,]${package}[ ,(\n]")
    message(FATAL_ERROR "Depends lacks ${package}:\n${fields}")
  endif()
endforeach()
message(STATUS "${debs}: all ${count} package(s) checked\n${fields}")
