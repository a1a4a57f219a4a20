# Cross-compiles for Debian's i386 (i686 baseline) from an amd64 machine, with the i386
# libraries of multiarch (qt6-base-dev:i386, libcap-dev:i386, libgtest-dev:i386) and the
# amd64 Qt tools (moc, rcc) of qt6-base-dev-tools. The programs run here too: the amd64
# kernel executes i386 binaries, so the tests need no emulator.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(PKG_CONFIG_EXECUTABLE i686-linux-gnu-pkg-config)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
