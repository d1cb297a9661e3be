find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

# The main of every test program with windows: one QApplication, the platform from the
# environment (CTest sets offscreen).
add_library(fortunix_gui_test_main STATIC support/gui_test_main.cpp)
target_link_libraries(fortunix_gui_test_main PUBLIC GTest::gtest Qt6::Widgets Qt6::Test
                                             PRIVATE fortunix_warnings)
# The same, with the program's own style over the platform's, for the tests of the windows
# and of the widget kit, so that they draw as the program does.
add_library(fortunix_styled_test_main STATIC support/gui_test_main.cpp)
target_compile_definitions(fortunix_styled_test_main PRIVATE FORTUNIX_TEST_PROGRAM_STYLE)
target_link_libraries(fortunix_styled_test_main PUBLIC GTest::gtest Qt6::Widgets Qt6::Test
                                                PRIVATE fortunix_widgets fortunix_warnings)

fortunix_add_tests(fortunix_platform_tests WINDOWS LINKS fortunix_platform SOURCES
    platform/InstanceLockTest.cpp
    platform/PaperSizesTest.cpp
    platform/ProgramInfoTest.cpp
    platform/RunningCopyMarkerTest.cpp
)
# Takes the single-instance lock in a process of its own, for the instance-lock tests.
add_executable(fortunix_instance_probe platform/InstanceProbe.cpp)
target_link_libraries(fortunix_instance_probe PRIVATE fortunix_platform fortunix_warnings)
add_dependencies(fortunix_platform_tests fortunix_instance_probe)
target_compile_definitions(fortunix_platform_tests PRIVATE
    FORTUNIX_INSTANCE_PROBE="$<TARGET_FILE:fortunix_instance_probe>")

fortunix_add_tests(fortunix_widgets_tests STYLED LINKS fortunix_widgets SOURCES
    widgets/PlacementTest.cpp
    widgets/ControlsTest.cpp
    widgets/ProgramStyleTest.cpp
)
target_compile_definitions(fortunix_widgets_tests PRIVATE
    FORTUNIX_ICONS_DIR="${PROJECT_SOURCE_DIR}/data/icons")

fortunix_add_tests(fortunix_shell_tests WINDOWS LINKS fortunix_shell fortunix_test_support SOURCES
    shell/ModHelpTest.cpp
    shell/ProgramTextsTest.cpp
    shell/SettingsTest.cpp
    shell/UpdateReminderTest.cpp
    shell/ShutdownTest.cpp
    shell/ReferralTest.cpp
    shell/RecentBirthsFileTest.cpp
)

# The windows, with what they show to a screen reader and to the keyboard (a11y).
fortunix_add_tests(fortunix_forms_tests STYLED LINKS fortunix_forms fortunix_test_support SOURCES
    forms/NagScreenTest.cpp
    forms/AboutBoxTest.cpp
    forms/MainFormTest.cpp
    forms/CommandButtonColourTest.cpp
    forms/KeyFilterTest.cpp
    forms/InputValidationTest.cpp
    forms/ReadingRequestTest.cpp
    forms/ResultWindowTest.cpp
    forms/WebLinksTest.cpp
    forms/LocationLookupTest.cpp
    forms/LocationSearchTest.cpp
    forms/PlaceChoiceTextsTest.cpp
    forms/ExitHandOffTest.cpp
    forms/ReadingSheetTest.cpp
    forms/RecentBirthsTest.cpp
    forms/LanguageTest.cpp
    a11y/AccessibleNamesTest.cpp
    a11y/KeyboardTest.cpp
    a11y/FocusVisibilityTest.cpp
    a11y/LayoutFitTest.cpp
    a11y/TextContrastTest.cpp
)
target_compile_definitions(fortunix_forms_tests PRIVATE
    FORTUNIX_TRANSLATIONS_DIR="${PROJECT_SOURCE_DIR}/translations")
# Every .ts file complete against lupdate's extraction from the code as it is.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
add_test(NAME translations.every_text_translated_in_every_language
         COMMAND ${CMAKE_COMMAND} -DLUPDATE=$<TARGET_FILE:Qt6::lupdate>
                 -DSOURCES_LIST=${PROJECT_BINARY_DIR}/translations/lupdate-sources.lst
                 -DTS_DIR=${PROJECT_SOURCE_DIR}/translations
                 -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/translations-check
                 "-DOPTIONS=${FORTUNIX_LUPDATE_OPTIONS}"
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/translations/TranslationsComplete.cmake)

# The program started on a German system. LC_ALL and LANGUAGE are emptied so that LANG decides,
# on Linux as under Wine.
add_test(NAME Language.StartsOnAGermanSystem COMMAND fortunix_forms_tests
         --gtest_filter=Language.StartsInTheLanguageOfAGermanSystem)
set_tests_properties(Language.StartsOnAGermanSystem PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=de_DE.UTF-8;LC_ALL=;LANGUAGE="
                     PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] 1 test\\.")

# The layout checks again at 200 %, where the fonts are drawn in twice the pixels.
add_test(NAME LayoutFit.At200Percent COMMAND fortunix_forms_tests --gtest_filter=LayoutFit.*)
set_tests_properties(LayoutFit.At200Percent PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")

# Reading sheets written by the result window's commands, read back with pdftotext on the
# build machine (through the emulator for a Windows build: the PDFs are Windows-made).
add_executable(fortunix_sheet_pdf_writer forms/SheetPdfWriter.cpp)
target_link_libraries(fortunix_sheet_pdf_writer PRIVATE fortunix_forms fortunix_test_support
                                                       fortunix_warnings)
find_program(FORTUNIX_PDFTOTEXT pdftotext)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(FORTUNIX_PDFINFO pdfinfo)
if(FORTUNIX_PDFTOTEXT AND FORTUNIX_PDFINFO)
    add_test(NAME forms.reading_sheet_pdf_holds_every_field
             COMMAND ${CMAKE_COMMAND} -DWRITER=$<TARGET_FILE:fortunix_sheet_pdf_writer>
                     "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
                     -DPDFTOTEXT=${FORTUNIX_PDFTOTEXT} -DPDFINFO=${FORTUNIX_PDFINFO}
                     -DPYTHON=${Python3_EXECUTABLE}
                     -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}
                     "-DPROGRAM=${PROJECT_NAME} ${PROJECT_VERSION}"
                     -P ${CMAKE_CURRENT_SOURCE_DIR}/forms/SheetPdfText.cmake)
    set_tests_properties(forms.reading_sheet_pdf_holds_every_field PROPERTIES
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
else()
    message(WARNING "pdftotext and pdfinfo (poppler-utils) not found: the reading sheet's PDF "
                    "text is not tested")
endif()

fortunix_add_tests(fortunix_app_tests STYLED LINKS fortunix_app fortunix_test_support SOURCES
    app/StartupTest.cpp
    app/ProgramLifeTest.cpp
    app/ProcessEndTest.cpp
)

# The real program under a virtual X server: starts, shows its main window, refuses a second
# copy. (For Windows the installer test does the same with the installed program.)
find_program(FORTUNIX_XVFB_RUN xvfb-run)
find_program(FORTUNIX_XWININFO xwininfo)
if(FORTUNIX_XVFB_RUN AND FORTUNIX_XWININFO AND NOT WIN32)
    add_test(NAME fortunix_smoke_run
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/app/smoke_run.sh $<TARGET_FILE:fortunix>
                     ${PROJECT_NAME} ${PROJECT_VERSION})
    set_tests_properties(fortunix_smoke_run PROPERTIES TIMEOUT 60)
endif()
