# Installing Fortunix like a desktop program, and its Debian package.
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/windows/Windows.cmake)
    return()
endif()

include(GNUInstallDirs)

install(TARGETS fortunix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/fortunix.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The release in the AppStream data is the project's version.
set(FORTUNIX_METAINFO ${PROJECT_BINARY_DIR}/packaging/com.example.fortunix.metainfo.xml)
configure_file(${CMAKE_CURRENT_LIST_DIR}/com.example.fortunix.metainfo.xml.in ${FORTUNIX_METAINFO}
               @ONLY)
install(FILES ${FORTUNIX_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/fortunix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/fortunix-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME fortunix.png)
endforeach()

set(CPACK_PACKAGE_NAME fortunix)
set(CPACK_PACKAGE_VENDOR "Vespera Softwares")
set(CPACK_PACKAGE_CONTACT "Fortunix developers <fortunix@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Part of Fortune reading from your birth data")
set(CPACK_PACKAGE_DESCRIPTION
    "Fortunix computes the Sun, the Moon and the ascendant of a natal chart and shows the Part of Fortune as a degree within its zodiac sign, with a paragraph of interpretation.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Letters for the languages the program speaks: Arabic and the rest of the world's scripts,
# and Japanese and Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-core, fonts-noto-cjk")
set(CPACK_STRIP_FILES ON)
include(CPack)
