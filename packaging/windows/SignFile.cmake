cmake_minimum_required(VERSION 3.25)
# Signs one Windows executable in place with osslsigncode (Authenticode, SHA-256).
#   cmake -DFILE=x.exe -DOSSLSIGNCODE=osslsigncode -DPKCS12=cert.p12 [-DPASSWORD_FILE=pass.txt]
#         [-DTIMESTAMP_URL=http://...] [-DDESCRIPTION=Fortunix] -P SignFile.cmake
# Without a time stamp a signature stops verifying when the certificate expires; with one it
# stays good, but the time-stamp server must be reachable during the build.
foreach(argument FILE OSSLSIGNCODE PKCS12)
    if(NOT ${argument})
        message(FATAL_ERROR "${argument} must be given")
    endif()
endforeach()

set(options -pkcs12 ${PKCS12} -h sha256)
if(PASSWORD_FILE)
    list(APPEND options -readpass ${PASSWORD_FILE})
endif()
if(DESCRIPTION)
    list(APPEND options -n ${DESCRIPTION})
endif()
if(TIMESTAMP_URL)
    list(APPEND options -ts ${TIMESTAMP_URL})
endif()

set(signed "${FILE}.signed")
file(REMOVE "${signed}")
execute_process(COMMAND ${OSSLSIGNCODE} sign ${options} -in ${FILE} -out ${signed}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(RENAME "${signed}" "${FILE}")
