# Fortunix for Windows: the resources of its programs (version, manifest, the program's icon),
# Qt's libraries and plugins beside them on install, and the installer (target
# fortunix_installer: Fortunix-<version>-setup.exe), signed when a certificate is given.
set(FORTUNIX_VENDOR "Vespera Softwares")
set(fortunix_windows_dir ${CMAKE_CURRENT_LIST_DIR})

# Version and manifest of one program; `icon` empty for none. The manifest (the same for every
# program) names the Windows versions they are made for, asks for per-monitor DPI awareness as
# Qt 6 sets it, and makes UTF-8 the programs' code page.
function(fortunix_windows_resources target description icon)
    set(FORTUNIX_FILE_DESCRIPTION "${description}")
    set(FORTUNIX_INTERNAL_NAME ${target})
    set(manifest ${fortunix_windows_dir}/fortunix.manifest)
    if(MSVC)
        # MSVC's linker writes a manifest of its own and merges the manifest files it is given.
        set(FORTUNIX_MANIFEST_RESOURCE "")
        target_sources(${target} PRIVATE ${manifest})
    else()
        # Resource type 24 is RT_MANIFEST; id 1 the manifest Windows reads to start a program.
        set(FORTUNIX_MANIFEST_RESOURCE "1 24 \"${manifest}\"")
    endif()
    if(icon)
        set(FORTUNIX_ICON_RESOURCE "IDI_ICON1 ICON \"${icon}\"")
    else()
        set(FORTUNIX_ICON_RESOURCE "")
    endif()
    set(rc ${CMAKE_BINARY_DIR}/generated/${target}.rc)
    configure_file(${fortunix_windows_dir}/fortunix.rc.in ${rc} @ONLY)
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${manifest};${icon}")
    target_sources(${target} PRIVATE ${rc})
endfunction()

fortunix_windows_resources(fortunix "${PROJECT_NAME}" ${PROJECT_SOURCE_DIR}/data/icons/fortunix.ico)
fortunix_windows_resources(fortunix-batch "Fortunix batch readings" "")
fortunix_windows_resources(fortunix-atlas "Fortunix atlas look-up" "")

# Everything at the top of the installation folder, as Windows programs are laid out. The
# tools need nothing that the program does not: fortunix-batch.exe is self-contained and
# fortunix-atlas.exe uses Qt Core and the C++ runtime that lie beside fortunix.exe.
install(TARGETS fortunix fortunix-batch fortunix-atlas RUNTIME DESTINATION .)

# Qt's deploy variables exist only in a scope that has found Qt itself.
find_package(Qt6 REQUIRED COMPONENTS Core Widgets)
qt_generate_deploy_app_script(TARGET fortunix FILENAME_VARIABLE fortunix_deploy_script)
install(CODE "set(QT_DEPLOY_BIN_DIR .)")
install(SCRIPT ${fortunix_deploy_script})

# Signing: FORTUNIX_SIGN_PKCS12 names a PKCS#12 file (.p12 or .pfx) holding the certificate
# and its key, FORTUNIX_SIGN_PASSWORD_FILE a file whose first line is its password (none for a
# certificate without one), FORTUNIX_SIGN_TIMESTAMP_URL an RFC 3161 time-stamp server. Taken
# from the environment when CMake configures; without a certificate nothing is signed.
foreach(setting PKCS12 PASSWORD_FILE TIMESTAMP_URL)
    if(NOT DEFINED FORTUNIX_SIGN_${setting})
        set(FORTUNIX_SIGN_${setting} "$ENV{FORTUNIX_SIGN_${setting}}")
    endif()
