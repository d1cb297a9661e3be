# Cross-compiles Fortunix for 64-bit Windows on Debian with MinGW-w64 (posix threads) and a
# Qt built for it. The Qt folder comes from FORTUNIX_QT_MINGW_PREFIX (cache or environment);
# Qt's host tools (moc, rcc, uic) are Debian's own of the same version (QT_HOST_PATH=/usr).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT FORTUNIX_QT_MINGW_PREFIX AND DEFINED ENV{FORTUNIX_QT_MINGW_PREFIX})
    set(FORTUNIX_QT_MINGW_PREFIX "$ENV{FORTUNIX_QT_MINGW_PREFIX}")
endif()
if(NOT FORTUNIX_QT_MINGW_PREFIX)
    message(FATAL_ERROR "Set FORTUNIX_QT_MINGW_PREFIX to the Qt built for MinGW-w64 "
                        "(./test-windows finds or builds one)")
endif()
# try_compile projects read this file again and need the same value.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES FORTUNIX_QT_MINGW_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${FORTUNIX_QT_MINGW_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(QT_HOST_PATH /usr CACHE PATH "Qt's host tools")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "CMake files of Qt's host tools")
