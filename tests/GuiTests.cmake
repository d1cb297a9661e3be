find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

add_executable(fortunix_gui_tests
    support/gui_test_main.cpp
    platform/InstanceLockTest.cpp
    platform/RunningCopyMarkerTest.cpp
    widgets/PlacementTest.cpp
    widgets/ProgramStyleTest.cpp
    shell/ModHelpTest.cpp
    shell/ProgramTextsTest.cpp
    shell/SettingsTest.cpp
    shell/UpdateReminderTest.cpp
    shell/ShutdownTest.cpp
    shell/ReferralTest.cpp
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
    app/StartupTest.cpp
    app/ProgramLifeTest.cpp
    app/ProcessEndTest.cpp
    a11y/AccessibleNamesTest.cpp
    a11y/KeyboardTest.cpp
    a11y/FocusVisibilityTest.cpp
    a11y/LayoutFitTest.cpp
    a11y/TextContrastTest.cpp
)
target_include_directories(fortunix_gui_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(fortunix_gui_tests PRIVATE fortunix_app fortunix_warnings Qt6::Test GTest::gtest)
gtest_discover_tests(fortunix_gui_tests DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# Takes the single-instance lock in a process of its own, for the instance-lock tests.
add_executable(fortunix_instance_probe platform/InstanceProbe.cpp)
target_link_libraries(fortunix_instance_probe PRIVATE fortunix_platform fortunix_warnings)
add_dependencies(fortunix_gui_tests fortunix_instance_probe)
target_compile_definitions(fortunix_gui_tests PRIVATE
    FORTUNIX_INSTANCE_PROBE="$<TARGET_FILE:fortunix_instance_probe>")

# The real program under a virtual X server: starts, shows its main window, refuses a second
# copy. (For Windows the installer test does the same with the installed program.)
find_program(FORTUNIX_XVFB_RUN xvfb-run)
find_program(FORTUNIX_XWININFO xwininfo)
if(FORTUNIX_XVFB_RUN AND FORTUNIX_XWININFO AND NOT WIN32)
    add_test(NAME fortunix_smoke_run
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/app/smoke_run.sh $<TARGET_FILE:fortunix>)
    set_tests_properties(fortunix_smoke_run PROPERTIES TIMEOUT 60)
endif()
