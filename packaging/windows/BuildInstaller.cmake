cmake_minimum_required(VERSION 3.25)
# Installs the build into a staging folder, strips its programs and libraries, lists its files for the installer script (one File
# and one Delete line each, so the uninstaller removes exactly what was installed) and runs
# makensis. Arguments: BUILD_DIR STAGE NSI MAKENSIS STRIP OUTFILE PRODUCT VERSION VENDOR ICON.
foreach(argument BUILD_DIR STAGE NSI MAKENSIS STRIP OUTFILE PRODUCT VERSION VENDOR ICON)
    if(NOT DEFINED ${argument})
        message(FATAL_ERROR "${argument} must be given")
    endif()
endforeach()

file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${STAGE}"
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
# The deployed runtime libraries keep their debugging sections (libstdc++ alone is 23 MB).
file(GLOB_RECURSE binaries "${STAGE}/*.exe" "${STAGE}/*.dll")
foreach(binary IN LISTS binaries)
    execute_process(COMMAND "${STRIP}" --strip-unneeded "${binary}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()

file(GLOB_RECURSE files RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT files)
if(NOT "fortunix.exe" IN_LIST files)
    message(FATAL_ERROR "the installed tree has no fortunix.exe")
endif()

# NSIS wants Windows separators on the installed side.
function(windows_path path out)
    string(REPLACE "/" "\\" converted "${path}")
    set(${out} "${converted}" PARENT_SCOPE)
endfunction()

set(install_lines "!macro FORTUNIX_INSTALL_FILES\n")
set(delete_lines "!macro FORTUNIX_DELETE_FILES\n")
set(folders "")
set(current_folder "-")
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    if(NOT folder STREQUAL current_folder)
        if(folder)
            windows_path("\\${folder}" windows_folder)
        else()
            set(windows_folder "")
        endif()
        string(APPEND install_lines "    SetOutPath \"$INSTDIR${windows_folder}\"\n")
        set(current_folder "${folder}")
    endif()
    windows_path("${file}" windows_file)
    string(APPEND install_lines "    File \"${STAGE}/${file}\"\n")
    string(APPEND delete_lines "    Delete \"$INSTDIR\\${windows_file}\"\n")
    # Every folder on the way up, so that each can be removed once empty.
    while(folder)
        list(APPEND folders "${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)  # a folder sorts after its parent: children go first
foreach(folder IN LISTS folders)
    windows_path("${folder}" windows_folder)
    string(APPEND delete_lines "    RMDir \"$INSTDIR\\${windows_folder}\"\n")
endforeach()
string(APPEND install_lines "!macroend\n")
string(APPEND delete_lines "!macroend\n")
file(WRITE "${STAGE}-files.nsh" "${install_lines}${delete_lines}")

execute_process(COMMAND "${MAKENSIS}" -V2 -WX -NOCD "-DPRODUCT=${PRODUCT}" "-DVERSION=${VERSION}"
                        "-DVENDOR=${VENDOR}" "-DFILES=${STAGE}-files.nsh" "-DICON=${ICON}"
                        "-DOUTFILE=${OUTFILE}" "${NSI}"
                COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Installer: ${OUTFILE}")
