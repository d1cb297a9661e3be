# Runs the real fortunix-atlas (and fortunix-batch for the zone it proposes) and checks what
# comes out, where, and the exit status.
# Run as: cmake -DATLAS=<fortunix-atlas> -DBATCH=<fortunix-batch> -DWORK_DIR=<dir>
#               [-DEMULATOR=<runner>] -P AtlasEndToEnd.cmake
# Offsets are tz's (tzdata 2026f source); line endings are ignored (CR LF on Windows).

cmake_minimum_required(VERSION 3.25)

if(NOT ATLAS OR NOT BATCH OR NOT WORK_DIR)
    message(FATAL_ERROR "ATLAS, BATCH and WORK_DIR must be given")
endif()

# Runs `program` with the arguments after `name` (up to five, empty ones too, which a list
# would drop); sets out, err (carriage returns dropped) and rc. Through files, which keep
# every byte.
function(run name program)
    set(base "${WORK_DIR}/atlas_${name}")
    set(files OUTPUT_FILE "${base}.out" ERROR_FILE "${base}.err" RESULT_VARIABLE status)
    math(EXPR count "${ARGC} - 2")
    if(count EQUAL 1)
        execute_process(COMMAND ${EMULATOR} "${program}" "${ARGV2}" ${files})
    elseif(count EQUAL 2)
        execute_process(COMMAND ${EMULATOR} "${program}" "${ARGV2}" "${ARGV3}" ${files})
    elseif(count EQUAL 3)
        execute_process(COMMAND ${EMULATOR} "${program}" "${ARGV2}" "${ARGV3}" "${ARGV4}"
                        ${files})
    elseif(count EQUAL 4)
        execute_process(COMMAND ${EMULATOR} "${program}" "${ARGV2}" "${ARGV3}" "${ARGV4}"
                                "${ARGV5}" ${files})
    elseif(count EQUAL 5)
        execute_process(COMMAND ${EMULATOR} "${program}" "${ARGV2}" "${ARGV3}" "${ARGV4}"
                                "${ARGV5}" "${ARGV6}" ${files})
    else()
        message(FATAL_ERROR "run: ${count} arguments")
    endif()
    file(READ "${base}.out" output)
    file(READ "${base}.err" errors)
    string(REPLACE "\r" "" output "${output}")
    string(REPLACE "\r" "" errors "${errors}")
    set(out "${output}" PARENT_SCOPE)
    set(err "${errors}" PARENT_SCOPE)
    set(rc "${status}" PARENT_SCOPE)
endfunction()

function(fail what)
    message(FATAL_ERROR "${what}\n--- status ${rc}\n--- standard output:\n${out}"
                        "\n--- standard error:\n${err}")
endfunction()

function(expect_status what status)
    if(NOT rc STREQUAL "${status}")
        fail("${what}: exit status ${status} expected")
    endif()
endfunction()

function(expect_contains what stream text)
    string(FIND "${${stream}}" "${text}" at)
    if(at EQUAL -1)
        fail("${what}: '${text}' expected on ${stream}")
    endif()
endfunction()

function(expect_lacks what stream text)
    string(FIND "${${stream}}" "${text}" at)
    if(NOT at EQUAL -1)
        fail("${what}: no '${text}' expected on ${stream}")
    endif()
endfunction()

function(expect_equal what stream text)
    if(NOT "${${stream}}" STREQUAL "${text}")
        fail("${what}: exactly '${text}' expected on ${stream}")
    endif()
endfunction()

set(header "place\tdivision\tcountry\tlatitude\tlongitude\ttimezone\tutc_offset\tdst\tzone_row\tmatched_name\tbatch_zone\n")
set(tab "\t")

# New York at 02:30 on 14 March 2021, which the clocks skipped: one answer, the offset before.
run(skipped "${ATLAS}" "New York" "" USA --at 2021-03-14T02:30)
expect_status("a skipped hour" 0)
expect_contains("a skipped hour" out "\tAmerica/New_York\t-05:00\t0\t27\t\t27\n")
expect_lacks("a skipped hour has one answer" out "|")

