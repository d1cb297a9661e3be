# Cross-building for Windows on Linux: the tests run under Wine through a wrapper generated
# here, and Qt's deploy script gets a windeployqt that works on a Linux host.
if(NOT (WIN32 AND CMAKE_CROSSCOMPILING AND CMAKE_HOST_UNIX))
    return()
endif()

execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
                OUTPUT_VARIABLE fortunix_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(FORTUNIX_WINE_GCC_RUNTIME "${fortunix_libgcc}" DIRECTORY)
set(FORTUNIX_WINE_QT_BIN "Z:${FORTUNIX_QT_MINGW_PREFIX}/bin")
set(FORTUNIX_WINE_GCC_RUNTIME_PATH "Z:${FORTUNIX_WINE_GCC_RUNTIME}")
set(FORTUNIX_WINE_FONTDIR "Z:/usr/share/fonts/truetype/dejavu")
set(FORTUNIX_WINEPREFIX "${CMAKE_BINARY_DIR}/wine-prefix" CACHE PATH
    "Wine prefix of the tests unless WINEPREFIX is set")

find_program(FORTUNIX_WINE wine REQUIRED)
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/wine-run.in ${CMAKE_BINARY_DIR}/wine-run
               @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
               GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/windeployqt.in ${CMAKE_BINARY_DIR}/windeployqt
               @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
               GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(WINDEPLOYQT_EXECUTABLE ${CMAKE_BINARY_DIR}/windeployqt CACHE FILEPATH
    "windeployqt stand-in for Qt's deploy script" FORCE)
