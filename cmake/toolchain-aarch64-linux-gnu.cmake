# Cross build for arm64 phones and boards (Mobian and other Debian-based systems) on a Debian
# amd64 machine, with Debian's multiarch packages: the arm64 libraries live beside the host's in
# /usr/lib/aarch64-linux-gnu, so no separate system root is needed. tools/build-phone.sh installs
# the packages and uses this file:
#   cmake -S . -B build-arm64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-aarch64-linux-gnu.cmake
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# Qt's build tools (moc, rcc, qmlcachegen, lrelease) run on the build machine: the amd64 Qt's.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# CTest, and the test discovery at build time, run the arm64 programs through user-mode QEMU;
# the arm64 loader and libraries are found in / as on the phone.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static)

# CPack would label the package with the build machine's architecture.
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