endforeach()
set(fortunix_sign_arguments "")
set(fortunix_sign_inputs "")
if(FORTUNIX_SIGN_PKCS12)
    find_program(FORTUNIX_OSSLSIGNCODE osslsigncode REQUIRED)
    set(fortunix_sign_arguments -DPKCS12=${FORTUNIX_SIGN_PKCS12}
                                -DPASSWORD_FILE=${FORTUNIX_SIGN_PASSWORD_FILE}
                                -DTIMESTAMP_URL=${FORTUNIX_SIGN_TIMESTAMP_URL}
                                -DOSSLSIGNCODE=${FORTUNIX_OSSLSIGNCODE})
    set(fortunix_sign_inputs ${FORTUNIX_SIGN_PKCS12} ${FORTUNIX_SIGN_PASSWORD_FILE})
    message(STATUS "The Windows installer and programs are signed with ${FORTUNIX_SIGN_PKCS12}")
endif()

# The name of the mutex a running Fortunix holds, from the one line that defines it.
set(fortunix_marker_header ${PROJECT_SOURCE_DIR}/src/platform/RunningCopyMarker.h)
file(STRINGS ${fortunix_marker_header} fortunix_mutex_line REGEX "kRunningCopyMutexName\\[\\] =")
if(NOT fortunix_mutex_line MATCHES "L\"([^\"]+)\"")
    message(FATAL_ERROR "no kRunningCopyMutexName in ${fortunix_marker_header}")
endif()
string(REPLACE "\\\\" "\\" fortunix_running_mutex "${CMAKE_MATCH_1}")

find_program(FORTUNIX_MAKENSIS makensis)
find_package(Python3 COMPONENTS Interpreter)
if(FORTUNIX_MAKENSIS AND Python3_FOUND)
    # The picture of the finish page: the program's icon on its sky blue.
    set(fortunix_wizard_bitmap ${CMAKE_BINARY_DIR}/generated/installer-wizard.bmp)
    add_custom_command(
        OUTPUT ${fortunix_wizard_bitmap}
        COMMAND Python3::Interpreter ${fortunix_windows_dir}/wizard-bitmap.py
                ${PROJECT_SOURCE_DIR}/data/icons/fortunix-128.png ${fortunix_wizard_bitmap}
        DEPENDS ${fortunix_windows_dir}/wizard-bitmap.py ${PROJECT_SOURCE_DIR}/scripts/rgba_png.py
                ${PROJECT_SOURCE_DIR}/data/icons/fortunix-128.png
        COMMENT "Drawing the installer's finish-page picture"
        VERBATIM)

    set(fortunix_setup ${CMAKE_BINARY_DIR}/Fortunix-${PROJECT_VERSION}-setup.exe)
    add_custom_command(
        OUTPUT ${fortunix_setup}
        COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                -DSTAGE=${CMAKE_BINARY_DIR}/installer-stage
                -DNSI=${fortunix_windows_dir}/fortunix.nsi
                -DMAKENSIS=${FORTUNIX_MAKENSIS} -DSTRIP=${CMAKE_STRIP}
                -DOUTFILE=${fortunix_setup}
                "-DPRODUCT=${PROJECT_NAME}" -DVERSION=${PROJECT_VERSION}
                "-DVENDOR=${FORTUNIX_VENDOR}"
                -DICON=${PROJECT_SOURCE_DIR}/data/icons/fortunix.ico
                -DWIZARD_BITMAP=${fortunix_wizard_bitmap}
                -DRUNNING_MUTEX=${fortunix_running_mutex}
                ${fortunix_sign_arguments}
                -P ${fortunix_windows_dir}/BuildInstaller.cmake
        DEPENDS fortunix fortunix-batch fortunix-atlas ${fortunix_windows_dir}/fortunix.nsi
                ${fortunix_windows_dir}/BuildInstaller.cmake
                ${fortunix_windows_dir}/SignFile.cmake ${fortunix_wizard_bitmap}
                ${fortunix_marker_header} ${fortunix_sign_inputs}
        COMMENT "Building Fortunix-${PROJECT_VERSION}-setup.exe"
        VERBATIM)
    add_custom_target(fortunix_installer DEPENDS ${fortunix_setup})
endif()