# Reykjavík keeps GMT west of Greenwich: +00:00, never -00:00.
run(zero "${ATLAS}" Reykjavik "" Iceland --at 2000-07-01T12:00)
expect_status("an offset of zero" 0)
expect_contains("an offset of zero" out "\tAtlantic/Reykjavik\t+00:00\t0\t29\t\t29\n")
expect_lacks("an offset of zero has no minus" out "-00:00")

# A slip of the pen: the closest spelling is listed, yet no place matched.
run(close "${ATLAS}" Lodnon England UK)
expect_status("close spellings only" 1)
expect_contains("close spellings only" out "${header}London\tEngland\tUnited Kingdom\t")
expect_equal("close spellings only" err "fortunix-atlas: no place matches; the closest spellings follow\n")

# Nothing at all: the header alone, and standard error says so; bytes that are no UTF-8 too.
string(ASCII 255 254 not_utf8)
foreach(city "" " " "?!#" "${not_utf8}")
    run(nothing "${ATLAS}" "${city}" "" "")
    expect_status("no place for '${city}'" 1)
    expect_equal("no place for '${city}'" out "${header}")
    if(NOT err MATCHES "^fortunix-atlas: no place matches \"[^\n]*\", and no name is spelled close to it\n$")
        fail("no place for '${city}': standard error does not say so")
    endif()
endforeach()

# Years beyond the zone history are refused; its first and last are read.
foreach(moment 1899-12-31T23:59 2051-01-01T00:00)
    run(year "${ATLAS}" "New York" "" USA --at ${moment})
    expect_status("--at ${moment}" 2)
    expect_equal("--at ${moment}" out "")
    expect_equal("--at ${moment}" err "fortunix-atlas: --at takes a year from 1900 to 2050, the years whose clocks the zone history holds\n")
endforeach()
foreach(moment 1900-01-01T00:00 2050-12-31T23:59)
    run(year "${ATLAS}" "New York" "" USA --at ${moment})
    expect_status("--at ${moment}" 0)
    expect_contains("--at ${moment}" out "\tAmerica/New_York\t-05:00\t0\t27\t\t27\n")
endforeach()

# A trailing --at has no value, whatever comes before it: the usage, status 2.
foreach(arguments "Paris;IDF;France;--at" "--help;--at" "/?;--at" "--at;--at"
                  "--at;2000-07-01T12:00;Paris;France;--at")
    run(trailing "${ATLAS}" ${arguments})
    expect_status("${arguments}" 2)
    expect_equal("${arguments}" out "")
    expect_contains("${arguments}" err "Usage: fortunix-atlas CITY STATE COUNTRY [--at YYYY-MM-DDTHH:MM]\n")
endforeach()

# --help and /? print the usage on standard output.
foreach(help --help /?)
    run(help "${ATLAS}" ${help})
    expect_status("${help}" 0)
    expect_contains("${help}" out "Usage: fortunix-atlas CITY STATE COUNTRY [--at YYYY-MM-DDTHH:MM]\n")
    expect_equal("${help}" err "")
endforeach()

# A known country that holds no match: said so, and the places elsewhere follow.
run(elsewhere "${ATLAS}" München Bayern Nepal)
expect_status("a country without the place" 0)
expect_contains("a country without the place" out "${header}Munich\tBavaria\tGermany\t")
expect_equal("a country without the place" err "fortunix-atlas: nothing matching was found in 'Nepal'; places of other countries follow\n")

# An unknown country of 5,000 characters is quoted by its first 60.
string(REPEAT "x" 5000 long_country)
string(REPEAT "x" 60 quoted)
run(long "${ATLAS}" Paris "" "${long_country}")
expect_equal("a long unknown country" err "fortunix-atlas: no country named '${quoted}…' is known; places of every country follow\n")

# Arguments outside ASCII arrive whole, and a file receives UTF-8.
run(names "${ATLAS}" Łódź "" Polska)
expect_contains("a name outside ASCII" out "${header}Łódź\tŁódź Voivodeship\tPoland\t")

