# Writes reading sheets with fortunix_sheet_pdf_writer (through the emulator for a Windows
# build) and reads their text back with pdftotext: every field of the sheet must be there, as
# text that can be searched and copied, in the saved PDF and in the one printed through QPrinter.
# Run as: cmake -DWRITER=<program> -DPDFTOTEXT=<pdftotext> -DPDFINFO=<pdfinfo> -DWORK_DIR=<dir>
#               -DPYTHON=<python3>
#               -DPROGRAM="<name> <version>" [-DEMULATOR=<runner>]
#               -P SheetPdfText.cmake
# Expected values: the worked example's positions are the reference ones of the program's
# documentation; Kathmandu's come from sheet_reference.py beside this file, which computes them
# apart from the program.

set(folder "${WORK_DIR}/sheet_pdf")
file(REMOVE_RECURSE "${folder}")
file(MAKE_DIRECTORY "${folder}")
execute_process(COMMAND ${EMULATOR} "${WRITER}" "${folder}" RESULT_VARIABLE rc
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the writer failed (${rc}):\n${out}\n${err}")
endif()

# Each expected line, its words separated by any white space (pdftotext lays columns out
# with spaces).
function(expect_lines pdf)
    execute_process(COMMAND "${PDFTOTEXT}" -layout "${folder}/${pdf}" - RESULT_VARIABLE rc
                    OUTPUT_VARIABLE text ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "pdftotext ${pdf} failed: ${err}")
    endif()
    foreach(expected IN LISTS ARGN)
        string(REGEX REPLACE "[ ]+" "[ \t]+" pattern "${expected}")
        if(NOT text MATCHES "${pattern}")
            message(FATAL_ERROR "${pdf}: no line \"${expected}\" in:\n${text}")
        endif()
    endforeach()
    set(text "${text}" PARENT_SCOPE)
endfunction()

function(expect_absent pdf unexpected)
    if(text MATCHES "${unexpected}")
        message(FATAL_ERROR "${pdf}: \"${unexpected}\" should not be there:\n${text}")
    endif()
endfunction()

set(footer "${PROGRAM} · sheet made on 7 December 2026")
foreach(pdf london.pdf london-printed.pdf)
    expect_lines(${pdf}
        "Fortunix reading"
        "JOHN"
        "Born 1 January 2000, 12:00 local time"
        "Time zone Greenwich Mean Time,GMT,0.0 \\(UTC\\+00:00\\)"
        "Daylight Saving Time not ticked"
        "Universal time 1 January 2000, 12:00"
        "Latitude, longitude 51°30′ N, 0°00′ W"
        "Sun 10º Capricorn"
        "Moon 13º Scorpio"
        "Ascendant 24º Aries"
        "Formula born from noon on: ascendant \\+ Sun − Moon"
        "Part of Fortune"
        "21º Gemini"
        "Like a child full of"
        "${footer}")
    expect_absent(${pdf} "Birthplace")
endforeach()
foreach(pdf kathmandu.pdf kathmandu-printed.pdf)
    expect_lines(${pdf}
        "ANN LEE"
        "Born 1 July 2000, 12:00 local time"
        "Time zone Birthplace time,UTC\\+05:45"
        "Daylight Saving Time not ticked"
        "Universal time 1 July 2000, 06:15"
        "Birthplace Kathmandu, Bagmati Province, Nepal"
        "Latitude, longitude 27°42′ N, 85°19′ E"
        "Sun 9º Cancer"
        "Moon 1º Cancer"
        "Ascendant 7º Libra"
        "15º Libra"
        "Having part of fortune"
        "${footer}")
endforeach()

# The worked example in German, every line written here by hand.
foreach(pdf london-de.pdf london-de-printed.pdf)
    expect_lines(${pdf}
        "Fortunix-Deutung"
        "Geboren 1. Januar 2000, 12:00 Ortszeit"
        "Zeitzone Mittlere Greenwich-Zeit,GMT,0.0 \\(UTC\\+00:00\\)"
        "Sommerzeit nicht angekreuzt"
        "Weltzeit 1. Januar 2000, 12:00"
        "Breite, Länge 51°30′ N, 0°00′ W"
        "Sonne 10º Steinbock"
        "Mond 13º Skorpion"
        "Aszendent 24º Widder"
        "Formel geboren ab Mittag: Aszendent \\+ Sonne − Mond"
        "Glückspunkt"
        "21º Zwillinge"
        "Wie ein neugieriges Kind"
        "${PROGRAM} · Blatt erstellt am 7. Dezember 2026")
    expect_absent(${pdf} "Gemini")
endforeach()
# The worked example in Arabic; pdf_words.py takes pdftotext's joined letters back to the letters
# as typed, without white space, where each hand-written word is looked for without its spaces.
expect_lines(london-ar.pdf "JOHN" "GMT,0.0 \\(UTC\\+00:00\\)" "21º" "51°30′" "0°00′")
expect_absent(london-ar.pdf "Gemini")
expect_absent(london-ar.pdf "°00′ W")  # the hemispheres in Arabic words
foreach(pdf london-ar.pdf london-ar-printed.pdf)
    execute_process(COMMAND "${PDFTOTEXT}" "${folder}/${pdf}" -
                    COMMAND "${PYTHON}" "${CMAKE_CURRENT_LIST_DIR}/pdf_words.py"
                    OUTPUT_VARIABLE letters)
    foreach(expected "قراءة Fortunix" "بالتوقيت المحلي" "غير محدد" "سهم السعادة" "الجوزاء 21º"
                     "كطفل يفيض")
        string(REPLACE " " "" expected "${expected}")
        string(FIND "${letters}" "${expected}" found)
        if(found EQUAL -1)
            message(FATAL_ERROR "${pdf}: no \"${expected}\" in its letters:\n${letters}")
        endif()
    endforeach()
endforeach()

# In Japanese, the digits and signs among the characters can be found too.
expect_lines(london-ja.pdf "GMT,0.0 \\(UTC\\+00:00\\)" "21º")

# One page each; the saved PDF names itself and its maker.
foreach(pdf london.pdf london-printed.pdf kathmandu.pdf kathmandu-printed.pdf)
    execute_process(COMMAND "${PDFINFO}" "${folder}/${pdf}" OUTPUT_VARIABLE info)
    set(expectations "Pages: +1\n")
    if(pdf STREQUAL "london.pdf")
        list(APPEND expectations "Title: +Fortunix reading - JOHN\n" "Creator: +${PROGRAM}\n")
    endif()
    foreach(expected IN LISTS expectations)
        if(NOT info MATCHES "${expected}")
            message(FATAL_ERROR "${pdf}: no \"${expected}\" in its information:\n${info}")
        endif()
    endforeach()
endforeach()
