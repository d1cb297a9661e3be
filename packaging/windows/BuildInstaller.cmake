cmake_minimum_required(VERSION 3.25)
# Installs the build into a staging folder, strips its programs and libraries, signs the
# programs when a certificate is given, lists the installed files for the installer script and
# runs makensis.
#   Required: BUILD_DIR STAGE NSI MAKENSIS STRIP OUTFILE PRODUCT VERSION VENDOR ICON
#             WIZARD_BITMAP
#             RUNNING_MUTEX
#   Signing (all three or none of the first two): PKCS12 [PASSWORD_FILE] [TIMESTAMP_URL]
#             OSSLSIGNCODE
foreach(argument BUILD_DIR STAGE NSI MAKENSIS STRIP OUTFILE PRODUCT VERSION VENDOR ICON
                 WIZARD_BITMAP RUNNING_MUTEX)
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
foreach(program fortunix.exe fortunix-batch.exe fortunix-atlas.exe)
    if(NOT program IN_LIST files)
        message(FATAL_ERROR "the installed tree has no ${program}")
    endif()
endforeach()

# The command that signs one file in place, for the programs here and for the installer and
# the uninstaller when makensis has written them.
set(sign_arguments "")
if(PKCS12)
    set(sign_arguments -DOSSLSIGNCODE=${OSSLSIGNCODE} -DPKCS12=${PKCS12}
                       -DPASSWORD_FILE=${PASSWORD_FILE} -DTIMESTAMP_URL=${TIMESTAMP_URL}
                       -DDESCRIPTION=Fortunix -P ${CMAKE_CURRENT_LIST_DIR}/SignFile.cmake)
    # Only the programs of Fortunix: Qt's and the compiler's libraries are not ours to sign.
    foreach(program fortunix.exe fortunix-batch.exe fortunix-atlas.exe)
        execute_process(COMMAND ${CMAKE_COMMAND} -DFILE=${STAGE}/${program} ${sign_arguments}
                        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
endif()

# What the installed tree takes, in whole kilobytes, for the folder page's "Space required":
# measured here, after stripping and signing.
set(installed_bytes 0)
foreach(file IN LISTS files)
    file(SIZE "${STAGE}/${file}" size)
    math(EXPR installed_bytes "${installed_bytes} + ${size}")
endforeach()
math(EXPR installed_kb "(${installed_bytes} + 1023) / 1024")

# NSIS wants Windows separators on the installed side.
function(windows_path path out)
    string(REPLACE "/" "\\" converted "${path}")
    set(${out} "${converted}" PARENT_SCOPE)
endfunction()

# FORTUNIX_EXTRACT_FILES writes the installed tree into the folder $NewFiles;
# FORTUNIX_FOR_EACH_FILE and FORTUNIX_FOR_EACH_FOLDER (deepest first) apply a macro of the
# installer script to each path relative to the installation folder.
set(extract_lines "!macro FORTUNIX_EXTRACT_FILES\n")
set(file_lines "!macro FORTUNIX_FOR_EACH_FILE OPERATION\n")
set(folder_lines "!macro FORTUNIX_FOR_EACH_FOLDER OPERATION\n")
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
        string(APPEND extract_lines "    SetOutPath \"$NewFiles${windows_folder}\"\n")
        set(current_folder "${folder}")
    endif()
    windows_path("${file}" windows_file)
    string(APPEND extract_lines "    File \"${STAGE}/${file}\"\n")
    string(APPEND file_lines "    !insertmacro \${OPERATION} \"${windows_file}\"\n")
    # Every folder on the way up, so that each can be made and removed.
    while(folder)
        list(APPEND folders "${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)  # a folder sorts after its parent: children go first
foreach(folder IN LISTS folders)
    windows_path("${folder}" windows_folder)
    string(APPEND folder_lines "    !insertmacro \${OPERATION} \"${windows_folder}\"\n")
endforeach()
set(generated "${extract_lines}!macroend\n${file_lines}!macroend\n${folder_lines}!macroend\n")
if(PKCS12)
    list(JOIN sign_arguments "\" \"" quoted_arguments)
    set(sign_command "\"${CMAKE_COMMAND}\" \"-DFILE=%1\" \"${quoted_arguments}\"")
    string(APPEND generated "!finalize '${sign_command}' = 0\n"
                            "!uninstfinalize '${sign_command}' = 0\n")
endif()
file(WRITE "${STAGE}-files.nsh" "${generated}")

execute_process(COMMAND "${MAKENSIS}" -V2 -WX -NOCD "-DPRODUCT=${PRODUCT}" "-DVERSION=${VERSION}"
                        "-DVENDOR=${VENDOR}" "-DINSTALLED_KB=${installed_kb}"
                        "-DFILES=${STAGE}-files.nsh" "-DICON=${ICON}" "-DOUTFILE=${OUTFILE}"
                        "-DWIZARD_BITMAP=${WIZARD_BITMAP}" "-DRUNNING_MUTEX=${RUNNING_MUTEX}"
                        "${NSI}"
                COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Installer: ${OUTFILE}")
