# Where the device image and the libraries live, in the build and once installed.
include_guard(GLOBAL)
include(GNUInstallDirs)

# What the build itself adds to the image (compiled translations); the platform copies it into a
# device root after the shipped files of data/device.
set(VYN_BUILD_IMAGE_DIR "${CMAKE_BINARY_DIR}/image")
file(MAKE_DIRECTORY ${VYN_BUILD_IMAGE_DIR})

# Installed: programs in bin, the platform library with the plugin and settings libraries in a
# private folder, the image in share.
set(VYN_INSTALL_LIBRARY_DIR "${CMAKE_INSTALL_LIBDIR}/vyn")
set(VYN_INSTALL_IMAGE_DIR "${CMAKE_INSTALL_DATADIR}/vyn/image")
# Relative to the installed programs, so a package or a --prefix install finds them anywhere.
file(RELATIVE_PATH VYN_LIBRARY_FROM_BIN "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${VYN_INSTALL_LIBRARY_DIR}")
file(RELATIVE_PATH VYN_IMAGE_FROM_BIN "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${VYN_INSTALL_IMAGE_DIR}")

include(${CMAKE_CURRENT_LIST_DIR}/VynTranslations.cmake)
