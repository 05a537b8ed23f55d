# Cross build for the handset's 32-bit ARM (Debian armhf) with Debian's cross compiler and the
# armhf Qt packages installed beside the native ones; tests run under qemu-arm.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)
set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)

# Multiarch: target libraries live in /usr/lib/arm-linux-gnueabihf, programs (moc, rcc,
# lrelease) are the build machine's.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_FIND_ROOT_PATH /usr/lib/arm-linux-gnueabihf /usr)
set(CMAKE_PREFIX_PATH /usr/lib/arm-linux-gnueabihf/cmake)

set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# No binfmt registration is needed: CTest and our own launches go through the emulator.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm)
