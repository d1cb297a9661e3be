# The desktop entry and AppStream data validate, and the Debian package installs and runs.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)

add_test(NAME packaging.desktop_entry_validates
         COMMAND ${DESKTOP_FILE_VALIDATE} ${PROJECT_SOURCE_DIR}/packaging/fortunix.desktop)
add_test(NAME packaging.metainfo_validates
         COMMAND ${APPSTREAMCLI} validate --no-net --pedantic
                 ${FORTUNIX_METAINFO})
add_test(NAME packaging.deb_installs_runs_and_uninstalls
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/packaging/deb_package_test.sh ${PROJECT_BINARY_DIR}
                 "${PROJECT_NAME} v${PROJECT_VERSION}")
# Skipped (77) while the user's own Fortunix runs: the installed copy cannot start beside it.
set_tests_properties(packaging.deb_installs_runs_and_uninstalls PROPERTIES
                     TIMEOUT 180 RESOURCE_LOCK system_package SKIP_RETURN_CODE 77)
