# The atlas behind the latitude/longitude look-up, tested against the real atlas.
add_executable(fortunix_atlas_tests
    support/gui_test_main.cpp
    atlas/SearchKeyTest.cpp
    atlas/ArcMinutesTest.cpp
    atlas/AtlasTablesTest.cpp
    atlas/DivisionTablesTest.cpp
    atlas/PlaceSearchTest.cpp
    atlas/OtherNamesTest.cpp
    atlas/BirthZoneTest.cpp
    tools/CandidateLineTest.cpp
    ${PROJECT_SOURCE_DIR}/tools/fortunix-atlas/CandidateLine.cpp
)
target_include_directories(fortunix_atlas_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
                                                        ${PROJECT_SOURCE_DIR}/tools/fortunix-atlas)
target_link_libraries(fortunix_atlas_tests PRIVATE fortunix_gui fortunix_warnings Qt6::Test
                                                   GTest::gtest)
gtest_discover_tests(fortunix_atlas_tests DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# fortunix-atlas as a user runs it: Nepal's +5:45 in 2000 is an exact offset, and a place that
# nothing matches ends with status 1.
add_test(NAME fortunix_atlas_exact_offset
         COMMAND fortunix-atlas Kathmandu Bagmati Nepal --at 2000-07-01T12:00)
set_tests_properties(fortunix_atlas_exact_offset PROPERTIES
                     PASS_REGULAR_EXPRESSION "\tAsia/Kathmandu\t\\+05:45\t0\texact")
add_test(NAME fortunix_atlas_no_place COMMAND fortunix-atlas Xyzzyville Nowhere Atlantis)
set_tests_properties(fortunix_atlas_no_place PROPERTIES WILL_FAIL TRUE)
