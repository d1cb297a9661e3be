# fortunix.exe for Windows: its icon and version resource, Qt's libraries and plugins beside it
# on install, and the installer (target fortunix_installer: Fortunix-<version>-setup.exe).
set(FORTUNIX_VENDOR "Vespera Softwares")
set(FORTUNIX_FILE_DESCRIPTION "${PROJECT_NAME}")
set(FORTUNIX_INTERNAL_NAME fortunix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/fortunix.rc.in
               ${CMAKE_CURRENT_BINARY_DIR}/generated/fortunix.rc @ONLY)
target_sources(fortunix PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated/fortunix.rc)

# Everything at the top of the installation folder, as Windows programs are laid out.
install(TARGETS fortunix RUNTIME DESTINATION .)

# Qt's deploy variables exist only in a scope that has found Qt itself.
find_package(Qt6 REQUIRED COMPONENTS Core Widgets)
qt_generate_deploy_app_script(TARGET fortunix FILENAME_VARIABLE fortunix_deploy_script)
install(CODE "set(QT_DEPLOY_BIN_DIR .)")
install(SCRIPT ${fortunix_deploy_script})

find_program(FORTUNIX_MAKENSIS makensis)
if(FORTUNIX_MAKENSIS)
    set(fortunix_setup ${CMAKE_BINARY_DIR}/Fortunix-${PROJECT_VERSION}-setup.exe)
    add_custom_command(
        OUTPUT ${fortunix_setup}
        COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                -DSTAGE=${CMAKE_BINARY_DIR}/installer-stage
                -DNSI=${CMAKE_CURRENT_LIST_DIR}/fortunix.nsi
                -DMAKENSIS=${FORTUNIX_MAKENSIS} -DSTRIP=${CMAKE_STRIP}
                -DOUTFILE=${fortunix_setup}
                "-DPRODUCT=${PROJECT_NAME}" -DVERSION=${PROJECT_VERSION}
                "-DVENDOR=${FORTUNIX_VENDOR}"
                -DICON=${PROJECT_SOURCE_DIR}/data/icons/fortunix.ico
                -P ${CMAKE_CURRENT_LIST_DIR}/BuildInstaller.cmake
        DEPENDS fortunix ${CMAKE_CURRENT_LIST_DIR}/fortunix.nsi
                ${CMAKE_CURRENT_LIST_DIR}/BuildInstaller.cmake
        COMMENT "Building Fortunix-${PROJECT_VERSION}-setup.exe"
        VERBATIM)
    add_custom_target(fortunix_installer DEPENDS ${fortunix_setup})
endif()
