# Pipes birth lines through the real fortunix-batch and checks what comes out.
# Run as: cmake -DBATCH=<fortunix-batch> -DWORK_DIR=<dir> [-DEMULATOR=<runner>]
#               [-DLINE_END=LF|CRLF] -P BatchEndToEnd.cmake
# LINE_END is the line ending the tool writes on its platform (CRLF on Windows).

if(NOT BATCH OR NOT WORK_DIR)
    message(FATAL_ERROR "BATCH and WORK_DIR must be given")
endif()
if(LINE_END STREQUAL "CRLF")
    set(eol "\r\n")
else()
    set(eol "\n")
endif()

function(run_batch name input)
    set(input_file "${WORK_DIR}/batch_${name}.csv")
    file(WRITE "${input_file}" "${input}")
    # Through files: execute_process would turn CR LF into LF in its output variables.
    execute_process(COMMAND ${EMULATOR} "${BATCH}" INPUT_FILE "${input_file}"
                    OUTPUT_FILE "${input_file}.out" ERROR_FILE "${input_file}.err"
                    RESULT_VARIABLE rc)
    set(out "${input_file}.out" PARENT_SCOPE)
    set(err "${input_file}.err" PARENT_SCOPE)
    set(rc "${rc}" PARENT_SCOPE)
endfunction()

function(expect_equal what actual expected)
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${what}: expected ${expected}, got ${actual}")
    endif()
endfunction()

# Compares a file with a text byte for byte (file(READ) as text would drop carriage returns).
function(expect_file what file expected)
    file(WRITE "${file}.expected" "${expected}")
    file(READ "${file}.expected" expected_bytes HEX)
    file(READ "${file}" actual_bytes HEX)
    if(NOT actual_bytes STREQUAL expected_bytes)
        file(READ "${file}" actual)
        message(FATAL_ERROR "${what}:\n--- expected ---\n${expected}\n--- actual ---\n${actual}"
                            "\n--- expected bytes ---\n${expected_bytes}"
                            "\n--- actual bytes ---\n${actual_bytes}")
    endif()
endfunction()

set(greenwich "2000,1,1,12,0,29,0,0,W,51,30,N,0")
set(reading "280,223,24,81,21º Gemini")

# All lines good, the last without a newline: exit status 0, nothing on standard error.
run_batch(good "${greenwich}\n${greenwich}")
expect_file("output of good lines" "${out}" "${reading}${eol}${reading}${eol}")
expect_file("standard error of good lines" "${err}" "")
expect_equal("exit status of good lines" "${rc}" "0")

# A refused line in the middle, CRLF endings and a blank line: the following lines are still
# read, the output keeps one line per input line and the exit status is 1.
run_batch(mixed "${greenwich}\r\n2000,1,1,12,0,29,180,0,W,51,30,N,0\r\n\r\n${greenwich}\r\n")
expect_file("output of mixed lines" "${out}" "${reading}${eol}error${eol}${eol}${reading}${eol}")
expect_file("standard error of mixed lines" "${err}"
             "line 2: Please Enter Value Between 0 And 179 in the Degree of Longitude${eol}")
expect_equal("exit status of mixed lines" "${rc}" "1")

# Empty input: no output, success.
run_batch(empty "")
expect_file("output of empty input" "${out}" "")
expect_equal("exit status of empty input" "${rc}" "0")

# A control character, Ctrl+Z included (the end of a text file to old Windows programs), is a
# refused line like any other: the lines after it are still read.
string(ASCII 26 control_z)
run_batch(control_z "${greenwich}\n2000,1,1,12,0,29,0,0,W,51,30,N,${control_z}\n${greenwich}\n")
expect_file("output around Ctrl+Z" "${out}" "${reading}${eol}error${eol}${reading}${eol}")
expect_equal("exit status around Ctrl+Z" "${rc}" "1")

# What Windows editors leave: a UTF-8 byte-order mark at the start (Notepad, "CSV UTF-8") is
# skipped, and a line of only Ctrl+Z ends the input; nothing after it is read.
string(ASCII 239 187 191 byte_order_mark)
run_batch(byte_order_mark "${byte_order_mark}${greenwich}\r\n${greenwich}\r\n")
expect_file("output after a byte-order mark" "${out}" "${reading}${eol}${reading}${eol}")
expect_file("standard error after a byte-order mark" "${err}" "")
expect_equal("exit status after a byte-order mark" "${rc}" "0")
run_batch(control_z_line "${greenwich}\r\n${control_z}\r\nnot a birth\r\n")
expect_file("output up to a Ctrl+Z line" "${out}" "${reading}${eol}")
expect_file("standard error up to a Ctrl+Z line" "${err}" "")
expect_equal("exit status up to a Ctrl+Z line" "${rc}" "0")

