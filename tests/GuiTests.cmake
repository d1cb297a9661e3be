find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

add_executable(fortunix_gui_tests
    support/gui_test_main.cpp
    shell/ModHelpTest.cpp
    shell/ProgramTextsTest.cpp
)
target_include_directories(fortunix_gui_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(fortunix_gui_tests PRIVATE fortunix_gui fortunix_warnings Qt6::Test GTest::gtest)
gtest_discover_tests(fortunix_gui_tests DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