# A birthplace typed in its own script, with the country in its own script, and the name it
# was found by printed as typed; right to left too. (Cyrillic and Arabic lie outside the code
# page of a Western Windows: they arrive only by the wide command line.)
run(cyrillic "${ATLAS}" Москва "" Россия)
expect_status("Cyrillic" 0)
expect_contains("Cyrillic" out "${header}Moscow\tMoscow\tRussia\t55.7522\t37.6156\tEurope/Moscow\t\t\t\tМосква\t\n")
expect_equal("Cyrillic" err "")
run(arabic "${ATLAS}" القاهرة "" مصر)
expect_status("Arabic" 0)
expect_contains("Arabic" out "${header}Cairo\tCairo\tEgypt\t30.0626\t31.2497\tAfrica/Cairo\t\t\t\tالقاهرة\t\n")
run(japanese "${ATLAS}" 東京 "" 日本)
expect_contains("Japanese" out "${header}Tokyo\tTokyo\tJapan\t35.6895\t139.6917\tAsia/Tokyo\t\t\t\t東京\t\n")

# Slips in Cyrillic and Greek: the closest spelling, by the name that is close.
run(cyrillic_slip "${ATLAS}" Моксва "" Россия)
expect_status("a Cyrillic slip" 1)
expect_contains("a Cyrillic slip" out "${header}Moscow\tMoscow\tRussia\t55.7522\t37.6156\tEurope/Moscow\t\t\t\tМосква\t\n")
expect_equal("a Cyrillic slip" err "fortunix-atlas: no place matches; the closest spellings follow\n")
run(greek_slip "${ATLAS}" Αθνήα "" Ελλάδα)
expect_status("a Greek slip" 1)
expect_contains("a Greek slip" out "${header}Athens\tAttica\tGreece\t37.9838\t23.7278\tEurope/Athens\t\t\t\tΑθήνα\t\n")

# A country in its own script that holds no match is quoted as typed.
run(elsewhere_own_script "${ATLAS}" München Bayern Ελλάδα)
expect_equal("a country in Greek without the place" err "fortunix-atlas: nothing matching was found in 'Ελλάδα'; places of other countries follow\n")

# The batch zone and the tick that the atlas proposes read the birth in fortunix-batch:
# Amsterdam kept +00:19:32 and summer time on 1 July 1935, so 12:00 there is 10:40 UT (the
# window's entry rounds the offset to +00:20): the Sun, Moon and ascendant of 10:40 at
# Greenwich's row. (The Part of Fortune also heeds the local hour.)
run(amsterdam "${ATLAS}" Amsterdam "" Netherlands --at 1935-07-01T12:00)
expect_status("Amsterdam 1935" 0)
string(REGEX MATCH "\nAmsterdam\t[^\n]*" line "${out}")
string(REPLACE "\t" ";" fields "${line}")
list(GET fields 7 dst)
list(GET fields 10 batch_zone)
if(NOT batch_zone STREQUAL "UTC+00:20" OR NOT dst STREQUAL "1")
    fail("Amsterdam 1935: batch zone UTC+00:20 with the tick, not ${batch_zone} ${dst}")
endif()
file(WRITE "${WORK_DIR}/atlas_recipe.csv"
     "1935,7,1,12,0,${batch_zone},4,53,E,52,22,N,${dst}\n1935,7,1,10,40,29,4,53,E,52,22,N,0\n")
execute_process(COMMAND ${EMULATOR} "${BATCH}" INPUT_FILE "${WORK_DIR}/atlas_recipe.csv"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
string(REPLACE "\r" "" out "${out}")
expect_status("fortunix-batch on the atlas's batch zone" 0)
string(REGEX MATCHALL "[^\n]+" readings "${out}")
list(GET readings 0 proposed)
list(GET readings 1 greenwich)
string(REGEX MATCH "^[0-9]+,[0-9]+,[0-9]+," proposed "${proposed}")
string(REGEX MATCH "^[0-9]+,[0-9]+,[0-9]+," greenwich "${greenwich}")
if(NOT proposed STREQUAL greenwich)
    fail("the batch zone reads ${proposed}, Greenwich at 10:40 UT ${greenwich}")
endif()