# An offset beyond any clock's, east or west, is refused; the widest ones are read.
run_batch(offsets "2000,7,2,12,0,UTC+14:00,157,24,W,1,52,N,0\n2000,7,2,12,0,UTC+14:59,157,24,W,1,52,N,0\n2000,7,1,12,0,UTC-12:00,176,29,W,0,12,N,0\n2000,7,1,12,0,UTC-12:01,176,29,W,0,12,N,0\n")
file(READ "${out}" offset_lines)
string(REPLACE "\r" "" offset_lines "${offset_lines}")
if(NOT offset_lines MATCHES "^[0-9]+,[0-9]+,[0-9]+,[0-9]+,[^\n]+\nerror\n[0-9]+,[0-9]+,[0-9]+,[0-9]+,[^\n]+\nerror\n$")
    message(FATAL_ERROR "offsets at and beyond the widest read as:\n${offset_lines}")
endif()
expect_file("standard error of offsets beyond the widest" "${err}"
    "line 2: zone must be a list position from 0 to 70 or an offset such as UTC+05:45${eol}line 4: zone must be a list position from 0 to 70 or an offset such as UTC+05:45${eol}")
expect_equal("exit status of offsets beyond the widest" "${rc}" "1")

# A line of exactly 4096 characters, the birth and the spaces that fill it, is read; with CR LF
# too, the carriage return not counting.
string(LENGTH "${greenwich}" greenwich_length)
math(EXPR padding_length "4096 - ${greenwich_length}")
string(REPEAT " " ${padding_length} padding)
run_batch(longest "${greenwich}${padding}\n${greenwich}${padding}\r\n")
expect_file("output of the longest lines" "${out}" "${reading}${eol}${reading}${eol}")
expect_equal("exit status of the longest lines" "${rc}" "0")

# A line over 4096 characters is refused with its own reason, and the next line is read.
string(REPEAT "1" 5000 long_line)
run_batch(long "${greenwich}\n${long_line}\n${greenwich}\n")
expect_file("output around a long line" "${out}" "${reading}${eol}error${eol}${reading}${eol}")
expect_file("standard error of a long line" "${err}" "line 2: longer than 4096 characters${eol}")
expect_equal("exit status of a long line" "${rc}" "1")

# Input that cannot be read (here a folder) is a failure of its own, never a success.
execute_process(COMMAND ${EMULATOR} "${BATCH}" INPUT_FILE "${WORK_DIR}"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
expect_equal("exit status of unreadable input" "${rc}" "2")
if(NOT err MATCHES "^fortunix-batch: cannot read standard input after line 0: ")
    message(FATAL_ERROR "unreadable input explained as:\n${err}")
endif()

# --help names the fields and the exit statuses; an unknown argument is an error.
execute_process(COMMAND ${EMULATOR} "${BATCH}" --help OUTPUT_VARIABLE out RESULT_VARIABLE rc)
expect_equal("exit status of --help" "${rc}" "0")
foreach(part "year,month,day,hour,minute,zone,lonDeg,lonMin,EW,latDeg,latMin,NS,dst"
             "  0  every line was read" "  1  some line was refused" "  2  the input could not")
    string(FIND "${out}" "${part}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "--help lacks \"${part}\":\n${out}")
    endif()
endforeach()
# /? too, as Windows programs take it.
execute_process(COMMAND ${EMULATOR} "${BATCH}" /? OUTPUT_VARIABLE help_out ERROR_VARIABLE err
                RESULT_VARIABLE rc)
expect_equal("exit status of /?" "${rc}" "0")
expect_equal("output of /?" "${help_out}" "${out}")
execute_process(COMMAND ${EMULATOR} "${BATCH}" --verbose OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE rc)
expect_equal("exit status of an unknown argument" "${rc}" "2")
# Also as the last argument, after --help; the message names the first argument.
execute_process(COMMAND ${EMULATOR} "${BATCH}" --help --verbose OUTPUT_VARIABLE out
                ERROR_VARIABLE err RESULT_VARIABLE rc)
expect_equal("exit status of an unknown last argument" "${rc}" "2")
expect_equal("output of an unknown last argument" "${out}" "")
if(NOT err MATCHES "^fortunix-batch: unknown argument --help\r?\n")
    message(FATAL_ERROR "an unknown last argument explained as:\n${err}")
endif()
